// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The keys of the scientific, statistics and conversion panels, driven through the real widgets.
#include "button_panel.h"
#include "conversion_panel.h"
#include "number_text.h"
#include "science_panel.h"
#include "scientific_keys.h"
#include "statistics_panel.h"
#include "keypad_table.h"
#include "main_window_restore.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QAccessibleActionInterface>

#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>

namespace orv::testing {
namespace {

class PanelTest : public WindowTest {
  protected:
    void click(const char* name) {
        auto* key = find<TButtonPanel>(name);
        ASSERT_NE(key, nullptr);
        ASSERT_TRUE(key->isVisible()) << name;
        QTest::mouseClick(key, Qt::LeftButton);
    }
    const CalculatorState& state() const { return window->calculator().state(); }
    QString hint() const { return window->errorHint().isVisible() ? window->errorHint().text() : QString(); }
};

// --- Scientific panel: every one-operand key in every angle measure ----------------------------

struct Measure {
    const char* radio;
    AngleMeasure measure;
};
constexpr Measure kMeasures[] = {{"rbRad", AngleMeasure::Radians},
                                 {"rbDegr", AngleMeasure::Degrees},
                                 {"rbGrad", AngleMeasure::Grads},
                                 {"rbCycle", AngleMeasure::Cycles}};

// Arguments that reach the ordinary values, the domain checks and the silent failures.
constexpr Extended kArguments[] = {0.5L, -0.75L, 30, 0, 1, 1.5L, -8, 2000};

class EveryKeyTest : public PanelTest, public ::testing::WithParamInterface<Measure> {};

TEST_P(EveryKeyTest, TheKeyShowsWhatTheScienceModuleComputes) {
    QTest::keyClick(handle(), Qt::Key_F6);
    QTest::mouseClick(find<QRadioButton>(GetParam().radio), Qt::LeftButton);
    ASSERT_EQ(window->sciencePanel()->angleMeasure(), GetParam().measure);
    Calculator& calc = window->calculator();
    int checked = 0;
    for (const ScienceKeyRow& key : scienceKeys()) {
        if (key.command != ScienceCommand::Function) continue;
        for (Extended x : kArguments) {
            window->errorHint().hideHint();
            calc.loadOperand(x);
            const QString before = display();
            const FunctionResult expected = applyScientificKey(key.function, x, GetParam().measure);
            click(key.name);
            const std::string where = std::string(key.name) + " of " + generalText(x, calc.separators());
            switch (expected.outcome) {
            case FunctionOutcome::Value:
                EXPECT_EQ(state().CurrentValue, expected.value) << where;
                EXPECT_EQ(state().FirstOperand, expected.value) << where << ": Obluzh";
                EXPECT_FALSE(state().Typing) << where;
                EXPECT_TRUE(hint().isEmpty()) << where;
                break;
            default: // a failure keeps the value and says why
                EXPECT_EQ(state().CurrentValue, x) << where;
                EXPECT_EQ(display(), before) << where;
                EXPECT_EQ(hint().toStdString(), failureMessage(key.function, expected.outcome, calc.messages()))
                    << where;
                EXPECT_FALSE(hint().isEmpty()) << where;
                break;
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 27 * int(std::size(kArguments)));
}

INSTANTIATE_TEST_SUITE_P(Measures, EveryKeyTest, ::testing::ValuesIn(kMeasures),
                         [](const auto& info) { return std::string(info.param.radio); });

// --- Scientific panel: key sequences a user types ----------------------------------------------

struct SequenceRow {
    const char* name;
    const char* radio;
    // Items: "k:bpSin" clicks a panel key; anything else is typed on the keyboard.
    std::vector<const char*> steps;
    const char* display;
    const char* hint; // nullptr: no hint
};

std::ostream& operator<<(std::ostream& os, const SequenceRow& row) { return os << row.name; }

class SequenceTest : public PanelTest, public ::testing::WithParamInterface<SequenceRow> {};

TEST_P(SequenceTest, DisplayAndHintAfterTheKeys) {
    const SequenceRow& row = GetParam();
    QTest::keyClick(handle(), Qt::Key_F6);
    QTest::mouseClick(find<QRadioButton>(row.radio), Qt::LeftButton);
    for (const char* step : row.steps) {
        if (std::string_view(step).starts_with("k:")) click(step + 2);
        else type(step);
    }
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
    EXPECT_EQ(hint(), row.hint ? QString::fromUtf8(row.hint) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SequenceTest,
    ::testing::Values(
        SequenceRow{"SineOf30Degrees", "rbDegr", {"30", "k:bpSin"}, "0,5 ", nullptr},
        SequenceRow{"SineOf100Grads", "rbGrad", {"100", "k:bpSin"}, "1 ", nullptr},
        SequenceRow{"SineOfAQuarterCycle", "rbCycle", {"0,25", "k:bpSin"}, "1 ", nullptr},
        SequenceRow{"CosineOf90DegreesIsExactlyZero", "rbDegr", {"90", "k:bpCos"}, "0 ", nullptr},
        SequenceRow{"ArcTangentInDegrees", "rbDegr", {"1", "k:bpArctg"}, "45 ", nullptr},
        SequenceRow{"ArcCotangentOfMinusOne", "rbDegr", {"1S", "k:bpArcctg"}, "-45 ", nullptr},
        SequenceRow{"TrueSecant", "rbRad", {"2", "k:bpSec"}, "-2,40299796172238 ", nullptr},
        SequenceRow{"ArcSineAboveOne", "rbRad", {"1,5", "k:bpArcsin"}, "1,5 ",
                    "The value of variable must be <= 1 !"},
        SequenceRow{"ArcCotangentOfZero", "rbRad", {"0", "k:bpArcctg"}, "0 ",
                    "The value of variable must not be 0 !"},
        SequenceRow{"LogarithmOfZeroSaysSo", "rbRad", {"0", "k:bpLn"}, "0 ", "Invalid argument of ln!"},
        SequenceRow{"ExpOverflowSaysSo", "rbRad", {"20000", "k:bpExp"}, "20 000 ", "Overflow: the result is beyond the range of numbers!"},
        SequenceRow{"ArcthOfOneSaysSo", "rbRad", {"1", "k:bpArcth"}, "1 ", "Invalid argument of Arcth!"},
        SequenceRow{"CubeRootKeepsTheSign", "rbRad", {"8S", "k:bp3Root"}, "-2 ", nullptr},
        SequenceRow{"FactorialRoundsTiesToEven", "rbRad", {"4,5", "k:bpFactorial"}, "24 ", nullptr},
        SequenceRow{"FactorialOfANegativeIsOne", "rbRad", {"5S", "k:bpFactorial"}, "1 ", nullptr},
        SequenceRow{"FactorialOverflowChangesNothingButSaysSo", "rbRad", {"1755", "k:bpFactorial"}, "1 755 ",
                    "Overflow: the result is beyond the range of numbers!"},
        SequenceRow{"PowerKey", "rbRad", {"2", "k:bpXY", "10="}, "1 024 ", nullptr},
        SequenceRow{"PowerOfANegativeBase", "rbRad", {"2S", "k:bpXY", "3="}, "-8 ", nullptr},
        SequenceRow{"ZeroToTheZero", "rbRad", {"0", "k:bpXY", "0="}, "1 ", nullptr},
        SequenceRow{"LogarithmToABase", "rbRad", {"8", "k:bpLogXY", "2="}, "3 ", nullptr},
        SequenceRow{"LogarithmToBaseOneFails", "rbRad", {"8", "k:bpLogXY", "1="}, "8 ", "Invalid argument of log!"},
        SequenceRow{"PiAsASecondOperand", "rbRad", {"2*", "k:bpPI", "="}, "6,28318530717959 ", nullptr},
        SequenceRow{"SquareOfTheSecondOperand", "rbRad", {"2*9", "k:bpX2", "="}, "162 ", nullptr},
        SequenceRow{"SineOfTheSecondOperandInDegrees", "rbDegr", {"1+30", "k:bpSin", "="}, "1,5 ", nullptr},
        SequenceRow{"CubeKey", "rbRad", {"3", "k:bpX3"}, "27 ", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PanelTest, ThePowerKeysShowNoOperationSign) {
    QTest::keyClick(handle(), Qt::Key_F6);
    type("2+");
    ASSERT_EQ(sign(), "+");
    click("bpXY");
    EXPECT_EQ(sign(), "");
    EXPECT_EQ(state().PendingOperation, Operation::opPower);
}

TEST_F(PanelTest, LogarithmToBaseOneTurnsTheDigitsRed) {
    QTest::keyClick(handle(), Qt::Key_F6);
    type("8");
    click("bpLogXY");
    type("1=");
    EXPECT_EQ(find("pnOut3")->textColour(), QColor(255, 0, 0));
}

TEST_F(PanelTest, EveryRunStartsInRadians) {
    EXPECT_TRUE(find<QRadioButton>("rbRad")->isChecked());
    EXPECT_EQ(window->sciencePanel()->angleMeasure(), AngleMeasure::Radians);
}

// --- Statistics panel ---------------------------------------------------------------------------

class StatisticsTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        QTest::keyClick(handle(), Qt::Key_F7);
    }
    void enter(std::initializer_list<const char*> numbers) {
        for (const char* n : numbers) {
            type(n);
            click("bpStatEnter");
        }
    }
    QTextEdit* list() const { return find<QTextEdit>("mmStat"); }
    QString after(const char* key) {
        click(key);
        return display();
    }
};

TEST_F(StatisticsTest, TheTextbookList) {
    enter({"2", "4", "4", "4", "5", "5", "7", "9"});
    EXPECT_EQ(list()->toPlainText(), "2\n4\n4\n4\n5\n5\n7\n9\n");
    EXPECT_EQ(after("bpStatCount"), "8 ");
    EXPECT_EQ(after("bpStatSumma"), "40 ");
    EXPECT_EQ(after("bpStatSumma2"), "232 ");
    EXPECT_EQ(after("bpStatSrednee"), "5 ");
    EXPECT_EQ(after("bpStatSigmaN"), "2 ");
    EXPECT_EQ(after("bpStatSigmaNm1"), "2,1380899352994 "); // sqrt(32/7), as many digits as fit
}

TEST_F(StatisticsTest, AValueIsOneLineAndAWideOneScrollsSideways) {
    enter({"1,25"});
    QCoreApplication::processEvents();
    EXPECT_EQ(list()->horizontalScrollBar()->maximum(), 0) << "a short value fits";
    // Wider than the list: a fraction of many digits and a long exponent, typed in by hand.
    list()->setPlainText(QStringLiteral("1,25\n-1234567890,1234567890123456789012345678E-4000\n"));
    QCoreApplication::processEvents();
    const int reach = list()->horizontalScrollBar()->maximum() + list()->viewport()->width();
    for (QTextBlock block = list()->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty()) continue;
        ASSERT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
        // Every digit within the scroll bar's reach: none left of the start, none past the end.
        const QRectF ink = block.layout()->lineAt(0).naturalTextRect().translated(block.layout()->position());
        EXPECT_GE(ink.left(), 0) << block.text().toStdString();
        EXPECT_LE(ink.right(), reach) << block.text().toStdString();
    }
    EXPECT_GT(list()->horizontalScrollBar()->maximum(), 0) << "the rest of the value is reachable";
}

TEST_F(StatisticsTest, AnEmptyListCountsZeroAndTheMeanChangesNothing) {
    type("7");
    EXPECT_EQ(after("bpStatSrednee"), "7 ");
    EXPECT_EQ(after("bpStatSigmaN"), "7 ");
    EXPECT_EQ(after("bpStatCount"), "0 ");
    type("7");
    EXPECT_EQ(after("bpStatSumma"), "0 ");
    EXPECT_EQ(after("bpStatSumma2"), "0 ");
}

TEST_F(StatisticsTest, OneEntryHasNoSampleDeviation) {
    enter({"3"});
    EXPECT_EQ(after("bpStatSigmaN"), "0 ");
    type("6");
    EXPECT_EQ(after("bpStatSigmaNm1"), "6 ");
}

TEST_F(StatisticsTest, EqualValuesDeviateByZeroDespiteRounding) {
    enter({"0,1", "0,1", "0,1"});
    EXPECT_EQ(after("bpStatSigmaN"), "0 ");
    EXPECT_EQ(after("bpStatSigmaNm1"), "0 ");
}

TEST_F(StatisticsTest, ABlankLineStopsEveryKeyWithOneMessage) {
    enter({"2", "4"});
    list()->setPlainText(QStringLiteral("2\n\n4\n"));
    for (const char* key : {"bpStatCount", "bpStatSumma", "bpStatSrednee"}) {
        EXPECT_EQ(after(key), "4 ") << key;
        EXPECT_TRUE(window->errorHint().isVisible()) << key;
        EXPECT_EQ(window->errorHint().text(), QStringLiteral("Line 2 of the list is not a number!")) << key;
    }
}

TEST_F(StatisticsTest, HandEditsCountAndAMissingLastBreakIsPutBack) {
    list()->setPlainText(QStringLiteral("1\n2"));
    enter({"3"});
    EXPECT_EQ(list()->toPlainText(), "1\n2\n3\n");
    EXPECT_EQ(after("bpStatSumma"), "6 ");
}

TEST_F(StatisticsTest, AfterEnteringADigitStartsANewNumber) {
    enter({"12"});
    type("5");
    EXPECT_EQ(display(), "5 ");
    EXPECT_EQ(list()->toPlainText(), "12\n");
}

TEST_F(StatisticsTest, AStatisticCompletesAnOperationBegunBeforeIt) {
    enter({"1", "2"});
    window->pressKeypadKey(KeypadKey::C);
    type("10+");
    click("bpStatSumma");
    type("=");
    EXPECT_EQ(display(), "13 ");
}

TEST_F(StatisticsTest, TheListSurvivesSwitchingToTheScientificPanelAndBack) {
    enter({"4"});
    QTest::keyClick(handle(), Qt::Key_F6);
    QTest::keyClick(handle(), Qt::Key_F7);
    EXPECT_EQ(list()->toPlainText(), "4\n");
}

// --- Conversion panel ----------------------------------------------------------------------------

class ConversionTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        QTest::keyClick(handle(), Qt::Key_F5);
    }
    void pickGroup(int group) {
        auto* groups = find<QComboBox>("cbVibor");
        groups->setCurrentIndex(group);
        emit groups->activated(group);
    }
    void pickUnits(const char* from, const char* to) {
        auto* cb1 = find<QComboBox>("cb1");
        auto* cb2 = find<QComboBox>("cb2");
        cb1->setCurrentIndex(cb1->findText(QString::fromUtf8(from)));
        cb2->setCurrentIndex(cb2->findText(QString::fromUtf8(to)));
        ASSERT_GE(cb1->currentIndex(), 0) << from;
        ASSERT_GE(cb2->currentIndex(), 0) << to;
    }
};

struct ConversionRow {
    const char* name;
    int group;
    const char* upper; // cb1
    const char* lower; // cb2
    const char* typed;
    bool down;         // RxSpeedButton8 (cb1 -> cb2), else RxSpeedButton7
    const char* display;
    const char* hint;
};

std::ostream& operator<<(std::ostream& os, const ConversionRow& row) { return os << row.name; }

class ConversionRowTest : public ConversionTest, public ::testing::WithParamInterface<ConversionRow> {};

TEST_P(ConversionRowTest, Converts) {
    const ConversionRow& row = GetParam();
    pickGroup(row.group);
    pickUnits(row.upper, row.lower);
    type(row.typed);
    click(row.down ? "RxSpeedButton8" : "RxSpeedButton7");
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
    EXPECT_EQ(hint(), row.hint ? QString::fromUtf8(row.hint) : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ConversionRowTest,
    ::testing::Values(
        ConversionRow{"BoilingWater", 4, "Celsius' degree", "Fahrenheit's degree", "100", true, "212 ", nullptr},
        ConversionRow{"MinusFortyBothWays", 4, "Celsius' degree", "Fahrenheit's degree", "40S", false, "-40 ", nullptr},
        ConversionRow{"AbsoluteZero", 4, "Celsius' degree", "Kelvin's degree", "0", false, "-273,15 ", nullptr},
        ConversionRow{"BelowAbsoluteZero", 4, "Celsius' degree", "Kelvin's degree", "300S", true, "-300 ",
                      "The temperature in Celsius' degrees can not be lower than  -273.15 !"},
        ConversionRow{"NegativeKelvin", 4, "Celsius' degree", "Kelvin's degree", "1S", false, "-1 ",
                      "The temperature in Kelvin's degrees can not be lower than  0 !"},
        ConversionRow{"MeterToFoot", 0, "Meter", "Foot", "1", true, "3,28083989501312 ", nullptr},
        // 3.28083989501312 x 0.3048 = 0.999999999999998976...: fifteen digits keep the last 9.
        ConversionRow{"FootBackToMeter", 0, "Meter", "Foot", "3,28083989501312", false, "0,999999999999999 ",
                      nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConversionTest, TheConvertedValueCompletesAnOperationBegunBeforeIt) {
    pickGroup(0);
    pickUnits("Kilometer", "Meter");
    type("2+1");
    click("RxSpeedButton8");
    type("=");
    EXPECT_EQ(display(), "1 002 ");
}

TEST_F(ConversionTest, TheSameUnitRoundsTo15Digits) {
    QTest::keyClick(handle(), Qt::Key_F6);
    click("bpPI");
    click("RxSpeedButton8");
    EXPECT_EQ(state().EntryText, "3,14159265358979");
    EXPECT_EQ(state().CurrentValue, parseNumber("3,14159265358979", window->calculator().separators()));
}

TEST_F(ConversionTest, ALongNameKeepsItsDistinguishingEndAndShowsWholeInTheHint) {
    pickGroup(2);
    pickUnits("Barrel (for crude oil) - British", "Barrel (for crude oil) - USA");
    auto* cb1 = find<TUnitList>("cb1");
    auto* cb2 = find<TUnitList>("cb2");
    const QString british = cb1->shownText(), usa = cb2->shownText();
    EXPECT_TRUE(british.contains(QChar(0x2026))) << british.toStdString();
    EXPECT_NE(british, usa);
    EXPECT_TRUE(british.endsWith(QStringLiteral("British"))) << british.toStdString();
    EXPECT_EQ(cb1->toolTip(), QStringLiteral("Barrel (for crude oil) - British"));
    EXPECT_EQ(cb2->toolTip(), QStringLiteral("Barrel (for crude oil) - USA"));
    // A name that fits is shown as it is, with no hint to repeat it.
    cb1->setCurrentIndex(0);
    EXPECT_EQ(cb1->shownText(), cb1->currentText());
    EXPECT_TRUE(cb1->toolTip().isEmpty());
}

// Opens the unit list of a group and checks that its longest name has the room it needs.
void expectOpenListFitsItsLongestName(TUnitList* list) {
    list->showPopup();
    ASSERT_TRUE(list->isListOpen());
    QAbstractItemView* view = list->view();
    const QFontMetrics metrics(view->font());
    int longest = 0;
    for (int i = 0; i < list->count(); ++i) longest = std::max(longest, metrics.horizontalAdvance(list->itemText(i)));
    EXPECT_GE(view->viewport()->width(), longest);
    list->hidePopup();
}

TEST_F(ConversionTest, TheOpenListIsWideEnoughForItsLongestName) {
    pickGroup(5); // pressure: the longest English name
    expectOpenListFitsItsLongestName(find<TUnitList>("cb1"));
}

TEST_F(ConversionTest, AnotherGroupPutsBothListsOnTheirFirstUnit) {
    pickGroup(0);
    pickUnits("Foot", "Mile");
    pickGroup(3);
    EXPECT_EQ(find<QComboBox>("cb1")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>("cb2")->currentIndex(), 0);
    EXPECT_EQ(window->conversionPanel()->convertGroup(), 3);
    EXPECT_EQ(find<QComboBox>("cb1")->count(), 42);
}

TEST_F(ConversionTest, AppliedLanguageKeepsTheGroupAndResetsTheUnits) {
    pickGroup(4);
    pickUnits("Kelvin's degree", "Rankin's degree");
    window->SetLang(0);
    EXPECT_EQ(find<QComboBox>("cbVibor")->currentText(), "Temperature");
    EXPECT_EQ(find<QComboBox>("cb1")->currentIndex(), 0);
    EXPECT_EQ(find<QComboBox>("cb2")->currentIndex(), 0);
}

class RussianConversionTest : public ConversionTest {
    void prepareStore(SettingsStore& s) override { s.writeInt("RLang", 1); }
};

TEST_F(RussianConversionTest, UnitAndGroupNamesAreRussian) {
    EXPECT_EQ(find<QComboBox>("cbVibor")->itemText(0), QString::fromUtf8("Длина"));
    EXPECT_EQ(find<QComboBox>("cb1")->itemText(0), QString::fromUtf8("Метр"));
}

TEST_F(RussianConversionTest, ThePrefixesFirstUnitShowsWholeAndTheBarrelsApart) {
    pickGroup(9);
    auto* cb1 = find<TUnitList>("cb1");
    EXPECT_EQ(cb1->currentText(), QString::fromUtf8("Исходная величина"));
    EXPECT_EQ(cb1->shownText(), cb1->currentText());
    EXPECT_TRUE(cb1->toolTip().isEmpty());
    pickGroup(2);
    pickUnits("Баррель (для неочищенного масла), брит.", "Баррель (для неочищенного масла), амер.");
    EXPECT_NE(cb1->shownText(), find<TUnitList>("cb2")->shownText());
    EXPECT_EQ(cb1->toolTip(), cb1->currentText());
    // Wider than the open list's designed width in Russian.
    expectOpenListFitsItsLongestName(cb1);
}

// --- Screen readers and the keyboard ---------------------------------------------------------

// Every key of every panel: the keypad, the register keys, then the side panels' keys.
std::vector<QString> everyKeyName() {
    std::vector<QString> names;
    for (const KeypadKeyRow& row : keypadKeys()) names.push_back(QString::fromLatin1(row.name));
    for (int n = 1; n <= kRegisterCount; ++n) names.push_back(QStringLiteral("pnM%1").arg(n));
    for (const ScienceKeyRow& row : scienceKeys()) names.push_back(QString::fromLatin1(row.name));
    for (const StatisticsKeyRow& row : statisticsKeys()) names.push_back(QString::fromLatin1(row.name));
    names.push_back(QStringLiteral("RxSpeedButton7"));
    names.push_back(QStringLiteral("RxSpeedButton8"));
    return names;
}

// Shows the scientific and conversion panels, or the statistics panel (the two exclude each other).
void showPanels(TCalculator& w, bool statistics) {
    if (!w.conversionPanel()->isVisible()) w.miConvertClick();
    if (statistics != w.statisticsPanel()->isVisible()) w.miStatistClick();
    if (!statistics && !w.sciencePanel()->isVisible()) w.miScienceClick();
}

TEST_F(PanelTest, EveryKeyIsANamedPushButtonWhosePressDoesWhatAClickDoes) {
    const std::vector<QString> names = everyKeyName();
    ASSERT_EQ(names.size(), 76u);
    // A twin window gets the same keys by mouse; this one through the accessibility interface.
    TCalculator twin(*store, Separators{",", " "});
    twin.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&twin));
    for (const bool statistics : {false, true}) {
        showPanels(*window, statistics);
        showPanels(twin, statistics);
        for (const QString& name : names) {
            auto* key = window->findChild<TButtonPanel*>(name);
            auto* twinKey = twin.findChild<TButtonPanel*>(name);
            ASSERT_TRUE(key && twinKey) << name.toStdString();
            if (!key->isVisible()) continue; // the statistics keys in the first pass, and so on
            for (TCalculator* w : {window.get(), &twin}) {
                w->calculator().press(KeypadKey::Digit2);
                w->calculator().press(KeypadKey::Comma);
                w->calculator().press(KeypadKey::Digit5);
            }
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(key);
            ASSERT_NE(a, nullptr) << name.toStdString();
            EXPECT_EQ(a->role(), QAccessible::Button) << name.toStdString();
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << name.toStdString();
            EXPECT_TRUE(a->state().focusable) << name.toStdString();
            QAccessibleActionInterface* actions = a->actionInterface();
            ASSERT_NE(actions, nullptr) << name.toStdString();
            ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
            actions->doAction(QAccessibleActionInterface::pressAction());
            QTest::mouseClick(twinKey, Qt::LeftButton);
            EXPECT_EQ(display(), twin.findChild<TextPanel*>(QStringLiteral("pnOut3"))->text()) << name.toStdString();
            EXPECT_EQ(window->calculator().copyText(), twin.calculator().copyText()) << name.toStdString();
            EXPECT_EQ(memoryLine(), twin.findChild<TextPanel*>(QStringLiteral("pnOutHist3"))->text())
                << name.toStdString();
        }
    }
    window->errorHint().hideHint();
}

// The Tab stops of a view from the display on, as the window is drawn from the left: the keypad
// row by row, the panel beside it and the registers drawn under that panel, then round to the
// conversion panel at the far left. The views are the stored panel codes; -1 is the display alone.
std::vector<QString> tabStopsFromTheDisplay(int panels) {
    std::vector<QString> names = {"pnOut"};
    if (panels >= 0)
        for (const KeypadKeyRow& row : keypadKeys()) names.push_back(QString::fromLatin1(row.name));
    if (panels % 10 == 2) {
        for (const StatisticsKeyRow& row : statisticsKeys()) names.push_back(QString::fromLatin1(row.name));
        names.push_back(QStringLiteral("mmStat"));
    } else if (panels % 10 == 1) {
        names.push_back(QStringLiteral("rbRad")); // the angle measures are one stop, at the one chosen
        for (const ScienceKeyRow& row : scienceKeys()) names.push_back(QString::fromLatin1(row.name));
    }
    if (panels % 10 > 0)
        for (int n = 1; n <= kRegisterCount; ++n) names.push_back(QStringLiteral("pnM%1").arg(n));
    if (panels >= 10)
        for (const char* name : {"cbVibor", "cb1", "RxSpeedButton7", "RxSpeedButton8", "cb2"})
            names.push_back(QString::fromLatin1(name));
    return names;
}

class TabOrderTest : public PanelTest, public ::testing::WithParamInterface<int> {};

TEST_P(TabOrderTest, TabFromTheDisplayWalksTheWindowLeftToRight) {
    if (GetParam() < 0) window->MaxMinClick();
    restoreSidePanels(*window, GetParam(), 0);
    QWidget* screen = find<QWidget>("pnOut");
    screen->setFocus(Qt::OtherFocusReason);
    std::vector<QString> visited;
    for (int i = 0; i < 200 && (visited.empty() || QApplication::focusWidget() != screen); ++i) {
        visited.push_back(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    const std::vector<QString> expected = tabStopsFromTheDisplay(GetParam());
    EXPECT_EQ(visited, expected);
    if (expected.size() > 1) EXPECT_EQ(find<QFrame>("pnOut")->frameShape(), QFrame::Box) << "the focus mark";
    QTest::keyClick(screen, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), expected.back()) << "Shift+Tab goes back round";
}

INSTANTIATE_TEST_SUITE_P(Views, TabOrderTest, ::testing::Values(-1, 0, 1, 2, 10, 11, 12));

TEST_F(PanelTest, SpacePressesTheFocusedKeyAndShiftTabGoesBack) {
    showPanels(*window, false);
    find<TButtonPanel>("pn7")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(display(), "7 ");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "pnBack");
    find<TButtonPanel>("pnC")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "pnOut") << "the display comes before the keypad";
}

// What a screen reader says for a control: a list's name comes from the label it is labelled by
// (where its own name is the item it shows), anything else's is its own.
QString spokenName(QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (!a) return QStringLiteral("(not accessible)");
    if (a->role() != QAccessible::ComboBox) return a->text(QAccessible::Name);
    const auto labels = a->relations(QAccessible::Label);
    if (labels.isEmpty()) return QStringLiteral("(no label)");
    const QString label = labels.first().first->text(QAccessible::Name);
    return control->accessibleName() == label ? label : QStringLiteral("(label and name differ)");
}

struct SpokenRow {
    const char* control;
    const char* english;
    const char* russian;
};

std::ostream& operator<<(std::ostream& os, const SpokenRow& row) { return os << row.control; }

class SpokenNameTest : public PanelTest, public ::testing::WithParamInterface<SpokenRow> {};

TEST_P(SpokenNameTest, FollowsTheLanguageLive) {
    const SpokenRow& row = GetParam();
    QWidget* control = find<QWidget>(row.control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(spokenName(control), QString::fromUtf8(row.english));
    window->SetLang(1);
    EXPECT_EQ(spokenName(control), QString::fromUtf8(row.russian));
    window->SetLang(0);
    EXPECT_EQ(spokenName(control), QString::fromUtf8(row.english));
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SpokenNameTest,
    ::testing::Values(SpokenRow{"pnC", "clear", "очистить"},
                      SpokenRow{"pnBack", "backspace", "стереть последнюю цифру"},
                      SpokenRow{"pnSqrt", "square root", "квадратный корень"},
                      SpokenRow{"pnMPlus", "memory plus", "прибавить к памяти"},
                      SpokenRow{"pn7", "7", "7"},
                      SpokenRow{"bpSin", "sine", "синус"},
                      SpokenRow{"bpArcth", "inverse hyperbolic cotangent", "ареакотангенс"},
                      SpokenRow{"bpXY", "x to the power y", "x в степени y"},
                      SpokenRow{"bpStatEnter", "enter into the list", "внести в список"},
                      SpokenRow{"bpStatSigmaNm1", "sigma n minus 1", "сигма n минус 1"},
                      SpokenRow{"mmStat", "statistics list", "список статистики"},
                      SpokenRow{"pnM1", "memory register 1", "регистр памяти 1"},
                      SpokenRow{"pnM10", "memory register 10", "регистр памяти 10"},
                      SpokenRow{"RxSpeedButton7", "convert from the lower unit to the upper unit",
                                "перевести из нижней единицы в верхнюю"},
                      SpokenRow{"RxSpeedButton8", "convert from the upper unit to the lower unit",
                                "перевести из верхней единицы в нижнюю"},
                      SpokenRow{"cb1", "from unit", "из единицы"},
                      SpokenRow{"cb2", "to unit", "в единицу"}),
    [](const auto& info) { return std::string(info.param.control); });

// Every name in the accessible tree under `root` with a word in Latin letters ("x" alone is a
// variable, not a word), as "name (role)".
void collectLatinWords(QAccessibleInterface* node, std::vector<std::string>& found) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    const QString name = node->text(QAccessible::Name);
    if (name.contains(word)) found.push_back(name.toStdString() + " (" + std::to_string(node->role()) + ")");
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        if (label->text(QAccessible::Name).contains(word))
            found.push_back("label " + label->text(QAccessible::Name).toStdString());
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i)) collectLatinWords(child, found);
}

class RussianPanelTest : public PanelTest {
    void prepareStore(SettingsStore& s) override { s.writeInt("RLang", 1); }
};

TEST_F(RussianPanelTest, NoControlOfTheWindowAreaIsNamedWithAnEnglishWord) {
    for (const bool statistics : {false, true}) {
        showPanels(*window, statistics);
        std::vector<std::string> english;
        collectLatinWords(QAccessible::queryAccessibleInterface(window->centralWidget()), english);
        EXPECT_EQ(english, std::vector<std::string>{}) << (statistics ? "statistics" : "scientific");
    }
}

TEST_F(PanelTest, TheSizeButtonIsLeftOutForScreenReaders) {
    QWidget* size = find<QWidget>("pnSize");
    ASSERT_TRUE(size->isVisible());
    EXPECT_FALSE(size->focusPolicy() & Qt::TabFocus) << "no tab stop: F4 does its job";
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(find<QWidget>("pnInd"));
    ASSERT_NE(strip, nullptr);
    std::vector<QString> children;
    for (int i = 0; i < strip->childCount(); ++i) children.push_back(strip->child(i)->object()->objectName());
    EXPECT_EQ(children, (std::vector<QString>{"pnOut"}));
    EXPECT_EQ(strip->indexOfChild(QAccessible::queryAccessibleInterface(size)), -1);
    EXPECT_EQ(strip->indexOfChild(QAccessible::queryAccessibleInterface(find<QWidget>("pnOut"))), 0);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(size)->state().invisible);
}

TEST_F(PanelTest, TheDisplaysAccessibleNameFollowsTheCalculation) {
    type("2/3=");
    QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(find("pnOut"));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->role(), QAccessible::StaticText);
    EXPECT_EQ(screen->text(QAccessible::Name), "0,666666666666667");
    QGuiApplication::clipboard()->setText("1,5E20");
    window->miPasteClick();
    EXPECT_EQ(screen->text(QAccessible::Name), "1,500000000000E+0020");
    QTest::keyClick(handle(), Qt::Key_Escape);
    type("1234567");
    EXPECT_EQ(screen->text(QAccessible::Name), "1 234 567");
}

TEST_F(PanelTest, TheStatisticsListLetsTheKeyboardGo) {
    showPanels(*window, true);
    QTextEdit* list = window->statisticsPanel()->list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton);
    ASSERT_TRUE(list->hasFocus());
    type("12");
    EXPECT_EQ(display(), "12 ") << "typing in the list drives the keypad";
    QTest::keyClick(list, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12") << "Ctrl+Insert copies the entry";
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_FALSE(list->hasFocus()) << "Tab leaves the list";
    EXPECT_FALSE(list->toPlainText().contains(QLatin1Char('\t')));
}

} // namespace
} // namespace orv::testing
