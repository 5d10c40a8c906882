// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The View-menu layouts: widths, heights, moves, the display's geometry and the size items.
#include "about_window.h"
#include "button_panel.h"
#include "conversion_panel.h"
#include "evaluator_window.h"
#include "key_pictures.h"
#include "preferences_window.h"
#include "tape_window.h"
#include "text_panel.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QPainterPath>
#include <QLabel>
#include <QRadioButton>
#include <QTextDocument>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QScreen>
#include <QMenu>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

namespace orv::testing {
namespace {

class LayoutTest : public WindowTest {
  protected:
    void press(Qt::Key key) { QTest::keyClick(handle(), key); }
    // Several keys in a row, as a user would press them.
    void press(std::initializer_list<Qt::Key> keys) {
        for (Qt::Key key : keys)
            press(key);
    }
    QAction* item(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    bool shown(const char* name) const { return find<QWidget>(name)->isVisible(); }
    int displayWidth() const { return find("pnOut")->width(); }
    // Lets the event loop run until the condition holds or the time is up.
    static bool settlesWithin(int ms, const std::function<bool()>& condition) {
        QElapsedTimer clock;
        clock.start();
        while (!condition() && clock.elapsed() < ms)
            QTest::qWait(10);
        return condition();
    }
};

TEST_F(LayoutTest, TheClientAreaBelowTheMenuBarIsTheDesignedOne) {
    const auto client = [this] { return window->centralWidget()->size(); };
    const auto bottomOf = [this](const char* name) { return find<QWidget>(name)->geometry().bottom() + 1; };
    EXPECT_EQ(client(), QSize(240, 172));
    EXPECT_EQ(bottomOf("pnSimple"), 171) << "no blank band under the keypad";
    press(Qt::Key_F6);
    EXPECT_EQ(client(), QSize(468, 200));
    EXPECT_LE(200 - bottomOf("pnMHist"), 6) << "no blank band under the memory line";
    press(Qt::Key_F5);
    EXPECT_EQ(client(), QSize(637, 200));
    press(Qt::Key_F6);
    EXPECT_EQ(client(), QSize(409, 172)) << "memory unused: the row closes with the panel";
    press(Qt::Key_F5);
    window->MaxMinClick();
    EXPECT_EQ(client(), QSize(240, 31));
    EXPECT_EQ(bottomOf("pnInd"), 29);
}

TEST_F(LayoutTest, ScientificPanelWidensTheWindowAndOpensTheMemoryRow) {
    ASSERT_EQ(window->outerSize(), QSize(246, 216));
    press(Qt::Key_F6);
    EXPECT_EQ(window->outerSize(), QSize(474, 244));
    EXPECT_FALSE(item("miMax")->isEnabled());
    EXPECT_FALSE(item("miMin")->isEnabled());
    EXPECT_TRUE(item("miScience")->isChecked());
    EXPECT_FALSE(shown("pnSize"));
    EXPECT_EQ(displayWidth(), 240);
    EXPECT_EQ(find("pnOut3")->width(), 222);
    EXPECT_EQ(find("pnOut2")->x(), 197);
    EXPECT_TRUE(shown("pnScience"));
    EXPECT_EQ(find<QWidget>("pnScience")->x(), 244);
    EXPECT_TRUE(shown("pnMemory"));
    EXPECT_TRUE(shown("pnMHist"));

    press(Qt::Key_F6);
    EXPECT_EQ(window->outerSize(), QSize(246, 216)); // memory unused: the row closes again
    EXPECT_TRUE(item("miMax")->isEnabled());
    EXPECT_FALSE(item("miScience")->isChecked());
    EXPECT_TRUE(shown("pnSize"));
    EXPECT_EQ(displayWidth(), 209);
    EXPECT_EQ(find("pnOut3")->width(), 191);
    EXPECT_EQ(find("pnOut2")->x(), 166);
}

TEST_F(LayoutTest, LeavingTheScientificPanelKeepsAMemoryRowInUse) {
    type("5^P"); // M+
    ASSERT_EQ(window->outerSize().height(), 244);
    press({Qt::Key_F6, Qt::Key_F6});
    EXPECT_EQ(window->outerSize(), QSize(246, 244));
}

TEST_F(LayoutTest, StatisticsTakesTheScientificPanelsPlaceAtTheSameSize) {
    press(Qt::Key_F6);
    const QSize before = window->outerSize();
    press(Qt::Key_F7);
    EXPECT_EQ(window->outerSize(), before);
    EXPECT_TRUE(shown("pnStatist"));
    EXPECT_FALSE(shown("pnScience"));
    EXPECT_EQ(find<QWidget>("pnStatist")->x(), 244);
    EXPECT_TRUE(item("miStatist")->isChecked());
    EXPECT_FALSE(item("miScience")->isChecked());
    EXPECT_FALSE(item("miMax")->isEnabled());
    // and back
    press(Qt::Key_F6);
    EXPECT_EQ(window->outerSize(), before);
    EXPECT_TRUE(shown("pnScience"));
    EXPECT_FALSE(shown("pnStatist"));
}

struct WidthRow {
    const char* name;
    std::vector<Qt::Key> keys;
    std::vector<int> widths;     // after each key
    std::vector<int> leftShifts; // window x after each key minus x before the first
};

std::ostream& operator<<(std::ostream& os, const WidthRow& row) { return os << row.name; }

class WidthTest : public LayoutTest, public ::testing::WithParamInterface<WidthRow> {};

TEST_P(WidthTest, WidthsAndMovesFollowTheCommands) {
    const WidthRow& row = GetParam();
    const QRect area = window->screen()->availableGeometry();
    window->move(area.left() + 200, area.top() + 100); // room for the shift and for 643 pixels
    const int x0 = window->x();
    for (std::size_t i = 0; i < row.keys.size(); ++i) {
        press(row.keys[i]);
        EXPECT_EQ(window->outerSize().width(), row.widths[i]) << "after key " << i;
        EXPECT_EQ(window->x() - x0, row.leftShifts[i]) << "after key " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WidthTest,
    ::testing::Values(
        WidthRow{"ConversionThenScientific", {Qt::Key_F5, Qt::Key_F6}, {415, 643}, {-168, -168}},
        WidthRow{"ScientificThenConversion", {Qt::Key_F6, Qt::Key_F5}, {474, 643}, {0, -168}},
        WidthRow{"ConversionOffWithAWidePanel", {Qt::Key_F6, Qt::Key_F5, Qt::Key_F5, Qt::Key_F6},
                 {474, 643, 476, 246}, {0, -168, -168, -168}},
        WidthRow{"ConversionOnAndOff", {Qt::Key_F5, Qt::Key_F5}, {415, 246}, {-168, 0}},
        WidthRow{"StatisticsBesideConversion", {Qt::Key_F5, Qt::Key_F7, Qt::Key_F7}, {415, 643, 415},
                 {-168, -168, -168}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LayoutTest, TheConversionShiftStopsAtTheLeftEdgeOfTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    window->move(area.left(), area.top() + 50);
    const QPoint start = window->pos();
    press(Qt::Key_F5);
    EXPECT_GE(window->x(), area.left()) << "the menu bar and the panel stay on the screen";
    EXPECT_EQ(window->outerSize().width(), 415) << "the window widens to the right instead";
    press(Qt::Key_F5);
    EXPECT_EQ(window->pos(), start) << "hiding gives back only the shift taken";

    for (int cycle = 0; cycle < 10; ++cycle)
        press({Qt::Key_F5, Qt::Key_F6, Qt::Key_F5, Qt::Key_F6});
    EXPECT_EQ(window->pos(), start) << "panels on and off do not walk the window away";

    window->move(area.left() + 100, area.top() + 50);
    press(Qt::Key_F5);
    EXPECT_EQ(window->x(), area.left()) << "a part of the shift where the screen has less room";
    press(Qt::Key_F5);
    EXPECT_EQ(window->x(), area.left() + 100);
}

TEST_F(LayoutTest, AWindowThatGrowsAtTheRightOrBottomEdgeStaysOnTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    window->move(area.right() + 1 - window->frameGeometry().width(),
                 area.bottom() + 1 - window->frameGeometry().height());
    press(Qt::Key_F6); // wider, and taller by the memory row
    const QRect frame = window->frameGeometry();
    EXPECT_LE(frame.right(), area.right());
    EXPECT_LE(frame.bottom(), area.bottom());
    EXPECT_EQ(window->outerSize(), QSize(474, 244));
}

TEST_F(LayoutTest, ConversionPanelMovesTheKeypadAndWidensTheDisplay) {
    press(Qt::Key_F5);
    EXPECT_TRUE(shown("pnConvert"));
    EXPECT_TRUE(shown("cb1"));
    EXPECT_TRUE(shown("cb2"));
    EXPECT_EQ(find<QWidget>("pnInd")->x(), 166);
    EXPECT_EQ(find<QWidget>("pnSimple")->x(), 166);
    EXPECT_EQ(find<QWidget>("pnMHist")->x(), 168);
    EXPECT_EQ(displayWidth(), 240);
    EXPECT_FALSE(item("miMin")->isEnabled());
    EXPECT_FALSE(find("pnSize")->isEnabled());
    press(Qt::Key_F6);
    EXPECT_EQ(find<QWidget>("pnScience")->x(), 410);
    EXPECT_EQ(find<QWidget>("pnMemory")->x(), 410);
    press(Qt::Key_F5);
    EXPECT_FALSE(shown("pnConvert"));
    EXPECT_FALSE(shown("cb1"));
    EXPECT_EQ(find<QWidget>("pnSimple")->x(), 0);
    EXPECT_EQ(find<QWidget>("pnMHist")->x(), 0);
    EXPECT_EQ(find<QWidget>("pnScience")->x(), 244);
    EXPECT_EQ(displayWidth(), 240); // the wide panel still needs the wide display
    EXPECT_FALSE(item("miMax")->isEnabled());
}

TEST_F(LayoutTest, ReturnFromConversionToThePlainKeypadUsesA210PixelDisplay) {
    press({Qt::Key_F5, Qt::Key_F5});
    EXPECT_EQ(displayWidth(), 210);
    EXPECT_TRUE(shown("pnSize"));
    EXPECT_TRUE(find("pnSize")->isEnabled());
    EXPECT_TRUE(item("miMax")->isEnabled());
    EXPECT_TRUE(item("miMin")->isEnabled());
}

TEST_F(LayoutTest, HidingTheScientificPanelBesideConversionKeepsTheSizeItemsDisabled) {
    press({Qt::Key_F5, Qt::Key_F6, Qt::Key_F6});
    EXPECT_EQ(window->outerSize().width(), 415);
    EXPECT_EQ(displayWidth(), 240);
    EXPECT_FALSE(item("miMax")->isEnabled());
    press(Qt::Key_F4);
    EXPECT_TRUE(window->fullSize()); // no reduced layout beside the conversion panel
}

class FromReducedTest : public LayoutTest, public ::testing::WithParamInterface<std::pair<Qt::Key, const char*>> {};

TEST_P(FromReducedTest, APanelCommandFirstRestoresTheFullLayout) {
    const auto& [key, panel] = GetParam();
    press(Qt::Key_F4);
    ASSERT_EQ(window->outerSize().height(), 75);
    press(key);
    EXPECT_TRUE(window->fullSize());
    EXPECT_GE(window->outerSize().height(), 216);
    EXPECT_TRUE(item("miMax")->isChecked());
    EXPECT_TRUE(shown(panel));
    EXPECT_TRUE(shown("pnSimple"));
}

INSTANTIATE_TEST_SUITE_P(Panels, FromReducedTest,
                         ::testing::Values(std::pair{Qt::Key_F5, "pnConvert"}, std::pair{Qt::Key_F6, "pnScience"},
                                           std::pair{Qt::Key_F7, "pnStatist"}));

TEST_F(LayoutTest, F4TogglesThePlainKeypadOnlyAndDoesNothingBesideAPanel) {
    press(Qt::Key_F4);
    EXPECT_EQ(window->outerSize(), QSize(246, 75));
    EXPECT_TRUE(item("miMin")->isChecked());
    EXPECT_FALSE(shown("pnSimple"));
    // The menu shows the key beside the layout it leads to.
    EXPECT_EQ(item("miMax")->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_TRUE(item("miMin")->shortcut().isEmpty());
    press(Qt::Key_F4);
    EXPECT_EQ(window->outerSize(), QSize(246, 216));
    EXPECT_TRUE(item("miMax")->isChecked());

    press(Qt::Key_F6);
    press(Qt::Key_F4);
    EXPECT_EQ(window->outerSize(), QSize(474, 244));
    EXPECT_TRUE(item("miMax")->isChecked());
}

TEST_F(LayoutTest, MemoryClearClosesTheRowOnlyWithThePlainKeypad) {
    type("5^P");
    ASSERT_EQ(window->outerSize().height(), 244);
    window->pressKeypadKey(KeypadKey::MC);
    EXPECT_EQ(window->outerSize().height(), 216);

    press(Qt::Key_F7);
    ASSERT_EQ(window->outerSize().height(), 244);
    type("5^P");
    window->pressKeypadKey(KeypadKey::MC);
    EXPECT_EQ(window->outerSize().height(), 244); // the statistics view keeps its memory row
    EXPECT_TRUE(shown("pnMHist"));
}

TEST_F(LayoutTest, AfterAChoiceTheFocusIsBackOnTheListAndTheKeypadKeysStillWork) {
    press(Qt::Key_F5);
    auto* groups = find<TUnitList>("cbVibor");
    groups->setCurrentIndex(4); // temperatures: "Reaumur's degree" begins with the R of 1/x
    emit groups->activated(4);
    for (const char* name : {"cb1", "cb2", "cbVibor"}) {
        auto* list = find<TUnitList>(name);
        window->keypadButton(KeypadKey::C)->setFocus(Qt::TabFocusReason);
        list->showPopup();
        QTest::qWait(150); // the timer sees the list open
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        ASSERT_FALSE(list->isListOpen()) << name;
        QTRY_VERIFY2_WITH_TIMEOUT(list->hasFocus(), name, 300);
        EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange))
            << name << ": shown with its focus mark";
        const int chosen = list->currentIndex();
        EXPECT_EQ(chosen, name == std::string("cbVibor") ? 5 : 1) << name;
        press(Qt::Key_Escape);
        type("4");
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a list would take the R alone
        type("r");
        EXPECT_EQ(display(), "0,25 ") << name << ": the keys drive the keypad";
        EXPECT_EQ(list->currentIndex(), chosen) << name << ": and pick nothing in the list";
        QTest::qWait(150);
        EXPECT_TRUE(list->hasFocus()) << name << ": the next ticks leave the focus where it is";
    }
}

class ConversionAtStartTest : public LayoutTest {
    void prepareStore(SettingsStore& s) override { s.writeInt("RCalcMode", 10); }
};

TEST_F(ConversionAtStartTest, NoListButTheDisplayHasTheKeyboard) {
    ASSERT_TRUE(window->conversionPanel()->isVisible());
    QTest::qWait(250);
    expectKeyboardOnDisplay("at start");
    EXPECT_EQ(find<QFrame>("pnOut")->frameShape(), QFrame::Panel) << "no focus mark before the keyboard moves it";
    type("7");
    EXPECT_EQ(display(), "7 ");
    EXPECT_EQ(find<QComboBox>("cbVibor")->currentIndex(), 0); // the digit did not pick a group
}

TEST_F(LayoutTest, AnOpenUnitListIsWideAndNarrowsAgainWhenClosed) {
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(settlesWithin(300, [timer] { return !timer->isActive(); }))
        << "an untouched window is not woken after start-up";
    press(Qt::Key_F5);
    auto* units = find<TUnitList>("cb1");
    ASSERT_EQ(units->width(), 155);
    EXPECT_FALSE(timer->isActive()) << "a shown panel with closed lists needs no watching";
    units->showPopup();
    EXPECT_TRUE(timer->isActive()) << "an open list is watched";
    EXPECT_EQ(units->width(), 280);
    ASSERT_GT(units->count(), units->maxVisibleItems());
    EXPECT_TRUE(units->view()->verticalScrollBar()->isVisible()) << "more units than shown: a scroll bar";
    QTest::qWait(150);
    EXPECT_EQ(units->width(), 280); // the timer leaves an open list wide
    EXPECT_TRUE(timer->isActive());
    units->hidePopup();
    QTRY_COMPARE_WITH_TIMEOUT(units->width(), 155, 300);
    EXPECT_EQ(units->width(), 155);
    EXPECT_TRUE(settlesWithin(300, [timer] { return !timer->isActive(); }))
        << "the timer stops once the closed list is dealt with";
}

class TrayTest : public LayoutTest {
  protected:
    void prepareStore(SettingsStore& s) override { s.writeInt("RMinToTray", trayOn ? 1 : 0); }
    bool trayOn = false;
};

TEST_F(TrayTest, WithoutTheTraySettingATrayClickDoesNotShowTheWindow) {
    window->hide();
    window->RxTrayIcon1Click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayTest, MinimisingWithoutADesktopTrayLeavesTheWindowAsUsual) {
    trayOn = true;
    store->writeInt("RMinToTray", 1);
    openWindow();
    window->showMinimized();
    QTest::qWait(20);
    // The offscreen desktop has no tray: hiding would leave no way back.
    EXPECT_TRUE(window->isVisible());
    window->hide();
    window->RxTrayIcon1Click();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(TrayTest, TheTrayMenuShowsOrHidesTheWindowInTheLanguageInUse) {
    auto* menu = window->findChild<QMenu*>(QStringLiteral("RxTrayMenu"));
    ASSERT_NE(menu, nullptr);
    QAction* showHide = item("miTrayShowHide");
    QAction* quit = item("miTrayQuit");
    ASSERT_NE(showHide, nullptr);
    ASSERT_NE(quit, nullptr);
    emit menu->aboutToShow();
    EXPECT_EQ(showHide->text(), "Hide");
    EXPECT_EQ(quit->text(), "Quit");
    showHide->trigger();
    EXPECT_FALSE(window->isVisible());
    window->SetLang(1); // switched while the window is hidden
    EXPECT_EQ(showHide->text(), QString::fromUtf8("Показать"));
    EXPECT_EQ(quit->text(), QString::fromUtf8("Выход"));
    showHide->trigger(); // works without the tray setting: it is the way back
    EXPECT_TRUE(window->isVisible());
    emit menu->aboutToShow();
    EXPECT_EQ(showHide->text(), QString::fromUtf8("Скрыть"));
    window->SetLang(0);
    EXPECT_EQ(showHide->text(), "Hide");
}

void minimise(TCalculator& w) { w.showMinimized(); }
void trayMenuItem(TCalculator& w) { w.findChild<QAction*>(QStringLiteral("miTrayShowHide"))->trigger(); }
void trayClick(TCalculator& w) { w.RxTrayIcon1Click(); }
void tapeLineUsed(TCalculator& w) { w.focusDisplay(); }

TEST_F(TrayTest, TheTapeGoesToTheTrayWithTheWindowAndComesBackWithIt) {
    window->setTrayCheck([] { return true; }); // a desktop with a tray
    Settings settings = window->settings();
    settings.MinimizeToTray = true;
    window->applyPreferences(settings);
    const std::tuple<bool, void (*)(TCalculator&), void (*)(TCalculator&)> rows[] = {
        {true, minimise, trayClick}, {true, trayMenuItem, trayMenuItem}, {true, minimise, tapeLineUsed},
        {false, minimise, trayMenuItem}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        const auto& [tapeOpen, hide, back] = rows[i];
        tapeOpen ? window->miTapeClick() : void(window->tapeWindow()->close());
        hide(*window);
        EXPECT_TRUE(settlesWithin(300, [this] { return !window->isVisible(); }));
        EXPECT_FALSE(window->tapeWindow()->isVisible());
        back(*window);
        EXPECT_TRUE(window->isVisible() && !window->isMinimized());
        EXPECT_EQ(window->tapeWindow()->isVisible(), tapeOpen);
    }
}

// Rows: the setting at start, the looks before a tray is there, Preferences turning it off meanwhile.
TEST_F(TrayTest, ATrayThatStartsLaterGetsTheIconTheSettingAsksFor) {
    const std::tuple<bool, int, bool, bool> rows[] = {
        {true, 3, false, true}, {true, 1000, false, false}, {false, 0, false, false}, {true, 3, true, false}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        const auto& [asked, trayAfter, turnedOff, iconShown] = rows[i];
        store->writeInt("RMinToTray", asked ? 1 : 0);
        openWindow(); // on a desktop without a tray
        auto* wait = window->findChild<QTimer*>(QStringLiteral("TrayWait"));
        EXPECT_EQ(wait->isActive(), asked);
        wait->setInterval(1);
        window->setTrayCheck([looks = 0, after = trayAfter]() mutable { return ++looks >= after; });
        Settings settings = window->settings();
        settings.MinimizeToTray = !turnedOff;
        if (turnedOff) window->applyPreferences(settings);
        EXPECT_TRUE(settlesWithin(500, [wait] { return !wait->isActive(); }));
        EXPECT_EQ(window->findChild<QSystemTrayIcon*>()->isVisible(), iconShown);
    }
}

TEST_F(TrayTest, PreferencesWithTheTraySettingWarnNothingWhereTheDesktopHasNoTray) {
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable()) << "the offscreen desktop has no tray";
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    Settings settings = window->settings();
    settings.MinimizeToTray = true;
    window->applyPreferences(settings);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.filter(QStringLiteral("QSystemTrayIcon")).isEmpty())
        << warnings.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(window->findChild<QSystemTrayIcon*>()->isVisible());
}

// --- Every edge is drawn ----------------------------------------------------------------------

constexpr int kCaptionMargin = 2; // blank pixels between a key's bevel and its caption

// What of the edges of the keys and of the white boxes (display, memory line, result, preview)
// does not show, in the window as a whole: each edge's outer line must differ from the panel's
// fill, and nothing (a child, a neighbour) may cover it.
std::vector<std::string> hiddenEdges(QWidget& top) {
    std::vector<std::string> hidden;
    const QImage window = top.grab().toImage();
    std::vector<QFrame*> frames;
    for (TButtonPanel* key : top.findChildren<TButtonPanel*>())
        frames.push_back(key);
    for (const char* box : {"pnOut", "pnMHist", "pnResult", "pnOutPref"})
        if (auto* frame = top.findChild<QFrame*>(QString::fromLatin1(box))) frames.push_back(frame);
    for (QFrame* frame : frames) {
        if (!frame->isVisibleTo(&top) || frame->frameShape() == QFrame::NoFrame) continue; // flat buttons
        const std::string name = frame->objectName().toStdString();
        if (frame->frameRect() != frame->rect()) hidden.push_back(name + ": the frame lies outside the panel");
        for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(frame) && !frame->contentsRect().contains(child->geometry()))
                hidden.push_back(name + ": " + child->objectName().toStdString() + " covers the frame");
        const QImage own = frame->grab().toImage();
        const QRgb fill = frame->palette().color(frame->backgroundRole()).rgb();
        const int w = frame->width(), h = frame->height();
        const struct {
            const char* edge;
            QPoint a, b;
        } edges[] = {{"top", {0, 0}, {w - 1, 0}}, {"bottom", {0, h - 1}, {w - 1, h - 1}},
                     {"left", {0, 0}, {0, h - 1}}, {"right", {w - 1, 0}, {w - 1, h - 1}}};
        for (const auto& edge : edges) {
            for (const double at : {0.25, 0.5, 0.75}) {
                const QPoint p = edge.a + (edge.b - edge.a) * at;
                const QPoint inWindow = frame->mapTo(&top, p);
                const QRgb drawn = own.pixel(p);
                if (drawn == fill || window.pixel(inWindow) != drawn) {
                    hidden.push_back(name + ": " + edge.edge + " edge");
                    break;
                }
            }
        }
    }
    return hidden;
}

TEST_F(LayoutTest, EveryFramedPanelShowsItsFourEdgesInEveryWindow) {
    TEvaluator evaluator(window->calculator(), *store, window->errorHint());
    TPreForm preferences(*store, *window);
    evaluator.applyLook(EvaluatorLook{find("pnOut3")->font(), Qt::darkBlue, Qt::white, Qt::white});
    type("1234567890123456");
    type("^P"); // the memory line in use, an exponent on the display and in the memory line
    evaluator.setExpression(QStringLiteral("2^70"));
    evaluator.bpEvaluateClick();
    EXPECT_EQ(hiddenEdges(*window), std::vector<std::string>{}) << "plain keypad";
    for (const Qt::Key panel : {Qt::Key_F6, Qt::Key_F7, Qt::Key_F5}) {
        press(panel);
        EXPECT_EQ(hiddenEdges(*window), std::vector<std::string>{}) << "after key " << panel;
    }
    EXPECT_EQ(hiddenEdges(evaluator), std::vector<std::string>{}) << "Evaluator";
    EXPECT_EQ(hiddenEdges(preferences), std::vector<std::string>{}) << "Preferences";
}

TEST_F(LayoutTest, TheCubeRootsIndexStandsClearOfTheSignAtTheKeysSize) {
    press(Qt::Key_F6);
    const TButtonPanel* key = find<TButtonPanel>("bp3Root");
    const CubeRootParts parts = cubeRootParts();
    QPainterPath whole = parts.sign;
    whole.addPath(parts.index);
    const QRectF bounds = whole.boundingRect();
    const QRect area = key->contentsRect();
    const qreal scale = std::min(area.width() / bounds.width(), area.height() / bounds.height());
    // One pixel of the key, at least, between the 3 and the tick.
    const qreal pixel = 1 / scale;
    EXPECT_FALSE(parts.sign.intersects(parts.index.boundingRect().adjusted(-pixel, -pixel, pixel, pixel)));
}

// No dialog leaves a blank strip past its controls, and no group's title sits on its edge.
TEST_F(LayoutTest, DialogsEndAtTheirControlsAndKeepGroupTitlesOffTheEdge) {
    TPreForm preferences(*store, *window);
    TAbout about(*window);
    constexpr int kMostBlank = 8;
    const struct {
        const char* name;
        QWidget* dialog;
    } rows[] = {{"Preferences", &preferences}, {"About", &about}};
    for (const auto& row : rows) {
        QRect used;
        for (const QWidget* child : row.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(row.dialog)) used |= child->geometry();
        EXPECT_LE(row.dialog->height() - 1 - used.bottom(), kMostBlank) << row.name << ": blank at the bottom";
        EXPECT_LE(row.dialog->width() - 1 - used.right(), kMostBlank) << row.name << ": blank at the right";
        for (const QGroupBox* box : row.dialog->findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly))
            EXPECT_GE(box->y(), 4) << row.name << ": " << box->objectName().toStdString();
    }
}

// --- Every text shows whole --------------------------------------------------------------------

// The texts of a window's visible controls that do not fit the room they have, in their own
// font: labels, radio and check boxes, buttons, group titles and painted captions (which may
// be condensed, but not past legibility).
std::vector<std::string> clippedTexts(const QWidget& top) {
    std::vector<std::string> clipped;
    const auto check = [&](const QWidget* w, const QString& text, qreal needed, qreal available) {
        if (needed > available + 0.5)
            clipped.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                              std::to_string(int(needed)) + " px, has " + std::to_string(int(available)));
    };
    for (const QWidget* w : top.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&top) || w->width() == 0) continue;
        const QFontMetricsF metrics(w->font());
        if (const auto* panel = qobject_cast<const TextPanel*>(w)) {
            if (panel->hasPicture() || panel->text().trimmed().isEmpty()) continue;
            const QFont painted = panel->paintedFont();
            check(w, panel->text().trimmed(), QFontMetricsF(painted).horizontalAdvance(panel->text().trimmed()),
                  panel->contentsRect().width());
            // A caption on a key keeps a margin inside the bevel ("arcsin" once ran edge to edge).
            if (qobject_cast<const TButtonPanel*>(w))
                check(w, panel->text().trimmed(),
                      QFontMetricsF(painted).horizontalAdvance(panel->text().trimmed()) + 2 * kCaptionMargin,
                      panel->frameRect().width() - 2 * panel->frameWidth());
            if (painted.stretch() != 0 && painted.stretch() < 70)
                clipped.push_back(w->objectName().toStdString() + " condensed to " + std::to_string(painted.stretch()) + " %");
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text())) continue;
            check(w, label->text(), metrics.horizontalAdvance(QString(label->text()).remove(QLatin1Char('&'))),
                  label->contentsRect().width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            if (text.isEmpty()) continue;
            if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w))
                check(w, text, button->sizeHint().width(), button->width());
            else
                check(w, text, metrics.horizontalAdvance(text) + 6, button->width());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            check(w, group->title(), metrics.horizontalAdvance(QString(group->title()).remove(QLatin1Char('&'))) + 12,
                  group->width());
        }
    }
    return clipped;
}

TEST_F(LayoutTest, EveryTextShowsWholeInEveryWindowAndBothLanguages) {
    TEvaluator evaluator(window->calculator(), *store, window->errorHint());
    TPreForm preferences(*store, *window);
    TAbout about(*window);
    for (const int language : {0, 1}) {
        window->SetLang(language);
        evaluator.SetLang(language);
        preferences.SetLang(language);
        const std::string in = language == 0 ? " (English)" : " (Russian)";
        // The scientific and conversion panels, then the statistics panel, with a long exponent
        // number on the display and in the memory line.
        press(Qt::Key_Escape);
        type("1234567890123456");
        type("^P");
        for (const Qt::Key panels : {Qt::Key_F6, Qt::Key_F7}) {
            if (!window->conversionPanel()->isVisible()) press(Qt::Key_F5);
            press(panels);
            EXPECT_EQ(clippedTexts(*window), std::vector<std::string>{}) << "main window" << in;
        }
        EXPECT_EQ(clippedTexts(evaluator), std::vector<std::string>{}) << "Evaluator" << in;
        EXPECT_EQ(clippedTexts(preferences), std::vector<std::string>{}) << "Preferences" << in;
        EXPECT_EQ(clippedTexts(about), std::vector<std::string>{}) << "About" << in;
        press({Qt::Key_F7, Qt::Key_F5});
    }
}

} // namespace
} // namespace orv::testing
