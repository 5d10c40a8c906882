// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The keeper between the calculator and the file: the file's lines join those written meanwhile
// without doubling, the cap holds, and a file that cannot be the tape is given up once.
#include "tape_keeper.h"
#include "tape_line.h"
#include "tape_record.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orv {
namespace {

struct KeeperRow {
    const char* name;
    std::vector<std::string> seeded; // the file's lines before the run; none: no file
    bool fifo = false;
    std::size_t maxLines = 100;
    std::vector<std::string> written; // during the run, before the file's lines are taken in
    std::vector<std::string> shown;
    std::vector<std::string> filed;   // the file after the run, its records
    TapeKeeper::Trouble trouble = TapeKeeper::Trouble::None;
};

class TapeKeeperTest : public ::testing::TestWithParam<KeeperRow> {
  protected:
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("orv-keeper-" + std::to_string(::getpid()) + "-" + GetParam().name);
    std::vector<std::function<void()>> posted; // the owner's event loop
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::vector<std::string> fileRecords() const {
        std::ifstream file(dir / "tape.txt");
        std::vector<std::string> records;
        for (std::string line; std::getline(file, line);) records.push_back(line);
        return records;
    }
};

TEST_P(TapeKeeperTest, TheFileAndTheSessionMakeOneTape) {
    const KeeperRow& row = GetParam();
    const std::string path = (dir / "tape.txt").string();
    if (row.fifo) ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    if (!row.seeded.empty()) {
        std::ofstream file(path);
        for (const std::string& record : row.seeded) file << record << '\n';
    }
    std::vector<std::string> shown;
    int troubles = 0;
    {
        TapeKeeper keeper(path, true, [this](std::function<void()> job) { posted.push_back(std::move(job)); },
                          row.maxLines);
        keeper.onTrouble = [&](TapeKeeper::Trouble) { ++troubles; };
        for (const std::string& text : row.written) keeper.writeTapeStep(writtenTapeLine(text, 1));
        keeper.settleWithFile();
        for (auto& job : posted) job();
        EXPECT_EQ(keeper.trouble(), row.trouble);
        for (const TapeStep& step : keeper.lines()) shown.push_back(tapeLine(step));
    }
    EXPECT_EQ(shown, row.shown);
    EXPECT_EQ(troubles, row.trouble == TapeKeeper::Trouble::None ? 0 : 1) << "said once";
    if (!row.fifo) EXPECT_EQ(fileRecords(), row.filed);
}

TEST(TapeKeeper, ReadingTheLinesLeavesTheFileAlone) {
    const auto dir = std::filesystem::temp_directory_path() / ("orv-keeper-pure-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "tape.txt").string();
    std::ofstream(path) << "a = 1\t1\n";
    std::vector<std::function<void()>> posted;
    {
        TapeKeeper keeper(path, true, [&](std::function<void()> job) { posted.push_back(std::move(job)); });
        EXPECT_TRUE(keeper.lines().empty());
        std::filesystem::remove(path);
        std::ofstream(path) << "b = 2\t2\n";
        EXPECT_TRUE(keeper.lines().empty()) << "a look at the lines reads nothing";
        keeper.settleWithFile();
        for (auto& job : posted) job();
        ASSERT_EQ(keeper.lines().size(), 1u);
        EXPECT_EQ(keeper.lines().front(), writtenTapeLine("b = 2", 2)) << "read when settled, not before";
    }
    std::filesystem::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TapeKeeperTest,
    ::testing::Values(
        KeeperRow{"joined", {"a = 1\t1", "b"}, false, 100, {"c", "d"}, {"a = 1", "b", "c", "d"},
                  {"a = 1\t1", "b", "c\t1", "d\t1"}},
        KeeperRow{"capped", {"a", "b", "c", "d"}, false, 5, {"e", "f", "g"}, {"c", "d", "e", "f", "g"},
                  {"c", "d", "e\t1", "f\t1", "g\t1"}},
        KeeperRow{"noFile", {}, false, 100, {"x"}, {"x"}, {"x\t1"}},
        KeeperRow{"fifo", {}, true, 100, {"x", "y"}, {"x", "y"}, {}, TapeKeeper::Trouble::Read}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orv
