// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_file.h"

#include "file_size_limit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orv {
namespace {

using Kind = TapeFileError::Kind;

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::size_t lineCount(std::string_view bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
           (!bytes.empty() && bytes.back() != '\n');
}

std::vector<std::string> numbered(int from, int to) {
    std::vector<std::string> lines;
    for (int n = from; n < to; ++n) lines.push_back("line " + std::to_string(n));
    return lines;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) bytes += line + '\n';
    return bytes;
}

// A regression that blocks on a FIFO or a lock ends the test program instead of hanging it.
struct Watchdog {
    explicit Watchdog(unsigned seconds) { ::alarm(seconds); }
    ~Watchdog() { ::alarm(0); }
};

class TapeFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = (std::filesystem::temp_directory_path() / "tape-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(name.data()), nullptr);
        dir_ = name;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string at(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

TEST_F(TapeFileTest, WhatIsNotARegularFileIsRefusedAndLeftAlone) {
    void (*const makers[])(const std::string&) = {
        [](const std::string& p) { ::mkfifo(p.c_str(), 0600); },
        [](const std::string& p) { ::mkfifo((p + "f").c_str(), 0600), ::symlink((p + "f").c_str(), p.c_str()); },
        [](const std::string& p) { ::mkdir(p.c_str(), 0700); },
        [](const std::string& p) { ::symlink("/dev/full", p.c_str()); },
        [](const std::string& p) { ::symlink("/dev/null", p.c_str()); },
    };
    for (std::size_t row = 0; row < std::size(makers); ++row) {
        SCOPED_TRACE(row);
        const std::string path = at(std::to_string(row));
        makers[row](path);
        struct stat before {}, after {};
        ASSERT_EQ(::lstat(path.c_str(), &before), 0);
        const Watchdog watchdog(10);
        TapeFile tape(path);
        EXPECT_EQ(tape.append("1 + 1 = 2").kind, Kind::NotRegularFile);
        EXPECT_EQ(tape.readTail().error.kind, Kind::NotRegularFile);
        EXPECT_EQ(tape.replace({"1 + 1 = 2"}).kind, Kind::NotRegularFile);
        EXPECT_EQ(tape.remove().kind, Kind::NotRegularFile);
        ASSERT_EQ(::lstat(path.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
}

TEST_F(TapeFileTest, LinkToARegularFileIsTheTapeAndStaysALink) {
    ASSERT_EQ(::symlink("kept", at("tape").c_str()), 0);
    TapeFile tape(at("tape"), 5, 4096);
    for (const auto& line : numbered(0, 10)) ASSERT_FALSE(tape.append(line));
    EXPECT_EQ(tape.readTail().lines, numbered(5, 10));
    EXPECT_EQ(fileBytes(at("kept")), joined(numbered(5, 10)));
    ASSERT_FALSE(tape.replace({"a", "b"}));
    EXPECT_TRUE(std::filesystem::is_symlink(at("tape")));
    EXPECT_EQ(fileBytes(at("kept")), "a\nb\n");

    TapeFile missing(at("no/folder/tape"));
    EXPECT_EQ(missing.readTail().error.kind, Kind::None);
    EXPECT_FALSE(missing.remove());
    ASSERT_FALSE(missing.append("1"));
    EXPECT_EQ(fileBytes(at("no/folder/tape")), "1\n");
}

// Neither a line glued to an unfinished one nor a piece of a line cut short by the file-size limit.
TEST_F(TapeFileTest, AppendedLineStandsWholeOnItsOwn) {
    struct Row {
        const char* before;
        int room; // bytes the file-size limit leaves for a line too long for them; -1: no limit
        const char* after;
    };
    const Row rows[] = {
        {"", -1, "b\n"},          {"a\n", -1, "a\nb\n"}, {"a", -1, "a\nb\n"}, {"a\r", -1, "a\r\nb\n"},
        {"a\r\n", -1, "a\r\nb\n"}, {"a\n", 4, "a\nb\n"},  {"a", 4, "a\nb\n"},  {"a\n", 0, "a\nb\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.before) + " room " + std::to_string(row.room));
        writeBytes(at("tape"), row.before);
        TapeFile tape(at("tape"));
        if (row.room >= 0) {
            const FileSizeLimit limit(std::string_view(row.before).size() + static_cast<rlim_t>(row.room));
            ASSERT_TRUE(limit.lowered());
            const TapeFileError error = tape.append(std::string(20, 'x'));
            EXPECT_EQ(error.systemError, EFBIG);
            EXPECT_EQ(fileBytes(at("tape")), row.before);
        }
        ASSERT_FALSE(tape.append("b"));
        EXPECT_EQ(fileBytes(at("tape")), row.after);
    }
}

TEST_F(TapeFileTest, TailIsTheLastWholeLinesWithinTheLimits) {
    struct Row {
        std::string bytes;
        std::size_t maxLines;
        std::size_t maxBytes;
        std::vector<std::string> lines;
        Kind error = Kind::None;
    };
    std::string twoByteCharacters; // 4200 bytes: the last 4096 begin inside a character
    for (int n = 0; n < 2100; ++n) twoByteCharacters += "é";
    const Row rows[] = {
        {joined(numbered(0, 200)), 50, 4096, numbered(150, 200)},
        {"aaaa\nbbbb\ncccc\ndddd\n", 10, 16, {"bbbb", "cccc", "dddd"}},
        {twoByteCharacters + "\nend\n", 50, 4096, {"end"}},
        {"one\r\ntwo\r\nthree", 50, 4096, {"one", "two", "three"}},
        {"a\rb\r\nc\r", 50, 4096, {"a\rb", "c\r"}},
        {"\n\nz\n", 50, 4096, {"", "", "z"}},
        {"abc", 50, 4096, {"abc"}},
        {"π ≈ 3,14 €\n😀\n", 50, 4096, {"π ≈ 3,14 €", "😀"}},
        {std::string(5000, 'x'), 50, 4096, {}, Kind::NoLineBreaks},
        {std::string(4500, 'x') + "\n", 50, 4096, {}, Kind::NoLineBreaks},
        {std::string("a\n\0b\n", 5), 50, 4096, {}, Kind::NotText},
        {"a\n\xff\n", 50, 4096, {}, Kind::NotText},
        {"a\n\xc0\xaf\n", 50, 4096, {}, Kind::NotText},         // overlong
        {"a\n\xed\xa0\x80\n", 50, 4096, {}, Kind::NotText},     // surrogate
        {"a\n\xf4\x90\x80\x80\n", 50, 4096, {}, Kind::NotText}, // past U+10FFFF
        {"ok\n\xe2\x82", 50, 4096, {}, Kind::NotText},           // cut at the end
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.bytes.substr(0, 24)));
        writeBytes(at("tape"), row.bytes);
        TapeFile tape(at("tape"), row.maxLines, row.maxBytes);
        const TapeTail tail = tape.readTail();
        EXPECT_EQ(tail.error.kind, row.error);
        EXPECT_EQ(tail.lines, row.lines);
        if (row.error != Kind::None) {
            EXPECT_EQ(tape.append("next").kind, row.error);
            EXPECT_EQ(fileBytes(at("tape")), row.bytes);
        }
    }
}

// The file runs up to its margins and is then cut to the most lines its limits allow, copied as they
// were; a tape that has not seen the file before counts its lines alike.
TEST_F(TapeFileTest, CutBackKeepsTheLastLinesByteForByte) {
    constexpr std::size_t kMaxLines = 50, kMaxBytes = 4096;
    const std::size_t lineLimit = kMaxLines + TapeFile::lineMargin(kMaxLines);
    const std::string odd = "crlf\r\n\ntab\there\nπ€😀\n";
    for (const std::size_t width : {8, 200}) { // the line limit binds, then the byte limit
        SCOPED_TRACE(width);
        const std::string path = at("tape" + std::to_string(width));
        std::string written = joined(numbered(0, 49)) + odd; // all that was ever in the file
        writeBytes(path, written);
        ::chmod(path.c_str(), 0640);
        TapeFile tape(path, kMaxLines, kMaxBytes);
        std::size_t previousSize = written.size(), mostLines = 0;
        int cuts = 0;
        for (int n = 0; n < 300; ++n) {
            std::string line = "step " + std::to_string(n);
            line.resize(width, '.');
            ASSERT_FALSE(n % 5 ? tape.append(line) : TapeFile(path, kMaxLines, kMaxBytes).append(line));
            written += line + '\n';
            const std::string bytes = fileBytes(path);
            mostLines = std::max(mostLines, lineCount(bytes));
            ASSERT_LE(lineCount(bytes), lineLimit);
            ASSERT_LE(bytes.size(), kMaxBytes + TapeFile::byteMargin(kMaxBytes));
            ASSERT_TRUE(written.ends_with(bytes));
            const std::size_t start = written.size() - bytes.size();
            ASSERT_TRUE(start == 0 || written[start - 1] == '\n');
            if (bytes.size() == std::exchange(previousSize, bytes.size()) + line.size() + 1) continue;
            // Freshly cut: the line before the kept ones would not have fit.
            const std::size_t lineBefore = start >= 2 ? written.rfind('\n', start - 2) + 1 : 0;
            EXPECT_TRUE(lineCount(bytes) == kMaxLines || written.size() - lineBefore >= kMaxBytes);
            EXPECT_LE(lineCount(bytes), kMaxLines);
            EXPECT_LT(bytes.size(), kMaxBytes);
            if (++cuts == 1) {
                EXPECT_NE(bytes.find(odd), std::string::npos);
            }
        }
        EXPECT_GT(cuts, 2);
        if (width == 8) {
            EXPECT_EQ(mostLines, lineLimit);
        }
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0640u);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2); // no copy left beside
}

// Where each copy's lines in `lines` end, or nothing when a line is garbled or a copy's lines skip one.
std::optional<std::vector<int>> copiesEnds(const std::vector<std::string>& lines, int copies) {
    std::vector<int> last(static_cast<std::size_t>(copies), -1);
    for (const std::string& line : lines) {
        int copy = -1, n = -1;
        char rest = 0;
        if (std::sscanf(line.c_str(), "copy %d %d%c", &copy, &n, &rest) != 2 || copy < 0 || copy >= copies ||
            (last[copy] >= 0 && n != last[copy] + 1))
            return std::nullopt;
        last[copy] = n;
    }
    return last;
}

// Two copies append numbered lines at once while the file is cut every few lines; after each line,
// each reads the whole file. They start together and meet again before their last lines, so that
// the last lines of both are within what the file keeps at the end.
TEST_F(TapeFileTest, CopiesAppendingAtOnceLoseNoLine) {
    constexpr std::size_t kMaxLines = 100;
    constexpr int kCopies = 2, kLines = 2000;
    const Watchdog watchdog(120);
    void* shared = ::mmap(nullptr, 64, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* meetings = new (shared) std::atomic<int>[2]{};
    const TapeFile reader(at("tape"), 1000, 1 << 20);
    pid_t children[kCopies];
    for (int copy = 0; copy < kCopies; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] > 0) continue;
        ::alarm(120);
        // A copy that fails lets the other pass the meetings rather than wait for it.
        const auto fail = [&](int status) { meetings[0] += kCopies, meetings[1] += kCopies, ::_exit(status); };
        TapeFile tape(at("tape"), kMaxLines, 4096);
        for (int n = 0; n < kLines; ++n) {
            if (n == 0 || n == kLines - 20)
                for (++meetings[n > 0]; meetings[n > 0] < kCopies;) ::usleep(100);
            if (tape.append("copy " + std::to_string(copy) + " " + std::to_string(n))) fail(1);
            const TapeTail tail = reader.readTail();
            if (tail.lines.size() > kMaxLines + TapeFile::lineMargin(kMaxLines) || !copiesEnds(tail.lines, kCopies))
                fail(2);
        }
        ::_exit(0);
    }
    for (const pid_t child : children) {
        int status = -1;
        ::waitpid(child, &status, 0);
        // 1: an append failed; 2: a line lost or garbled, or the file past its limit
        EXPECT_EQ(status, 0) << "exit " << WEXITSTATUS(status);
    }
    ::munmap(shared, 64);
    EXPECT_EQ(copiesEnds(reader.readTail().lines, kCopies), std::vector<int>(kCopies, kLines - 1));
}

} // namespace
} // namespace orv
