// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_keeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orv {
namespace {

void makeFolderFor(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
}

QStringList splitLines(const QByteArray& bytes) {
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast(); // the last line's own end
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1); // a file edited elsewhere
    return lines;
}

void keepLast(QStringList& lines, qsizetype count) {
    if (lines.size() > count) lines.remove(0, lines.size() - count);
}

} // namespace

TapeKeeper::TapeKeeper(QString filePath, bool keep) : path_(std::move(filePath)), keep_(keep) {}

void TapeKeeper::writeTapeLine(const std::string& line) {
    write(QString::fromStdString(line));
}

void TapeKeeper::write(QString line) {
    // One step is one line of the file, whatever text an expression brought.
    line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    if (usingFile()) appendToFile(line);
    if (loaded_) {
        lines_.append(line);
        keepLast(lines_, kKeptLines);
        if (onLine) onLine(line);
    } else if (!usingFile()) {
        keepInMemory(std::move(line)); // not in the file, so kept here until shown
    }
}

void TapeKeeper::keepInMemory(QString line) {
    lines_.append(std::move(line));
    keepLast(lines_, kKeptLines);
}

const QStringList& TapeKeeper::lines() {
    if (loaded_) return lines_;
    loaded_ = true;
    if (keep_ && !path_.isEmpty() && trouble_ != Trouble::Read) {
        if (std::optional<QStringList> stored = readFile()) {
            if (usingFile() && stored->size() > kKeptLines + kTrimMargin) {
                keepLast(*stored, kKeptLines);
                replaceFile(*stored);
            }
            stored->append(lines_); // what came after the file was given up
            lines_ = std::move(*stored);
        }
    }
    keepLast(lines_, kKeptLines);
    return lines_;
}

void TapeKeeper::setKeep(bool keep) {
    if (keep == keep_) return;
    lines(); // the tape shown so far stays, whichever way it goes
    keep_ = keep;
    trouble_ = Trouble::None; // the user's choice is a fresh start for the file
    troubleDetail_.clear();
    fileLines_.reset();
    if (path_.isEmpty()) return;
    if (keep) {
        replaceFile(lines_);
    } else if (QFile file(path_); file.exists() && !file.remove()) {
        report(Trouble::Remove, file.errorString());
    }
}

void TapeKeeper::clear() {
    cleared_.push_back(lines());
    lines_.clear();
    loaded_ = true;
    if (keep_ && !path_.isEmpty() && QFileInfo::exists(path_)) replaceFile({});
}

void TapeKeeper::restoreCleared() {
    if (cleared_.empty()) return;
    QStringList restored = std::move(cleared_.back());
    cleared_.pop_back();
    restored.append(lines_);
    keepLast(restored, kKeptLines);
    lines_ = std::move(restored);
    if (usingFile()) replaceFile(lines_);
}

void TapeKeeper::report(Trouble trouble, const QString& detail) {
    if (trouble_ != Trouble::None) return; // said once
    trouble_ = trouble;
    troubleDetail_ = detail;
    if (onTrouble) onTrouble(trouble);
}

void TapeKeeper::appendToFile(const QString& line) {
    QFile file(path_);
    const auto mode = QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered;
    if (!file.open(mode)) {
        makeFolderFor(path_); // a first run, before the settings were saved
        if (!file.open(mode)) return report(Trouble::Write, file.errorString());
    }
    const QByteArray bytes = line.toUtf8() + '\n';
    // Unbuffered: the line is with the system when this returns, so a crash cannot lose it.
    if (file.write(bytes) != bytes.size()) return report(Trouble::Write, file.errorString());
    file.close();
    // The first append of a run counts the file's lines (this one with them); later ones add one.
    if (fileLines_)
        ++*fileLines_;
    else if (!readFile())
        return;
    if (*fileLines_ > kKeptLines + kTrimMargin) cutFileBack();
}

std::optional<QStringList> TapeKeeper::readFile() {
    QFile file(path_);
    if (!file.exists()) {
        fileLines_ = 0;
        return QStringList();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        report(Trouble::Read, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(Trouble::Read, file.errorString());
        return std::nullopt;
    }
    QStringList stored = splitLines(bytes);
    fileLines_ = stored.size();
    return stored;
}

void TapeKeeper::cutFileBack() {
    std::optional<QStringList> stored = readFile();
    if (!stored) return;
    keepLast(*stored, kKeptLines);
    replaceFile(*stored);
}

bool TapeKeeper::replaceFile(const QStringList& lines) {
    makeFolderFor(path_);
    // Written beside the file and renamed over it: whatever happens meanwhile, the file is
    // either the old one or the new one, never a torn one.
    QSaveFile file(path_);
    QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8();
    if (!lines.isEmpty()) bytes += '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        report(Trouble::Write, file.errorString());
        return false;
    }
    fileLines_ = lines.size();
    return true;
}

} // namespace orv
