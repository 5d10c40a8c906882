// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "appearance.h"
#include "file_size_limit.h"
#include "colour.h"
#include "settings_store.h"
#include "settings_values.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <variant>

#include <sys/resource.h>

namespace orv {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    QString path() const { return dir.filePath(QStringLiteral("Orvantis.conf")); }
    std::unique_ptr<SettingsStore> open() const { return openSettingsFile(path()); }
    QByteArray fileText() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

struct DefaultRow {
    const char* name;
    std::variant<int, const char*> value;
};

// Every value start-up reads, with its default; RZM and RReference are not read at start-up.
const DefaultRow kDefaults[] = {
    {"RThouSepOn", 1},
    {"RIndColor", 0xFFFFFF},
    {"RIndFontColor", 0x800000},
    {"RMinToTray", 1},
    {"RStayOnTop", 1},
    {"RLang", 0},
    {"RIndFontSize", 10},
    {"RIndFontStyle", 2},
    {"RIndFontName", "MS Sans Serif"},
    {"RZ", ""},
    {"RDecSepState", 0},
    {"RMinState", 1},
    {"RZM1", ""},
    {"RZM2", ""},
    {"RZM3", ""},
    {"RZM4", ""},
    {"RZM5", ""},
    {"RZM6", ""},
    {"RZM7", ""},
    {"RZM8", ""},
    {"RZM9", ""},
    {"RZM10", ""},
    {"RMemState", 0},
    {"RCalcMode", 0},
    {"RConvertItem", 0},
};

TEST_F(SettingsStoreTest, FirstRunWritesEveryDefaultWithItsType) {
    {
        auto store = open();
        readSettings(*store);
        readWorkingState(*store);
    }
    auto store = open(); // what reached the file, not what the first object cached
    for (const DefaultRow& row : kDefaults) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(store->hasValue(row.name));
        if (std::holds_alternative<int>(row.value)) {
            EXPECT_EQ(store->readInt(row.name), std::get<int>(row.value));
            EXPECT_FALSE(store->readString(row.name));
        } else {
            EXPECT_EQ(store->readString(row.name), QString::fromUtf8(std::get<const char*>(row.value)));
            EXPECT_FALSE(store->readInt(row.name));
        }
    }
    EXPECT_FALSE(store->hasValue("RZM"));
    EXPECT_FALSE(store->hasValue("RReference"));
}

TEST_F(SettingsStoreTest, ExistingValuesAreReadAndNotOverwritten) {
    auto store = open();
    store->writeInt("RLang", 1);
    store->writeInt("RThouSepOn", 0);
    store->writeString("RIndFontName", "DejaVu Serif");
    const Settings s = readSettings(*store);
    EXPECT_EQ(s.Language, 1);
    EXPECT_FALSE(s.GroupThousands);
    EXPECT_EQ(s.DigitFontName, "DejaVu Serif");
    EXPECT_EQ(store->readInt("RLang"), 1);
}

struct WrongTypeRow {
    const char* name;
    bool storeAsText; // else stored as an integer
    const char* text;
    int number;
};

TEST_F(SettingsStoreTest, AValueOfTheWrongTypeReadsAsMissingAndTakesTheDefault) {
    const WrongTypeRow rows[] = {
        {"RLang", true, "1", 0},       {"RThouSepOn", true, "0", 0},
        {"RIndColor", true, "red", 0}, {"RIndFontName", false, nullptr, 42},
        {"RZ", false, nullptr, 5},     {"RZM3", false, nullptr, 7},
    };
    {
        auto store = open();
        for (const auto& row : rows) {
            if (row.storeAsText)
                store->writeString(row.name, row.text);
            else
                store->writeInt(row.name, row.number);
        }
    }
    auto store = open();
    const Settings s = readSettings(*store);
    const WorkingState w = readWorkingState(*store);
    EXPECT_EQ(s.Language, 0);
    EXPECT_TRUE(s.GroupThousands);
    EXPECT_EQ(s.IndicatorColor, 0xFFFFFF);
    EXPECT_EQ(s.DigitFontName, "MS Sans Serif");
    EXPECT_EQ(w.entryText, "");
    EXPECT_EQ(w.registers[2], "");
    // The default replaced the wrong-typed value, with the right type.
    EXPECT_EQ(store->readInt("RLang"), 0);
    EXPECT_EQ(store->readString("RIndFontName"), "MS Sans Serif");
}

TEST_F(SettingsStoreTest, BooleansAreStoredAsOneAndZeroAndAnyNonZeroReadsTrue) {
    {
        auto store = open();
        store->writeBool("RThouSepOn", true);
        store->writeBool("RMemState", false);
        store->writeInt("RStayOnTop", 7);
        store->flush();
    }
    const QByteArray file = fileText();
    EXPECT_TRUE(file.contains("RThouSepOn=1\n")) << file.toStdString();
    EXPECT_TRUE(file.contains("RMemState=0\n")) << file.toStdString();
    auto store = open();
    EXPECT_TRUE(store->readBool("RThouSepOn", false));
    EXPECT_FALSE(store->readBool("RMemState", true));
    EXPECT_TRUE(store->readBool("RStayOnTop", false));
}

TEST_F(SettingsStoreTest, ColoursAreKeptAsBlueGreenRedIntegers) {
    {
        auto store = open();
        store->writeInt("RIndColor", 0x4080FF);
        store->flush();
    }
    EXPECT_TRUE(fileText().contains("RIndColor=4227327\n")); // 0x4080FF unchanged
    EXPECT_EQ(open()->readInt("RIndColor"), 0x4080FF);
}

TEST_F(SettingsStoreTest, StringsSurviveQuotesBackslashesAndCyrillic) {
    const QString tricky = QStringLiteral("a \"b\" \\c\\ =; Вычислитель 1 234,5");
    open()->writeString("RIndFontName", tricky);
    open()->writeString("RZ", "12");
    EXPECT_EQ(open()->readString("RIndFontName"), tricky);
    EXPECT_EQ(open()->readString("RZ"), "12"); // a number-like text stays a string
    EXPECT_FALSE(open()->readInt("RZ"));
}

TEST_F(SettingsStoreTest, WorkingStateRoundTripsAndWritesTheMemoryText) {
    WorkingState w;
    w.entryText = "0,333333333333333";
    w.decimalEntered = true;
    w.fullSize = false;
    w.registers[0] = "5";
    w.registers[9] = "1E-20";
    w.memoryUsed = true;
    w.calcMode = 11;
    w.convertItem = 4;
    writeWorkingState(*open(), w, "5");
    auto store = open();
    const WorkingState r = readWorkingState(*store);
    EXPECT_EQ(r.entryText, w.entryText);
    EXPECT_EQ(r.decimalEntered, true);
    EXPECT_EQ(r.fullSize, false);
    EXPECT_EQ(r.registers, w.registers);
    EXPECT_EQ(r.memoryUsed, true);
    EXPECT_EQ(r.calcMode, 11);
    EXPECT_EQ(r.convertItem, 4);
    EXPECT_EQ(store->readString("RZM"), "5");
}

struct RangeRow {
    const char* name;
    int stored;
    int read; // and written back
};

TEST_F(SettingsStoreTest, ValuesOutOfTheirRangeAreCorrectedAndWrittenBack) {
    // Sizes go to the nearest one the size box offers (6..10); unknown style codes (1..4) and
    // groups (0..9) take the default.
    const RangeRow rows[] = {
        {"RIndFontSize", 500, 10}, {"RIndFontSize", 11, 10},  {"RIndFontSize", 5, 6},
        {"RIndFontSize", -40, 6},  {"RIndFontSize", 6, 6},    {"RIndFontSize", 8, 8},
        {"RIndFontStyle", 0, 2},   {"RIndFontStyle", 5, 2},   {"RIndFontStyle", -3, 2},
        {"RIndFontStyle", 1, 1},   {"RIndFontStyle", 4, 4},   {"RConvertItem", 11, 0},
        {"RConvertItem", -1, 0},   {"RConvertItem", 1000, 0}, {"RConvertItem", 10, 10},
    };
    for (const RangeRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << " stored as " << row.stored);
        open()->writeInt(row.name, row.stored);
        auto store = open();
        const Settings s = readSettings(*store);
        const WorkingState w = readWorkingState(*store);
        const int read = row.name == std::string_view("RIndFontSize")    ? s.DigitFontSize
                         : row.name == std::string_view("RIndFontStyle") ? s.DigitFontStyle
                                                                         : w.convertItem;
        EXPECT_EQ(read, row.read);
        store->flush();
        EXPECT_EQ(open()->readInt(row.name), row.read);
    }
}

struct ForeignFileRow {
    const char* name;
    QByteArray file;
    bool keptAsBad;
    int language; // RLang after the next start, with its default 0
};

TEST_F(SettingsStoreTest, ForeignKeysAreDroppedAndAFileWithoutSettingsIsKeptAside) {
    const QByteArray junk = [] {
        QByteArray lines;
        for (int i = 0; i < 20000; ++i) lines += "junk" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
        return lines;
    }();
    const ForeignFileRow rows[] = {
        {"unknown keys among ours", "RLang=1\nFoo=2\n" + junk, false, 1},
        {"garbage lines among ours", "RLang=1\nnot a setting\n\x01\x02=\xff\n", false, 1},
        {"nothing but unknown keys", junk, true, 0},
        {"binary data", QByteArray("\x7f" "ELF\0\0\x01\x02\n\xff\xfe", 12), true, 0},
        {"an empty file", "", false, 0},
        {"only comments and blank lines", "# hand-written\n\n", false, 0},
    };
    const QString bad = path() + QStringLiteral(".bad");
    for (const ForeignFileRow& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(bad);
        {
            QFile f(path());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(row.file);
        }
        {
            auto store = open();
            readSettings(*store);
            writeWorkingState(*store, WorkingState{}, QString());
        }
        const QByteArray written = fileText();
        EXPECT_FALSE(written.contains("junk")) << "unknown keys are not written back";
        EXPECT_FALSE(written.contains("Foo="));
        EXPECT_LT(written.size(), 1000);
        EXPECT_EQ(open()->readInt(value::RLang), row.language);
        EXPECT_EQ(QFile::exists(bad), row.keptAsBad);
        if (row.keptAsBad) {
            QFile kept(bad);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), row.file) << "the unreadable file is kept as it was";
        }
    }
}

// A save that fails part-way must leave the previous file whole rather than rewrite it in place,
// and say why. The file-size limit stops a write whoever runs the tests, root included: a long
// value is written past the save file's buffer, a short one is held in it until the end.
struct PartWayRow {
    int valueLength;
    rlim_t limit;
};

TEST_F(SettingsStoreTest, ASaveThatFailsPartWayLeavesThePreviousFileWholeAndSaysWhy) {
    {
        auto store = open();
        store->writeString(value::RZ, QStringLiteral("1"));
        store->writeInt(value::RLang, 1);
        store->flush();
    }
    const QByteArray before = fileText();
    ASSERT_TRUE(before.contains("RZ=")) << before.toStdString();
    for (const PartWayRow row : {PartWayRow{64 * 1024, 4096}, PartWayRow{3000, 1024}}) {
        SCOPED_TRACE(row.valueLength);
        const QString tooLong(row.valueLength, QLatin1Char('7'));
        auto store = open();
        store->writeString(value::RZ, tooLong);
        {
            const FileSizeLimit limit(row.limit);
            ASSERT_TRUE(limit.lowered());
            const auto failure = store->flush();
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->file, path());
            EXPECT_EQ(failure->reason, QString::fromLocal8Bit(std::strerror(EFBIG)));
        }
        EXPECT_EQ(fileText(), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Orvantis.conf")})
            << "nothing of the failed save is left behind";
        // Read through a copy: for the original name this process still holds the unsaved value.
        const QString copy = dir.filePath(QStringLiteral("copy.conf"));
        ASSERT_TRUE(QFile::copy(path(), copy));
        const auto kept = openSettingsFile(copy);
        EXPECT_EQ(kept->readString(value::RZ), QStringLiteral("1"));
        EXPECT_EQ(kept->readInt(value::RLang), 1);
        QFile::remove(copy);

        // Without the limit the same store saves, and says so: the limit was what stopped it.
        EXPECT_FALSE(store->flush());
        EXPECT_TRUE(fileText().contains(tooLong.toLatin1()));
        store->writeString(value::RZ, QStringLiteral("1"));
        store->flush();
    }
}

TEST(UserSettings, LiveInTheConfigurationFolderThatTheTestsRedirect) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    ASSERT_TRUE(folder.startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << folder.toStdString();
    openUserSettings()->writeInt("RLang", 1);
    EXPECT_TRUE(QFile::exists(folder + "/Orvantis/Orvantis.conf"));
    EXPECT_EQ(openUserSettings()->readInt("RLang"), 1);
}

TEST(MapStandardColor, AnUnknownColourRepeatsThePreviousResultBlackAtFirst) {
    AppearanceMapper mapper;
    const std::pair<int, int> calls[] = {
        {0x123456, 0x000000}, // nothing mapped yet: black
        {0x800000, 0x800000}, {0x0000FF, 0x0000FF}, {0x0000FE, 0x0000FF},
        {0xFFFFFF, 0xFFFFFF}, {-1, 0xFFFFFF},       {0xC0C0C0, 0xC0C0C0},
    };
    for (const auto& [colour, expected] : calls)
        EXPECT_EQ(mapper.MapStandardColor(colour), expected) << colour;
    for (int colour : kStandardColours)
        EXPECT_EQ(mapper.MapStandardColor(colour), colour);
}

TEST(FontStyleFromCode, AnUnknownCodeRepeatsThePreviousStyleRegularAtFirst) {
    AppearanceMapper mapper;
    const std::pair<int, FontStyle> calls[] = {
        {0, {false, false}}, {3, {false, true}}, {9, {false, true}},  {2, {true, false}},
        {4, {true, true}},   {-1, {true, true}}, {1, {false, false}},
    };
    for (const auto& [code, expected] : calls)
        EXPECT_EQ(mapper.FontStyleFromCode(code), expected) << code;
}

TEST(ColourConversion, StoredNumbersHaveRedInTheLowByte) {
    const std::pair<int, QColor> rows[] = {
        {0x0000FF, QColor(255, 0, 0)},    {0xFF0000, QColor(0, 0, 255)}, {0x800000, QColor(0, 0, 128)},
        {0x4080FF, QColor(255, 128, 64)}, {0x000080, QColor(128, 0, 0)}, {0x33FFFF, QColor(255, 255, 51)},
    };
    for (const auto& [number, colour] : rows)
        EXPECT_EQ(colorFromColorRef(number), colour) << number;
}

} // namespace
} // namespace orv
