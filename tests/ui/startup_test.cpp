// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Start-up and exit through the real main window: what a first run writes, what a stored
// working state brings back, and how damaged or edited values fall back.
#include "file_size_limit.h"
#include "window_fixture.h"

#include "main_window_restore.h"
#include "settings_values.h"
#include "unit_catalogue.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSaveFile>
#include <QTimer>

#include <map>
#include <optional>

#include <unistd.h>

namespace orv::testing {
namespace {

QAction* action(const TCalculator& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// A window started from seeded values; `restart()` closes it (saving) and starts a new one.
class StartupTest : public WindowTest {
  public:
    std::map<QString, QVariant> seed;

    void SetUp() override {} // each test seeds first, then calls start()
    void start() {
        WindowTest::SetUp();
    }
    void prepareStore(SettingsStore& s) override {
        for (const auto& [name, value] : seed) {
            if (value.typeId() == QMetaType::QString)
                s.writeString(name, value.toString());
            else
                s.writeInt(name, value.toInt());
        }
    }
    void restart() {
        window->close();
        window.reset();
        openWindow();
    }
    void trigger(const char* name) { action(*window, name)->trigger(); }
};

TEST_F(StartupTest, FirstRunWritesEveryDefaultAndShowsThePlainEnglishKeypad) {
    start();
    const std::pair<const char*, QVariant> defaults[] = {
        {value::RThouSepOn, 1},     {value::RIndColor, 0xFFFFFF}, {value::RIndFontColor, 0x800000},
        {value::RMinToTray, 1},     {value::RStayOnTop, 1},       {value::RLang, 0},
        {value::RIndFontSize, 10},  {value::RIndFontStyle, 2},    {value::RDecSepState, 0},
        {value::RMinState, 1},      {value::RMemState, 0},        {value::RCalcMode, 0},
        {value::RConvertItem, 0},   {value::RIndFontName, QStringLiteral("MS Sans Serif")},
        {value::RZ, QString()},     {value::RKeepTape, 1},
    };
    for (const auto& [name, expected] : defaults) {
        if (expected.typeId() == QMetaType::QString)
            EXPECT_EQ(store->readString(name), expected.toString()) << name;
        else
            EXPECT_EQ(store->readInt(name), expected.toInt()) << name;
    }
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(store->readString(value::registerValueName(n)), QString()) << n;
    EXPECT_FALSE(store->hasValue(value::RZM)); // written at exit only

    EXPECT_EQ(window->outerSize(), QSize(246, 216));
    EXPECT_EQ(find("pnOut3")->background(), QColor(Qt::white));
    EXPECT_EQ(find("pnOut3")->textColour(), QColor(0, 0, 0x80));
    EXPECT_TRUE(find("pnOut3")->font().bold());
    EXPECT_EQ(find("pnOut3")->font().pointSize(), 10);
    EXPECT_EQ(window->windowTitle(), "Orvantis");
    EXPECT_EQ(action(*window, "miConvert")->text(), "&Converting");
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(display(), "0 ");
    for (const Extended r : window->calculator().state().MemoryRegisters)
        EXPECT_EQ(r, 0);
}

TEST_F(StartupTest, ScientificAndConversionComeBackAt643) {
    start();
    find<QComboBox>("cbVibor")->setCurrentIndex(3);
    trigger("miConvert");
    trigger("miScience");
    restart();
    EXPECT_EQ(store->readInt(value::RCalcMode), 11);
    EXPECT_EQ(store->readInt(value::RConvertItem), 3);
    EXPECT_EQ(window->outerSize().width(), 643);
    EXPECT_TRUE(action(*window, "miConvert")->isChecked());
    EXPECT_TRUE(action(*window, "miScience")->isChecked());
    EXPECT_EQ(find<QComboBox>("cbVibor")->currentIndex(), 3);
}

TEST_F(StartupTest, ReducedLayoutComesBackReduced) {
    start();
    window->MaxMinClick();
    restart();
    EXPECT_EQ(store->readInt(value::RMinState), 0);
    EXPECT_FALSE(window->fullSize());
    EXPECT_EQ(window->outerSize().height(), TCalculator::kHeightReduced);
}

TEST_F(StartupTest, AStoredPanelWinsOverAStoredReducedLayout) {
    seed = {{value::RMinState, 0}, {value::RCalcMode, 1}};
    start();
    EXPECT_TRUE(window->fullSize());
    EXPECT_EQ(window->outerSize(), QSize(474, 244));
    EXPECT_EQ(shownPanelsCode(*window), 1);
}

TEST_F(StartupTest, RegistersStopAtTheFirstTextThatIsNotANumber) {
    seed = {{"RZM1", QStringLiteral("1,5")}, {"RZM2", QStringLiteral("-2")}, {"RZM3", QStringLiteral("abc")},
            {"RZM4", QStringLiteral("4")}};
    start();
    const auto& registers = window->calculator().state().MemoryRegisters;
    EXPECT_EQ(registers[0], 1.5L);
    EXPECT_EQ(registers[1], -2.0L);
    for (int i = 2; i < 10; ++i)
        EXPECT_EQ(registers[i], 0) << "M" << i + 1;
    EXPECT_EQ(memoryLine(), "1,5 ");
}

TEST_F(StartupTest, AnEntryThatIsNotANumberShowsZero) {
    seed = {{value::RZ, QStringLiteral("12x")}, {value::RDecSepState, 1}};
    start();
    EXPECT_EQ(display(), "0 ");
    EXPECT_EQ(window->calculator().state().CurrentValue, 0);
    EXPECT_FALSE(window->calculator().state().DecimalEntered) << "no separator in the entry to go with the flag";
}

TEST_F(StartupTest, ASavedEntryWithASeparatorDoesNotRefuseTheNextNumbersSeparator) {
    seed = {{value::RZ, QStringLiteral("1,")}, {value::RDecSepState, 1}};
    start();
    for (char c : std::string_view("5,5")) QTest::keyClick(window->windowHandle(), c);
    EXPECT_EQ(display(), "5,5 ");
}

class UnknownPanelCodeTest : public StartupTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnknownPanelCodeTest, ShowsNoPanelAndIsRewrittenFromTheRealState) {
    seed = {{value::RCalcMode, GetParam()}};
    start();
    EXPECT_EQ(window->outerSize().width(), 246);
    EXPECT_EQ(shownPanelsCode(*window), 0);
    restart();
    EXPECT_EQ(store->readInt(value::RCalcMode), 0);
}

INSTANTIATE_TEST_SUITE_P(Codes, UnknownPanelCodeTest, ::testing::Values(3, 13, -1));

// A stored group the panel does not have: the first group with its units, and 0 stored.
class StoredGroupOutOfRangeTest : public StartupTest, public ::testing::WithParamInterface<int> {};

TEST_P(StoredGroupOutOfRangeTest, ShowsTheFirstGroupWithItsUnitsAndStoresIt) {
    seed = {{value::RCalcMode, 10}, {value::RConvertItem, GetParam()}};
    start();
    EXPECT_EQ(store->readInt(value::RConvertItem), 0) << "read as the default and written back";
    auto* groups = find<QComboBox>("cbVibor");
    EXPECT_EQ(groups->currentIndex(), 0);
    const auto units = unitNames(0, Language::English);
    ASSERT_FALSE(units.empty());
    for (const char* name : {"cb1", "cb2"}) {
        auto* list = find<QComboBox>(name);
        EXPECT_EQ(list->count(), int(units.size())) << name;
        EXPECT_EQ(list->currentIndex(), 0) << name;
        EXPECT_EQ(list->currentText().toStdString(), units.front()) << name;
    }
    restart();
    EXPECT_EQ(store->readInt(value::RConvertItem), 0) << "saved at exit";
    // Restoring a group the list does not have, whatever read it, selects the first one.
    groups = find<QComboBox>("cbVibor");
    groups->setCurrentIndex(3);
    restoreSidePanels(*window, 10, GetParam());
    EXPECT_EQ(groups->currentIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(Groups, StoredGroupOutOfRangeTest, ::testing::Values(11, -1, 57));

// A digit size beyond the size box goes to the nearest size it offers; an unknown style code
// takes the default (bold). Both are written back corrected.
struct StoredLookRow {
    const char* name;
    int storedSize;
    int storedStyle;
    int size;
    int style;
};

void PrintTo(const StoredLookRow& row, std::ostream* out) {
    *out << row.name << " (size " << row.storedSize << ", style " << row.storedStyle << ")";
}

class StoredLookTest : public StartupTest, public ::testing::WithParamInterface<StoredLookRow> {};

TEST_P(StoredLookTest, SizeAndStyleStayWithinWhatPreferencesOffers) {
    const StoredLookRow& row = GetParam();
    seed = {{value::RIndFontSize, row.storedSize}, {value::RIndFontStyle, row.storedStyle}};
    start();
    EXPECT_EQ(window->settings().DigitFontSize, row.size);
    EXPECT_EQ(window->settings().DigitFontStyle, row.style);
    const QFont digits = find("pnOut3")->font();
    EXPECT_EQ(digits.pointSize(), row.size);
    EXPECT_EQ(digits.bold(), row.style == 2 || row.style == 4);
    EXPECT_EQ(digits.italic(), row.style >= 3);
    EXPECT_EQ(store->readInt(value::RIndFontSize), row.size);
    EXPECT_EQ(store->readInt(value::RIndFontStyle), row.style);
}

INSTANTIATE_TEST_SUITE_P(Rows, StoredLookTest,
                         ::testing::Values(StoredLookRow{"huge", 500, 9, 10, 2},
                                           StoredLookRow{"justAbove", 11, 5, 10, 2},
                                           StoredLookRow{"zero", 0, 0, 6, 2},
                                           StoredLookRow{"negative", -12, -1, 6, 2},
                                           StoredLookRow{"smallestItalic", 6, 3, 6, 3},
                                           StoredLookRow{"largestBoldItalic", 10, 4, 10, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupTest, AnUnknownLanguageKeepsTheDesignedTexts) {
    seed = {{value::RLang, 2}};
    start();
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Вычислитель"));
    EXPECT_EQ(action(*window, "miConvert")->text(), QString::fromUtf8("&Перевод величин"));
    // The unit lists are English for anything but Russian.
    EXPECT_EQ(find<QComboBox>("cb1")->itemText(0), "Meter");
}

TEST_F(StartupTest, TheSizeButtonsHintFollowsTheLayout) {
    start();
    EXPECT_EQ(find("pnSize")->toolTip(), "Minimize");
    QTest::keyClick(handle(), Qt::Key_F4);
    EXPECT_EQ(find("pnSize")->toolTip(), "Maximize");
    QTest::keyClick(handle(), Qt::Key_F4);
    EXPECT_EQ(find("pnSize")->toolTip(), "Minimize");
}

TEST_F(StartupTest, MessagesFollowTheLanguage) {
    seed = {{value::RLang, 1}};
    start();
    EXPECT_EQ(window->calculator().messages().DivideByZeroMessage, "Нельзя делить на ноль!");
    window->SetLang(0);
    EXPECT_EQ(window->calculator().messages().DivideByZeroMessage, "It is impossible to divide into a zero!");
}

// Damaged files and wrong-typed values start with the defaults, silently.
struct DamagedFile {
    const char* name;
    QByteArray content;
};

class DamagedSettingsTest : public ::testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedSettingsTest, StartsWithTheDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvantis.conf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().content);
    file.close();
    auto store = openSettingsFile(path);
    TCalculator window(*store, Separators{",", " "});
    EXPECT_EQ(window.settings().Language, 0);
    EXPECT_EQ(window.settings().DigitFontSize, 10);
    EXPECT_EQ(window.settings().IndicatorColor, 0xFFFFFF);
    EXPECT_EQ(window.outerSize(), QSize(246, 216));
    EXPECT_EQ(store->readInt(value::RLang), 0); // the default replaced what could not be read
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettingsTest,
    ::testing::Values(DamagedFile{"binary", QByteArray("\x00\xff\xfe\x01\x80garbage\n\x00=\x00", 16)},
                      DamagedFile{"wrongTypes", "RLang=\"abc\"\nRIndFontSize=\"big\"\nRIndColor=\"white\"\n"},
                      DamagedFile{"truncated", "RLang=\nRIndFontSize\nRIndColor=\"12"},
                      DamagedFile{"empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });


// A write that cannot replace the file whole (no room for the temporary file beside it: a
// read-only folder, or for root, whom permissions do not stop, a file-size limit of nothing)
// must leave the previous file untouched rather than rewrite it in place.
TEST(AtomicSettingsTest, AFailedWriteLeavesThePreviousFileWhole) {
    const bool root = ::geteuid() == 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Orvantis.conf"));
    {
        auto store = openSettingsFile(path);
        store->writeString(value::RZ, QStringLiteral("1"));
        store->flush();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    if (!root) QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        std::optional<FileSizeLimit> limit;
        if (root) {
            ASSERT_TRUE(limit.emplace(0).lowered());
        }
        auto store = openSettingsFile(path);
        store->writeString(value::RZ, QStringLiteral("2"));
        store->flush();
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

// A save that fails as the window closes is told in a box, in the window's language, with the
// file and the cause in the system's words; at a termination signal no box waits for an answer.
struct SaveFailureRow {
    int language;
    bool box;
    const char* told; // %1 the file, %2 the cause; nullptr for no box
};

TEST(SaveFailureTest, ClosingTellsWhyTheSettingsCouldNotBeSaved) {
    const SaveFailureRow rows[] = {
        {0, true, "The settings could not be saved to %1 (%2)."},
        {1, true, "Настройки не удалось сохранить в %1 (%2)."},
        {0, false, nullptr},
    };
    for (const SaveFailureRow& row : rows) {
        SCOPED_TRACE(row.language);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orvantis.conf"));
        auto store = openSettingsFile(path);
        store->writeInt(value::RLang, row.language);
        ASSERT_TRUE(QDir().mkdir(path)); // no file can be written in its place
        TCalculator window(*store, Separators{",", " "});
        window.setSaveFailureBox(row.box);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QString told;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->setProperty("closedByTest", true);
                told = box->text();
                box->accept();
            }
        });
        answer.start(10);
        // The box may come before the answer's first tick: the watchdog leaves it to the answer.
        qApp->setProperty("modalExpected", true);
        window.close();
        qApp->setProperty("modalExpected", false);
        QSaveFile probe(path);
        EXPECT_FALSE(probe.open(QIODevice::WriteOnly));
        EXPECT_EQ(told, row.told ? QString::fromUtf8(row.told).arg(path, probe.errorString()) : QString());
        EXPECT_FALSE(window.isVisible());
    }
}

} // namespace
} // namespace orv::testing
