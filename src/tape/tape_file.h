// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Why the file cannot serve as the tape.
struct TapeFileError {
    enum class Kind {
        None,
        System,         // the system refused: `systemError` holds errno
        NotRegularFile, // a FIFO, a device, a directory, or a link to one
        NoLineBreaks,   // its last kept bytes hold no whole line
        NotText,        // NUL bytes or what is not UTF-8
    };
    Kind kind = Kind::None;
    int systemError = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

// The last lines of the file, oldest first, byte for byte without their newlines.
struct TapeTail {
    std::vector<std::string> lines;
    TapeFileError error;
};

// The tape's file: one line per step, appended by every running copy of the program. Only a
// regular file (or a link to one) is used; it is opened without blocking and checked first, so a
// FIFO or a device is refused, never waited on. Appends and cutting back take one lock on the
// file (flock), so lines of other copies are neither lost nor interleaved, and the file keeps to
// its limits. Nothing here decodes text: lines are bytes.
class TapeFile {
  public:
    static constexpr std::size_t kMaxLines = 10000;
    static constexpr std::size_t kMaxBytes = std::size_t{16} << 20;

    // The file may run this far past its limits before it is cut back, so that cutting (a copy
    // of the kept tail) is rare and an append stays an append.
    static constexpr std::size_t lineMargin(std::size_t maxLines) { return maxLines / 10; }
    static constexpr std::size_t byteMargin(std::size_t maxBytes) { return maxBytes / 8; }

    // At least one line is kept, whatever `maxLines` says.
    explicit TapeFile(std::string path, std::size_t maxLines = kMaxLines, std::size_t maxBytes = kMaxBytes);

    // Appends `line` (no newline in it) with its newline in one write, after a newline of its own
    // when the file does not end with one. A write that fails part way is taken back, so the file
    // never holds a piece of a line. The folder is made when missing. When the file has run past
    // its limits by their margins, it is cut back to its last lines within the limits: the kept
    // bytes copied as they are into a file beside it, synced and renamed over it. Refused, with
    // the file untouched: a line with a newline in it (EINVAL), one too long to be kept (EFBIG),
    // one that is not text, and a file whose last lines are not text or hold no line break.
    TapeFileError append(std::string_view line);

    // The last maxLines lines within the last maxBytes bytes, read from the end; a missing file is
    // an empty tape.
    TapeTail readTail() const;

    // The file becomes these lines (written beside it, synced and renamed over it; for a link,
    // beside the file it names, so the link stays). Lines are checked as append checks them.
    TapeFileError replace(const std::vector<std::string>& lines);

    // The file goes (a link: the link); a missing file is no error, and what is not a regular file
    // is refused and stays.
    TapeFileError remove();

    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::size_t maxLines_;
    std::size_t maxBytes_;
    // What this copy last knew of the file, so an append need not count its lines again unless
    // another copy changed it meanwhile.
    struct Known {
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::uint64_t size = 0;
        std::size_t lines = 0;
        bool valid = false;
        // That file, kept open (unlocked): while it is open its inode number is given to no other
        // file, so a file cut and renamed over it by another copy never passes for it.
        std::shared_ptr<void> held;
    };
    Known known_;
};

} // namespace orv
