// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_keeper.h"

#include "tape_record.h"

namespace orv {

TapeKeeper::TapeKeeper(std::string filePath, bool keep, Poster toOwner, std::size_t maxLines, std::size_t maxBytes)
    : keep_(keep), maxLines_(maxLines), store_(std::move(filePath), std::move(toOwner), maxLines, maxBytes) {}

TapeKeeper::~TapeKeeper() = default;

void TapeKeeper::writeTapeStep(const TapeStep& step) {
    if (usingFile()) {
        readFile(); // read before this line is appended, so that it is not read twice
        fileJob(Trouble::Write, [record = tapeRecord(step)](TapeFile& file) { return file.append(record); });
    }
    if (lines().size() >= maxLines_) store_.dropOldest();
    store_.append(step);
}

void TapeKeeper::readFile() {
    if (fileLinesAsked_ || !usingFile()) return;
    fileLinesAsked_ = true;
    store_.readFile([this](TapeTail tail) { takeFileLines(std::move(tail)); });
}

void TapeKeeper::settleWithFile() {
    readFile();
    store_.settle();
}

void TapeKeeper::takeFileLines(TapeTail tail) {
    if (tail.error) return report(Trouble::Read, tail.error);
    // The lines written meanwhile are the newest; the file's oldest give way to them.
    const std::size_t room = maxLines_ - std::min(maxLines_, lines().size());
    const std::size_t count = std::min(room, tail.lines.size());
    std::deque<TapeStep> stored;
    for (std::size_t i = tail.lines.size() - count; i < tail.lines.size(); ++i)
        stored.push_back(parseTapeRecord(tail.lines[i]));
    store_.prepend(std::move(stored));
}

void TapeKeeper::setKeep(bool keep) {
    if (keep == keep_) return;
    settleWithFile(); // the tape shown so far stays, whichever way it goes
    keep_ = keep;
    ++choice_;
    trouble_ = Trouble::None; // the user's choice is a fresh start for the file
    troubleDetail_ = {};
    fileLinesAsked_ = true; // from now on the lines here are the whole tape
    if (filePath().empty()) return;
    store_.resumeFile();
    if (keep)
        fileJob(Trouble::Write, [records = records()](TapeFile& file) { return file.replace(records); });
    else
        fileJob(Trouble::Remove, [](TapeFile& file) { return file.remove(); });
}

void TapeKeeper::clear() {
    settleWithFile();
    cleared_.push_back(store_.replaceLines({}));
    if (usingFile()) fileJob(Trouble::Write, [](TapeFile& file) { return file.replace({}); });
}

void TapeKeeper::restoreCleared() {
    if (cleared_.empty()) return;
    std::deque<TapeStep> restored = std::move(cleared_.back());
    cleared_.pop_back();
    restored.insert(restored.end(), lines().begin(), lines().end());
    while (restored.size() > maxLines_) restored.pop_front();
    store_.replaceLines(std::move(restored));
    if (usingFile())
        fileJob(Trouble::Write, [records = records()](TapeFile& file) { return file.replace(records); });
}

std::vector<std::string> TapeKeeper::records() const {
    std::vector<std::string> records;
    records.reserve(lines().size());
    for (const TapeStep& step : lines()) records.push_back(tapeRecord(step));
    return records;
}

void TapeKeeper::fileJob(Trouble onFailure, TapeStore::FileJob job) {
    store_.fileJob(std::move(job), [this, onFailure, choice = choice_](const TapeFileError& error) {
        if (choice == choice_) report(onFailure, error);
    });
}

void TapeKeeper::report(Trouble trouble, const TapeFileError& detail) {
    if (trouble_ != Trouble::None) return; // said once
    trouble_ = trouble;
    troubleDetail_ = detail;
    if (onTrouble) onTrouble(trouble);
}

} // namespace orv
