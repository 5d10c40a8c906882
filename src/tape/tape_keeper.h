// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "serial_worker.h"
#include "tape.h"
#include "tape_file.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace orv {

// Told before and after every change to the tape's lines, so that a view over them stays true.
class TapeLinesListener {
  public:
    virtual ~TapeLinesListener() = default;
    virtual void beginInsert(std::size_t row, std::size_t count) = 0;
    virtual void endInsert() = 0;
    virtual void beginRemove(std::size_t row, std::size_t count) = 0;
    virtual void endRemove() = 0;
    virtual void beginReset() = 0;
    virtual void endReset() = 0;
};

// The tape's lines and the file that keeps them between runs. The lines live here, each once,
// with their results; the file is worked on by a thread of its own, in order, so that a slow, full
// or strange file never holds up the calculator. The file's last lines are read when the first
// line is written or the tape is first asked for, and join the lines at the front. A file that
// cannot be used is given up for the session: the tape goes on in memory and the trouble is
// reported once.
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

    void writeTapeEntry(const TapeEntry& entry) override;

    // The tape, oldest line first, at most maxLines.
    const std::deque<TapeEntry>& lines();
    // Waits for the file work given so far and takes in the lines the file gave.
    void settle();

    // Off: the file goes and the tape lives in memory. On: the lines so far become the file.
    void setKeep(bool keep);
    bool keep() const { return keep_; }
    // Clearing keeps the lines aside until the program ends, so that it can be taken back: the
    // last clearing's lines return before those written since, in the window and in the file.
    void clear();
    bool canRestoreCleared() const { return !cleared_.empty(); }
    void restoreCleared();

    const std::string& filePath() const { return path_; }
    Trouble trouble() const { return trouble_; }
    const TapeFileError& troubleDetail() const { return troubleDetail_; }

    void setListener(TapeLinesListener* listener) { listener_ = listener; }
    std::function<void(Trouble trouble)> onTrouble;

  private:
    bool usingFile() const { return keep_ && !path_.empty() && trouble_ == Trouble::None; }
    void askForFileLines();
    void takeFileLines();
    void replaceLines(std::deque<TapeEntry> lines);
    void report(Trouble trouble, const TapeFileError& detail);
    // File work, run in order on the worker; a failure gives the file up until the user's next
    // choice about keeping it.
    void postFileJob(Trouble onFailure, std::function<TapeFileError(TapeFile&)> job);
    std::vector<std::string> records() const;

    std::string path_;
    bool keep_;
    std::size_t maxLines_;
    Poster toOwner_;
    std::deque<TapeEntry> lines_;
    std::vector<std::deque<TapeEntry>> cleared_; // each clearing's lines, the latest last
    bool fileLinesAsked_ = false;
    Trouble trouble_ = Trouble::None;
    TapeFileError troubleDetail_;
    TapeLinesListener* listener_ = nullptr;
    // Counts the user's choices about keeping the tape: what the worker reports from before the
    // latest one is about a file given up already.
    unsigned choice_ = 0;
    // Gone with the keeper, so that what the worker sent back afterwards is dropped.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

    // The worker's own: the file, and whether it was given up.
    TapeFile file_;
    bool givenUp_ = false;
    // The file's lines, from the worker to the owner.
    std::mutex fileLinesMutex_;
    std::optional<TapeTail> fileLines_;

    SerialWorker worker_; // last: it ends first, running what was given before the rest goes
};

} // namespace orv
