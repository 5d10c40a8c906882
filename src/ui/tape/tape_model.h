// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape_keeper.h"

#include <QAbstractListModel>

namespace orv {

// The tape's lines as rows for a view that lays out only what is on screen. A row shows at most
// kShownCharacters of its line, its start and its end (the result) around a "…": only that much
// is ever decoded, so a line of megabytes costs no more than a short one. Copy and Save take the
// whole line from the keeper.
class TapeModel final : public QAbstractListModel, private TapeLinesListener {
  public:
    static constexpr std::size_t kShownCharacters = 2000;
    static constexpr std::size_t kShownEnd = 100;

    explicit TapeModel(TapeKeeper& keeper, QObject* parent = nullptr);
    ~TapeModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const TapeStep* entry(int row) const;
    // The line as it is shown: whole, or its start and end around "…".
    static QString shownText(const std::string& text);

  private:
    void beginInsert(std::size_t row, std::size_t count) override;
    void endInsert() override { endInsertRows(); }
    void beginRemove(std::size_t row, std::size_t count) override;
    void endRemove() override { endRemoveRows(); }
    void beginReset() override { beginResetModel(); }
    void endReset() override { endResetModel(); }

    TapeKeeper& keeper_;
};

} // namespace orv
