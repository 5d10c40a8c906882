// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_model.h"

#include "tape_line.h"
#include "utf8.h"

namespace orv {

TapeModel::TapeModel(TapeKeeper& keeper, QObject* parent) : QAbstractListModel(parent), keeper_(keeper) {
    keeper_.readFile(); // the file's lines are on their way
    keeper_.setListener(this);
}

TapeModel::~TapeModel() {
    keeper_.setListener(nullptr);
}

int TapeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(keeper_.lines().size());
}

const TapeStep* TapeModel::entry(int row) const {
    const auto& lines = keeper_.lines();
    return row >= 0 && std::size_t(row) < lines.size() ? &lines[std::size_t(row)] : nullptr;
}

QString TapeModel::shownText(const std::string& text) {
    const std::size_t headEnd = utf8Offset(text, kShownCharacters - kShownEnd);
    // The end too, as that is where a line's result stands.
    std::size_t tailStart = text.size();
    for (std::size_t characters = 0; tailStart > headEnd && characters < kShownEnd; ++characters) {
        do --tailStart;
        while (tailStart > headEnd && isContinuationByte(static_cast<unsigned char>(text[tailStart])));
    }
    if (tailStart == headEnd) return QString::fromUtf8(text.data(), qsizetype(text.size()));
    return QString::fromUtf8(text.data(), qsizetype(headEnd)) + QChar(0x2026) +
           QString::fromUtf8(text.data() + tailStart, qsizetype(text.size() - tailStart));
}

QVariant TapeModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const TapeStep* step = entry(index.row());
    return step ? QVariant(shownText(tapeLine(*step))) : QVariant();
}

void TapeModel::beginInsert(std::size_t row, std::size_t count) {
    beginInsertRows({}, int(row), int(row + count) - 1);
}

void TapeModel::beginRemove(std::size_t row, std::size_t count) {
    beginRemoveRows({}, int(row), int(row + count) - 1);
}

} // namespace orv
