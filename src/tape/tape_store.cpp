// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_store.h"

namespace orv {

TapeStore::TapeStore(std::string filePath, Poster toOwner, std::size_t maxLines, std::size_t maxBytes)
    : path_(std::move(filePath)), toOwner_(std::move(toOwner)), file_(path_, maxLines, maxBytes) {}

TapeStore::~TapeStore() {
    worker_.drain();
}

void TapeStore::append(TapeStep step) {
    if (listener_) listener_->beginInsert(lines_.size(), 1);
    lines_.push_back(std::move(step));
    if (listener_) listener_->endInsert();
}

void TapeStore::dropOldest() {
    if (lines_.empty()) return;
    if (listener_) listener_->beginRemove(0, 1);
    lines_.pop_front();
    if (listener_) listener_->endRemove();
}

void TapeStore::prepend(std::deque<TapeStep> lines) {
    if (lines.empty()) return;
    if (listener_) listener_->beginInsert(0, lines.size());
    lines_.insert(lines_.begin(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
    if (listener_) listener_->endInsert();
}

std::deque<TapeStep> TapeStore::replaceLines(std::deque<TapeStep> lines) {
    if (listener_) listener_->beginReset();
    std::swap(lines_, lines);
    if (listener_) listener_->endReset();
    return lines;
}

void TapeStore::toOwner(std::function<void()> job) {
    if (toOwner_) toOwner_([job = std::move(job), alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock()) job();
    });
}

void TapeStore::fileJob(FileJob job, std::function<void(const TapeFileError&)> failed) {
    worker_.post([this, job = std::move(job), failed = std::move(failed)] {
        if (givenUp_) return;
        const TapeFileError error = job(file_);
        if (!error) return;
        givenUp_ = true;
        toOwner([failed, error] { failed(error); });
    });
}

void TapeStore::readFile(std::function<void(TapeTail)> arrived) {
    fileLinesArrived_ = std::move(arrived);
    worker_.post([this] {
        if (givenUp_) return;
        TapeTail tail = file_.readTail();
        givenUp_ = bool(tail.error);
        {
            const std::lock_guard lock(fileLinesMutex_);
            fileLines_ = std::move(tail);
        }
        toOwner([this] { takeFileLines(); });
    });
}

void TapeStore::resumeFile() {
    worker_.post([this] { givenUp_ = false; });
}

void TapeStore::settle() {
    worker_.drain();
    takeFileLines();
}

void TapeStore::takeFileLines() {
    std::optional<TapeTail> tail;
    {
        const std::lock_guard lock(fileLinesMutex_);
        tail.swap(fileLines_);
    }
    if (tail && fileLinesArrived_) fileLinesArrived_(std::move(*tail));
}

} // namespace orv
