// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "undo_history.h"

#include <utility>

namespace orv {
namespace {

// Moves the newest entry of `from` to `to`, leaving `now` in its place there.
std::optional<UndoHistory::Entry> move(std::deque<UndoHistory::Entry>& from, std::deque<UndoHistory::Entry>& to,
                                       const CalculatorSnapshot& now) {
    if (from.empty()) return std::nullopt;
    UndoHistory::Entry entry = std::move(from.back());
    from.pop_back();
    to.push_back({now, entry.step, entry.detail});
    return entry;
}

} // namespace

void UndoHistory::record(Entry entry) {
    undo_.push_back(std::move(entry));
    if (undo_.size() > kDepth) undo_.pop_front();
    redo_.clear();
}

std::optional<UndoHistory::Entry> UndoHistory::takeUndo(const CalculatorSnapshot& now) {
    return move(undo_, redo_, now);
}

std::optional<UndoHistory::Entry> UndoHistory::takeRedo(const CalculatorSnapshot& now) {
    return move(redo_, undo_, now);
}

} // namespace orv
