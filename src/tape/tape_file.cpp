// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_file.h"

#include "file_writer.h"
#include "posix_file.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

using Kind = TapeFileError::Kind;

// Never blocks on a FIFO or a device, never leaks into a started program, never makes a terminal
// the controlling one.
constexpr int kOpenFlags = O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
// Each retry means another copy renamed or removed the file meanwhile; this many in a row is a
// path that keeps changing, not a race that will settle.
constexpr int kOpenAttempts = 100;
// Reading from the end starts small, since a tape's lines are short, and grows.
constexpr std::size_t kFirstChunk = std::size_t{64} << 10;
constexpr std::size_t kLargestChunk = std::size_t{4} << 20;

TapeFileError systemError(int error) { return {Kind::System, error}; }
TapeFileError failure(Kind kind) { return {kind, 0}; }
bool isMissing(const TapeFileError& error) { return error.kind == Kind::System && error.systemError == ENOENT; }

// The tape's file, opened, locked, and still the file its path names.
struct LockedFile {
    Descriptor fd;
    struct stat status {}; // as it is under the lock
};

// Opens the file at `path` and takes its lock. What is not a regular file is refused before a byte
// of it is read or written; the open does not wait, so neither does a FIFO without a writer or a
// reader. When another copy renamed a new file over the path while this one waited for the lock,
// that new file is opened instead, so every copy locks the one file the path names.
TapeFileError openLocked(const std::string& path, int access, int lockOperation, LockedFile& file) {
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        struct stat named {};
        // A device is refused before it is opened at all: opening some has effects of its own.
        if (::stat(path.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) return failure(Kind::NotRegularFile);
        const int fd = retryOnInterrupt([&] { return ::open(path.c_str(), access | kOpenFlags, 0666); });
        if (fd < 0) {
            // A directory opened for writing, a FIFO without a reader, a socket: none a regular file.
            const int error = errno;
            return error == EISDIR || error == ENXIO ? failure(Kind::NotRegularFile) : systemError(error);
        }
        file.fd.reset(fd);
        if (::fstat(fd, &file.status) != 0) return systemError(errno);
        if (!S_ISREG(file.status.st_mode)) return failure(Kind::NotRegularFile);
        if (retryOnInterrupt([&] { return ::flock(fd, lockOperation); }) != 0) return systemError(errno);
        if (::stat(path.c_str(), &named) != 0) {
            if (errno != ENOENT) return systemError(errno);
            continue; // removed meanwhile
        }
        if (named.st_dev == file.status.st_dev && named.st_ino == file.status.st_ino) {
            // The size may have changed while this copy waited for the lock.
            if (::fstat(fd, &file.status) != 0) return systemError(errno);
            return {};
        }
    }
    return systemError(EAGAIN);
}

// Reads exactly `size` bytes at `offset`; returns 0 or the errno.
int readAt(int fd, char* out, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t got = retryOnInterrupt([&] { return ::pread(fd, out, size, static_cast<off_t>(offset)); });
        if (got < 0) return errno;
        if (got == 0) return EIO; // shorter than it was under the lock: cut by what takes no lock
        out += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return 0;
}

// Whether `bytes` are UTF-8 without NUL: no stray continuation byte, no cut character, no overlong
// form, no surrogate, nothing past U+10FFFF.
bool isText(std::string_view bytes) {
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = at + bytes.size();
    while (at < end) {
        // Eight ASCII bytes at a time while there is no high bit and no zero byte among them.
        if (end - at >= 8) {
            std::uint64_t word;
            std::memcpy(&word, at, sizeof word);
            constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
            if (((word | ((word - kOnes) & ~word)) & kHighs) == 0) {
                at += 8;
                continue;
            }
        }
        const unsigned char lead = *at;
        if (lead < 0x80) {
            if (lead == 0) return false;
            ++at;
            continue;
        }
        std::ptrdiff_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead == 0xE0) length = 3, low = 0xA0;
        else if (lead == 0xED) length = 3, high = 0x9F;
        else if (lead >= 0xE1 && lead <= 0xEF) length = 3;
        else if (lead == 0xF0) length = 4, low = 0x90;
        else if (lead == 0xF4) length = 4, high = 0x8F;
        else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
        else return false;
        if (end - at < length || at[1] < low || at[1] > high) return false;
        for (std::ptrdiff_t i = 2; i < length; ++i)
            if ((at[i] & 0xC0) != 0x80) return false;
        at += length;
    }
    return true;
}

// How many newlines `bytes` hold, counted eight bytes at a time: a tail of long lines is megabytes.
std::size_t newlines(std::string_view bytes) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F, kNewlines = 0x0A0A0A0A0A0A0A0A;
    std::size_t count = 0, at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        word ^= kNewlines;
        // The high bit of exactly the bytes that are zero now, which were newlines.
        count += static_cast<std::size_t>(std::popcount(~(((word & kLow7) + kLow7) | word | kLow7)));
    }
    for (; at < bytes.size(); ++at) count += bytes[at] == '\n';
    return count;
}

// The file's last bytes, read backwards from its end in growing chunks: at most `window` bytes, and
// no more than it takes to see `enoughBreaks` line breaks that start a line.
struct Tail {
    std::unique_ptr<char[]> buffer;
    std::size_t window = 0;
    std::size_t length = 0; // bytes read, at the end of the buffer
    std::uint64_t fileSize = 0;
    std::size_t lineBreaks = 0; // newlines followed by another line: all but one that ends the file

    std::string_view bytes() const { return {buffer.get() + window - length, length}; }
};

TapeFileError readTailBytes(int fd, std::uint64_t fileSize, std::size_t window, std::size_t enoughBreaks,
                            Tail& tail) {
    tail.buffer = std::make_unique_for_overwrite<char[]>(window);
    tail.window = window;
    tail.fileSize = fileSize;
    std::size_t chunk = kFirstChunk;
    while (tail.length < window && tail.lineBreaks < enoughBreaks) {
        const std::size_t size = std::min(chunk, window - tail.length);
        char* at = tail.buffer.get() + (window - tail.length - size);
        if (const int error = readAt(fd, at, size, fileSize - tail.length - size)) return systemError(error);
        std::size_t breaks = newlines({at, size});
        if (tail.length == 0 && at[size - 1] == '\n') --breaks;
        tail.lineBreaks += breaks;
        tail.length += size;
        chunk = std::min(chunk * 2, kLargestChunk);
    }
    return {};
}

// The last `maxLines` lines within the last `maxBytes` bytes of a tail, checked to be text. A line
// is kept only when its start is seen, the file's start or a newline among the bytes, so a line
// the bytes begin in the middle of is left out, however it was cut.
struct KeptLines {
    std::string_view bytes;
    std::size_t lines = 0;
    TapeFileError error;
};

KeptLines keptLines(const Tail& tail, std::size_t maxLines, std::size_t maxBytes) {
    KeptLines kept;
    std::string_view bytes = tail.bytes();
    if (bytes.size() > maxBytes) bytes.remove_prefix(bytes.size() - maxBytes);
    if (bytes.empty()) return kept;
    const bool atFileStart = bytes.size() == tail.fileSize;
    // The file's last byte may end a line; it starts none.
    const std::size_t lineBreaks = newlines(bytes.substr(0, bytes.size() - 1));
    const std::size_t lineStarts = lineBreaks + atFileStart;
    if (lineStarts == 0) {
        kept.error = failure(Kind::NoLineBreaks);
        return kept;
    }
    kept.lines = std::min(lineStarts, maxLines);
    // Counted forwards, the line breaks before the first kept line: one more where the first line
    // is only a piece.
    std::size_t skipped = lineStarts - kept.lines + !atFileStart;
    std::size_t from = 0;
    for (; skipped > 0; --skipped) from = bytes.find('\n', from) + 1;
    kept.bytes = bytes.substr(from);
    if (!isText(kept.bytes)) kept.error = failure(Kind::NotText);
    return kept;
}

std::shared_ptr<void> held(Descriptor&& fd) { return std::make_shared<Descriptor>(std::move(fd)); }

TapeFileError makeFolderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) return {};
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return error ? systemError(error.value()) : TapeFileError{};
}

// What may be written as lines: no newline inside, since that would make two, and text, since a
// file with anything else is refused when it is read.
TapeFileError checkLine(std::string_view line) {
    if (line.find('\n') != std::string_view::npos) return systemError(EINVAL);
    return isText(line) ? TapeFileError{} : failure(Kind::NotText);
}

} // namespace

TapeFile::TapeFile(std::string path, std::size_t maxLines, std::size_t maxBytes)
    : path_(std::move(path)), maxLines_(std::max<std::size_t>(maxLines, 1)), maxBytes_(maxBytes) {}

TapeFileError TapeFile::append(std::string_view line) {
    if (auto error = checkLine(line)) return error;
    // With the newline before it and its own, a longer line would be cut away by the next cut.
    if (line.size() + 2 > maxBytes_) return systemError(EFBIG);
    if (auto error = makeFolderOf(path_)) return error;
    LockedFile file;
    if (auto error = openLocked(path_, O_RDWR | O_APPEND | O_CREAT, LOCK_EX, file)) return error;
    const auto sizeBefore = static_cast<std::uint64_t>(file.status.st_size);
    const std::size_t lineLimit = maxLines_ + lineMargin(maxLines_);
    const std::uint64_t byteLimit = std::uint64_t{maxBytes_} + byteMargin(maxBytes_);

    if (!known_.valid || known_.device != file.status.st_dev || known_.inode != file.status.st_ino ||
        known_.size != sizeBefore) {
        known_.valid = false;
        // The whole file when it is within its limits, so its lines are counted exactly, but no more
        // lines than it takes to see it must be cut; only its last maxBytes when it must be cut anyway.
        const std::size_t window = sizeBefore <= byteLimit ? static_cast<std::size_t>(sizeBefore) : maxBytes_;
        Tail tail;
        if (auto error = readTailBytes(file.fd.get(), sizeBefore, window, lineLimit + 1, tail)) return error;
        if (auto error = keptLines(tail, maxLines_, maxBytes_).error) return error;
        known_ = {file.status.st_dev, file.status.st_ino, sizeBefore, tail.lineBreaks + (sizeBefore > 0), true, {}};
    }

    std::string bytes;
    bytes.reserve(line.size() + 2);
    if (sizeBefore > 0) {
        char last = 0;
        if (const int error = readAt(file.fd.get(), &last, 1, sizeBefore - 1)) return systemError(error);
        if (last != '\n') bytes += '\n';
    }
    bytes += line;
    bytes += '\n';
    if (const int error = writeAll(file.fd.get(), bytes)) {
        // Taken back, so that no piece of a line stays for the next line to be glued to.
        retryOnInterrupt([&] { return ::ftruncate(file.fd.get(), static_cast<off_t>(sizeBefore)); });
        known_.valid = false;
        return systemError(error);
    }
    known_.size = sizeBefore + bytes.size();
    ++known_.lines;

    if (known_.lines > lineLimit || known_.size > byteLimit) {
        // Still under the lock. The line is in the file whatever happens here; a cut that fails is
        // tried again by the next append, since the file is still past its limits.
        const auto window = static_cast<std::size_t>(std::min<std::uint64_t>(known_.size, maxBytes_));
        Tail tail;
        if (readTailBytes(file.fd.get(), known_.size, window, maxLines_, tail)) return {};
        const KeptLines kept = keptLines(tail, maxLines_, maxBytes_);
        WrittenFile written;
        if (kept.error || replaceFileAtomically(path_, kept.bytes, &written)) return {};
        known_ = {written.device, written.inode, kept.bytes.size(), kept.lines, true, std::move(written.held)};
        return {};
    }
    ::flock(file.fd.get(), LOCK_UN);
    known_.held = held(std::move(file.fd));
    return {};
}

TapeTail TapeFile::readTail() const {
    TapeTail tape;
    LockedFile file;
    if (auto error = openLocked(path_, O_RDONLY, LOCK_SH, file)) {
        if (!isMissing(error)) tape.error = error;
        return tape;
    }
    const auto size = static_cast<std::uint64_t>(file.status.st_size);
    Tail tail;
    const auto window = static_cast<std::size_t>(std::min<std::uint64_t>(size, maxBytes_));
    if (auto error = readTailBytes(file.fd.get(), size, window, maxLines_, tail)) {
        tape.error = error;
        return tape;
    }
    const KeptLines kept = keptLines(tail, maxLines_, maxBytes_);
    if (kept.error) {
        tape.error = kept.error;
        return tape;
    }
    tape.lines.reserve(kept.lines);
    std::string_view rest = kept.bytes;
    while (!rest.empty()) {
        const std::size_t lineBreak = rest.find('\n');
        std::string_view line = rest.substr(0, lineBreak);
        if (lineBreak != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        tape.lines.emplace_back(line);
        rest.remove_prefix(lineBreak == std::string_view::npos ? rest.size() : lineBreak + 1);
    }
    return tape;
}

TapeFileError TapeFile::replace(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        if (auto error = checkLine(line)) return error;
        bytes += line;
        bytes += '\n';
    }
    if (auto error = makeFolderOf(path_)) return error;
    LockedFile file;
    if (auto error = openLocked(path_, O_RDWR | O_CREAT, LOCK_EX, file)) return error;
    WrittenFile written;
    known_.valid = false;
    if (auto error = replaceFileAtomically(path_, bytes, &written)) return error;
    known_ = {written.device, written.inode, bytes.size(), lines.size(), true, std::move(written.held)};
    return {};
}

TapeFileError TapeFile::remove() {
    // Under the lock, so that a cut another copy is making cannot bring the file back.
    LockedFile file;
    if (auto error = openLocked(path_, O_RDONLY, LOCK_EX, file)) return isMissing(error) ? TapeFileError{} : error;
    known_ = {}; // lets go of the file it held open, so the space is freed
    if (::unlink(path_.c_str()) != 0 && errno != ENOENT) return systemError(errno);
    return {};
}

} // namespace orv
