// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape_store.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orv {

// What becomes of the tape's lines: how many are kept, when the file takes part, and what is said
// when it fails. The lines and the file themselves are the store's. The file's last lines are read
// when the first line is written or the tape is first shown, and join the lines at the front. A
// file that cannot be used is given up for the session: the tape goes on in memory and the
// trouble is reported once.
class TapeKeeper final : public TapeObserver {
  public:
    static constexpr std::size_t kKeptLines = TapeFile::kMaxLines;

    enum class Trouble { None, Write, Read, Remove };

    // Runs a function later on the owner's thread (the window's event loop).
    using Poster = std::function<void(std::function<void()>)>;

    // An empty path: nowhere to keep the tape, it lives in memory only.
    TapeKeeper(std::string filePath, bool keep, Poster toOwner, std::size_t maxLines = kKeptLines,
               std::size_t maxBytes = TapeFile::kMaxBytes);
    // Waits for the file work already given.
    ~TapeKeeper() override;

    void writeTapeStep(const TapeStep& step) override;

    // The tape's steps, oldest first, at most maxLines: what is here now, the file untouched.
    const std::deque<TapeStep>& lines() const { return store_.lines(); }
    // Starts reading the file's lines, once; they join the front when the worker has them.
    void readFile();
    // The one wait on the file: reads it if not yet asked for, waits for the file work given so
    // far, and takes in the lines the file gave.
    void settleWithFile();

    // Off: the file goes and the tape lives in memory. On: the lines so far become the file.
    void setKeep(bool keep);
    bool keep() const { return keep_; }
    // Clearing keeps the lines aside until the program ends, so that it can be taken back: the
    // last clearing's lines return before those written since, in the window and in the file.
    void clear();
    bool canRestoreCleared() const { return !cleared_.empty(); }
    void restoreCleared();

    const std::string& filePath() const { return store_.filePath(); }
    Trouble trouble() const { return trouble_; }
    const TapeFileError& troubleDetail() const { return troubleDetail_; }

    void setListener(TapeLinesListener* listener) { store_.setListener(listener); }
    std::function<void(Trouble trouble)> onTrouble;

  private:
    bool usingFile() const { return keep_ && !filePath().empty() && trouble_ == Trouble::None; }
    void takeFileLines(TapeTail tail);
    void report(Trouble trouble, const TapeFileError& detail);
    // Runs on the worker after what was given before; a failure gives the file up until the user's
    // next choice about keeping it.
    void fileJob(Trouble onFailure, TapeStore::FileJob job);
    std::vector<std::string> records() const;

    bool keep_;
    std::size_t maxLines_;
    std::vector<std::deque<TapeStep>> cleared_; // each clearing's lines, the latest last
    bool fileLinesAsked_ = false;
    Trouble trouble_ = Trouble::None;
    TapeFileError troubleDetail_;
    // Counts the user's choices about keeping the tape: what the worker reports from before the
    // latest one is about a file given up already.
    unsigned choice_ = 0;
    TapeStore store_; // last: its worker ends first, running what was given before the rest goes
};

} // namespace orv
