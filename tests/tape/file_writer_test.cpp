// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The one writer of whole files: the bytes land exactly, permissions and links survive, and a
// failure leaves the path as it was and says why.
#include "file_writer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

unsigned permissions(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

enum class Before { Nothing, File0640, LinkToFile, Folder, NoParentFolder };

struct WriterRow {
    const char* name;
    Before before;
    int error;         // errno expected, 0: written
    unsigned mode;     // of the file in place afterwards
};

class FileWriterTest : public ::testing::TestWithParam<WriterRow> {
  protected:
    fs::path dir = fs::temp_directory_path() / ("orv-writer-" + std::to_string(::getpid()) + "-" + GetParam().name);
    mode_t umaskBefore = 0;
    void SetUp() override {
        fs::create_directories(dir);
        umaskBefore = ::umask(022);
    }
    void TearDown() override {
        ::umask(umaskBefore);
        fs::remove_all(dir);
    }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_P(FileWriterTest, ReplacesWholeOrNotAtAll) {
    const WriterRow& row = GetParam();
    fs::path path = dir / "tape.txt";
    const fs::path real = dir / "real.txt";
    switch (row.before) {
    case Before::Nothing: break;
    case Before::File0640:
        std::ofstream(path) << "old\n";
        ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
        break;
    case Before::LinkToFile:
        std::ofstream(real) << "old\n";
        ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
        fs::create_symlink("real.txt", path);
        break;
    case Before::Folder: fs::create_directory(path); break;
    case Before::NoParentFolder: path = dir / "missing" / "tape.txt"; break;
    }
    const std::vector<std::string> entriesBefore = entries();
    const std::string bytes = "2 + 3 = 5\t5\n\xE2\x88\x9A" "9 = 3\n";

    const TapeFileError error = replaceFileAtomically(path.string(), bytes);

    if (row.error != 0) {
        EXPECT_EQ(error.kind, TapeFileError::Kind::System);
        EXPECT_EQ(error.systemError, row.error) << std::strerror(error.systemError);
        EXPECT_EQ(entries(), entriesBefore) << "nothing left beside it";
        return;
    }
    ASSERT_FALSE(error) << std::strerror(error.systemError);
    EXPECT_EQ(fileBytes(path), bytes);
    EXPECT_EQ(entries(), entriesBefore.empty() ? std::vector<std::string>{"tape.txt"} : entriesBefore)
        << "no piece left beside it";
    if (row.before == Before::LinkToFile) {
        EXPECT_TRUE(fs::is_symlink(path)) << "the link stays a link";
        EXPECT_EQ(fileBytes(real), bytes);
        EXPECT_EQ(permissions(real), row.mode);
    } else {
        EXPECT_EQ(permissions(path), row.mode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FileWriterTest,
    ::testing::Values(WriterRow{"newFileTakesTheUmask", Before::Nothing, 0, 0644},
                      WriterRow{"oldPermissionsKept", Before::File0640, 0, 0640},
                      WriterRow{"linkFollowed", Before::LinkToFile, 0, 0600},
                      WriterRow{"folderRefused", Before::Folder, EISDIR, 0},
                      WriterRow{"noFolder", Before::NoParentFolder, ENOENT, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FileWriter, KeepsTheWrittenFileOpenForWhoAsks) {
    const fs::path path = fs::temp_directory_path() / ("orv-writer-held-" + std::to_string(::getpid()));
    WrittenFile written;
    ASSERT_FALSE(replaceFileAtomically(path.string(), "x\n", &written));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(written.inode, status.st_ino);
    EXPECT_EQ(written.device, status.st_dev);
    EXPECT_NE(written.held, nullptr);
    fs::remove(path);
}

} // namespace
} // namespace orv
