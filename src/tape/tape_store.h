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

// Where the tape's lines are kept: in memory, each once with its result, and in the file, which a
// thread of its own works on in order so that a slow, full or strange file never holds up the
// calculator. It decides nothing: what goes where, and what a failure means, is the keeper's.
class TapeStore {
  public:
    // Runs a function later on the owner's thread (the window's event loop).
    using Poster = std::function<void(std::function<void()>)>;
    using FileJob = std::function<TapeFileError(TapeFile&)>;

    TapeStore(std::string filePath, Poster toOwner, std::size_t maxLines, std::size_t maxBytes);
    // Waits for the file work already given.
    ~TapeStore();
    TapeStore(const TapeStore&) = delete;
    TapeStore& operator=(const TapeStore&) = delete;

    // Oldest first.
    const std::deque<TapeStep>& lines() const { return lines_; }
    const std::string& filePath() const { return path_; }
    void setListener(TapeLinesListener* listener) { listener_ = listener; }

    void append(TapeStep step);
    void dropOldest();
    void prepend(std::deque<TapeStep> lines);
    // The lines become these; the old ones are handed back.
    std::deque<TapeStep> replaceLines(std::deque<TapeStep> lines);

    // File work, run in order on the worker. A job that fails gives the file up: later jobs are
    // skipped until resumeFile, and `failed` hears why on the owner's thread.
    void fileJob(FileJob job, std::function<void(const TapeFileError&)> failed);
    // Reads the file's last lines on the worker; `arrived` gets them on the owner's thread, or at
    // settle, whichever comes first, and only once.
    void readFile(std::function<void(TapeTail)> arrived);
    void resumeFile();
    // Waits for the file work given so far and hands over the lines the file gave.
    void settle();

  private:
    void takeFileLines();
    void toOwner(std::function<void()> job);

    std::string path_;
    Poster toOwner_;
    std::deque<TapeStep> lines_;
    TapeLinesListener* listener_ = nullptr;
    std::function<void(TapeTail)> fileLinesArrived_;
    // Gone with the store, so that what the worker sent back afterwards is dropped.
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
