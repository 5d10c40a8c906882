// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "tape.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace orv {

// The tape's lines and the file that keeps them between runs (UTF-8, one line each, oldest
// first). Each line reaches the file as it is written, by an append that never reads the file;
// the file is read only when the lines are first asked for. A file that cannot be used is given
// up for the session: the tape goes on in memory and the trouble is reported once.
class TapeKeeper final : public TapeObserver {
  public:
    static constexpr qsizetype kKeptLines = 10000;
    // The file may run this far past kKeptLines before it is cut back, so that cutting (a rewrite
    // of the whole file) is rare and an append stays an append.
    static constexpr qsizetype kTrimMargin = 1000;

    enum class Trouble { None, Write, Read, Remove };

    // An empty path: nowhere to keep the tape, it lives in memory only.
    TapeKeeper(QString filePath, bool keep);

    void writeTapeLine(const std::string& line) override;
    void write(QString line);

    // The tape, oldest line first, at most kKeptLines. The first call reads the file; from then
    // on every new line is also told to `onLine`.
    const QStringList& lines();
    bool loaded() const { return loaded_; }

    // Off: the file goes and the tape lives in memory. On: the lines so far become the file.
    void setKeep(bool keep);
    bool keep() const { return keep_; }
    // Clearing keeps the lines aside until the program ends, so that it can be taken back: the
    // last clearing's lines return before those written since, in the window and in the file.
    void clear();
    bool canRestoreCleared() const { return !cleared_.empty(); }
    void restoreCleared();

    const QString& filePath() const { return path_; }
    Trouble trouble() const { return trouble_; }
    // The file's own words for the trouble (the system's error text).
    const QString& troubleDetail() const { return troubleDetail_; }

    std::function<void(const QString& line)> onLine;
    std::function<void(Trouble trouble)> onTrouble;

  private:
    bool usingFile() const { return keep_ && !path_.isEmpty() && trouble_ == Trouble::None; }
    void report(Trouble trouble, const QString& detail);
    void appendToFile(const QString& line);
    std::optional<QStringList> readFile();
    void cutFileBack();
    bool replaceFile(const QStringList& lines);
    void keepInMemory(QString line);

    QString path_;
    bool keep_;
    bool loaded_ = false;
    // Before loading: the lines the file does not hold. After: the whole tape.
    QStringList lines_;
    std::vector<QStringList> cleared_; // each clearing's lines, the latest last
    // How many lines the file holds, once counted; counting waits for the first append or load.
    std::optional<qsizetype> fileLines_;
    Trouble trouble_ = Trouble::None;
    QString troubleDetail_;
};

} // namespace orv
