// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_keeper.h"

#include "tape_record.h"

namespace orv {

TapeKeeper::TapeKeeper(std::string filePath, bool keep, Poster toOwner, std::size_t maxLines, std::size_t maxBytes)
    : path_(std::move(filePath)), keep_(keep), maxLines_(maxLines), toOwner_(std::move(toOwner)),
      file_(path_, maxLines, maxBytes) {}

TapeKeeper::~TapeKeeper() {
    worker_.drain();
}

void TapeKeeper::writeTapeEntry(const TapeEntry& entry) {
    TapeEntry line{tapeLineText(entry.text), entry.result};
    if (usingFile()) {
        askForFileLines(); // read before this line is appended, so that it is not read twice
        postFileJob(Trouble::Write, [record = tapeRecord(line)](TapeFile& file) { return file.append(record); });
    }
    if (lines_.size() >= maxLines_) {
        if (listener_) listener_->beginRemove(0, 1);
        lines_.pop_front();
        if (listener_) listener_->endRemove();
    }
    if (listener_) listener_->beginInsert(lines_.size(), 1);
    lines_.push_back(std::move(line));
    if (listener_) listener_->endInsert();
}

const std::deque<TapeEntry>& TapeKeeper::lines() {
    askForFileLines();
    return lines_;
}

void TapeKeeper::askForFileLines() {
    if (fileLinesAsked_ || !usingFile()) return;
    fileLinesAsked_ = true;
    worker_.post([this] {
        if (givenUp_) return;
        TapeTail tail = file_.readTail();
        givenUp_ = bool(tail.error);
        {
            const std::lock_guard lock(fileLinesMutex_);
            fileLines_ = std::move(tail);
        }
        if (toOwner_) toOwner_([this, alive = std::weak_ptr<bool>(alive_)] {
            if (alive.lock()) takeFileLines();
        });
    });
}

void TapeKeeper::settle() {
    worker_.drain();
    takeFileLines();
}

void TapeKeeper::takeFileLines() {
    std::optional<TapeTail> tail;
    {
        const std::lock_guard lock(fileLinesMutex_);
        tail.swap(fileLines_);
    }
    if (!tail) return;
    if (tail->error) return report(Trouble::Read, tail->error);
    // The lines written meanwhile are the newest; the file's oldest give way to them.
    const std::size_t room = maxLines_ - std::min(maxLines_, lines_.size());
    const std::size_t count = std::min(room, tail->lines.size());
    if (count == 0) return;
    std::deque<TapeEntry> stored;
    for (std::size_t i = tail->lines.size() - count; i < tail->lines.size(); ++i)
        stored.push_back(parseTapeRecord(tail->lines[i]));
    if (listener_) listener_->beginInsert(0, count);
    lines_.insert(lines_.begin(), std::make_move_iterator(stored.begin()), std::make_move_iterator(stored.end()));
    if (listener_) listener_->endInsert();
}

void TapeKeeper::setKeep(bool keep) {
    if (keep == keep_) return;
    askForFileLines(); // the tape shown so far stays, whichever way it goes
    settle();
    keep_ = keep;
    ++choice_;
    trouble_ = Trouble::None; // the user's choice is a fresh start for the file
    troubleDetail_ = {};
    fileLinesAsked_ = true; // from now on the lines here are the whole tape
    if (path_.empty()) return;
    worker_.post([this] { givenUp_ = false; });
    if (keep)
        postFileJob(Trouble::Write, [records = records()](TapeFile& file) { return file.replace(records); });
    else
        postFileJob(Trouble::Remove, [](TapeFile& file) { return file.remove(); });
}

void TapeKeeper::clear() {
    askForFileLines();
    settle();
    cleared_.push_back(std::move(lines_));
    replaceLines({});
    if (usingFile()) postFileJob(Trouble::Write, [](TapeFile& file) { return file.replace({}); });
}

void TapeKeeper::restoreCleared() {
    if (cleared_.empty()) return;
    std::deque<TapeEntry> restored = std::move(cleared_.back());
    cleared_.pop_back();
    restored.insert(restored.end(), std::make_move_iterator(lines_.begin()), std::make_move_iterator(lines_.end()));
    while (restored.size() > maxLines_) restored.pop_front();
    replaceLines(std::move(restored));
    if (usingFile())
        postFileJob(Trouble::Write, [records = records()](TapeFile& file) { return file.replace(records); });
}

void TapeKeeper::replaceLines(std::deque<TapeEntry> lines) {
    if (listener_) listener_->beginReset();
    lines_ = std::move(lines);
    if (listener_) listener_->endReset();
}

std::vector<std::string> TapeKeeper::records() const {
    std::vector<std::string> records;
    records.reserve(lines_.size());
    for (const TapeEntry& line : lines_) records.push_back(tapeRecord(line));
    return records;
}

void TapeKeeper::postFileJob(Trouble onFailure, std::function<TapeFileError(TapeFile&)> job) {
    worker_.post([this, onFailure, job = std::move(job), choice = choice_] {
        if (givenUp_) return;
        const TapeFileError error = job(file_);
        if (!error) return;
        givenUp_ = true;
        if (toOwner_) toOwner_([this, onFailure, error, choice, alive = std::weak_ptr<bool>(alive_)] {
            if (alive.lock() && choice == choice_) report(onFailure, error);
        });
    });
}

void TapeKeeper::report(Trouble trouble, const TapeFileError& detail) {
    if (trouble_ != Trouble::None) return; // said once
    trouble_ = trouble;
    troubleDetail_ = detail;
    if (onTrouble) onTrouble(trouble);
}

} // namespace orv
