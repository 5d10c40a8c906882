// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>

#include <functional>

namespace orv::testing {
namespace {

const char* const kDivideByZero = "It is impossible to divide into a zero!";
const char* const kNegativeRoot = "It is impossible to take a square root from a negative number!";

class ErrorHintTest : public WindowTest {
  public:
    TErrorHintWindow& hint() { return window->errorHint(); }
    void showDivisionByZero() {
        type("7/0=");
        ASSERT_TRUE(hint().isVisible());
        ASSERT_EQ(hint().text(), kDivideByZero);
    }
    void send(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
        const QPointF at = QRectF(target->rect()).center();
        QMouseEvent event(type, at, target->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
};

TEST_F(ErrorHintTest, SitsUnderTheDisplayInOrangeWithANavyRedFrameAndBlackText) {
    showDivisionByZero();
    TextPanel* display = find("pnOut");
    EXPECT_EQ(hint().pos(), display->mapToGlobal(QPoint(0, 0)) + QPoint(6, display->height() + 1));
    EXPECT_TRUE(hint().testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(hint().windowFlags() & Qt::ToolTip);

    const QImage image = hint().grab().toImage();
    EXPECT_EQ(QColor(image.pixel(0, 0)), QColor(128, 0, 0)); // frame 0x000080
    EXPECT_EQ(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(128, 0, 0));
    EXPECT_EQ(QColor(image.pixel(1, image.height() - 2)), QColor(255, 128, 64)); // 0x4080FF
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            black += QColor(image.pixel(x, y)).lightness() < 40 ? 1 : 0;
    EXPECT_GT(black, 20);
}

TEST_F(ErrorHintTest, LongTextsWrapAt298Pixels) {
    type("9s@");
    ASSERT_TRUE(hint().isVisible());
    EXPECT_EQ(hint().text(), kNegativeRoot);
    EXPECT_LE(hint().width(), 298 + 6);
    EXPECT_GE(hint().height(), 2 * hint().fontMetrics().lineSpacing() + 4);
    EXPECT_EQ(display(), "-9 ");
}

struct DismissRow {
    const char* name;
    std::function<void(ErrorHintTest&)> input;
    bool hides;
    const char* displayAfter; // the input still acts: what the display shows after it
};

std::ostream& operator<<(std::ostream& os, const DismissRow& row) {
    return os << row.name;
}

class DismissTest : public ErrorHintTest, public ::testing::WithParamInterface<DismissRow> {};

const DismissRow kDismissRows[] = {
    {"KeyDown", [](ErrorHintTest& t) { QTest::keyPress(t.handle(), Qt::Key_5, Qt::NoModifier); }, true, "5 "},
    {"TypedCharacterOfAKeyWithoutCode", [](ErrorHintTest& t) { QTest::keyClick(t.handle(), '+'); }, true,
     "0 "},
    {"KeyUp", [](ErrorHintTest& t) { QTest::keyRelease(t.handle(), Qt::Key_5, Qt::NoModifier); }, false,
     "0 "},
    {"LeftButtonDownOnAKey",
     [](ErrorHintTest& t) {
         t.send(t.window->keypadButton(KeypadKey::Digit5), QEvent::MouseButtonPress, Qt::LeftButton);
     },
     true, "5 "},
    {"RightButtonDownOnAKey",
     [](ErrorHintTest& t) {
         t.send(t.window->keypadButton(KeypadKey::Digit8), QEvent::MouseButtonPress, Qt::RightButton);
     },
     true, "8 "},
    {"ButtonUp",
     [](ErrorHintTest& t) {
         t.send(t.window->keypadButton(KeypadKey::Digit5), QEvent::MouseButtonRelease, Qt::LeftButton);
     },
     false, "0 "},
    {"MouseMove", [](ErrorHintTest& t) { t.send(t.find("pnOut3"), QEvent::MouseMove, Qt::NoButton); }, false,
     "0 "},
    {"DoubleClick",
     [](ErrorHintTest& t) { t.send(t.find("pnOut3"), QEvent::MouseButtonDblClick, Qt::LeftButton); }, true,
     "0 "},
    {"Wheel",
     [](ErrorHintTest& t) {
         QWidget* target = t.find("pnOut3");
         QWheelEvent wheel(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(target, &wheel);
     },
     true, "0 "},
    {"MenuCommand", [](ErrorHintTest& t) { t.window->findChild<QAction*>("miPaste")->trigger(); }, true,
     "12,5 "},
    {"MenuShortcut", [](ErrorHintTest& t) { QTest::keyClick(t.handle(), Qt::Key_Insert, Qt::ShiftModifier); },
     true, "12,5 "},
    {"KeySentStraightToAControl", // its shortcut check is all the hint sees of it
     [](ErrorHintTest& t) {
         QTest::keyClick(t.window->keypadButton(KeypadKey::Digit5), Qt::Key_X);
         QCoreApplication::processEvents();
     },
     true, "0 "},
    {"MenuShortcutPassedOnLate", // as a screen reader's bridge passes keys on: not as the system's own
     [](ErrorHintTest& t) {
         QKeyEvent press(QEvent::KeyPress, Qt::Key_Insert, Qt::ShiftModifier);
         QApplication::sendEvent(t.handle(), &press);
     },
     true, "12,5 "},
    {"ApplicationDeactivation",
     [](ErrorHintTest&) {
         QApplicationStateChangeEvent event(Qt::ApplicationInactive);
         QApplication::sendEvent(qApp, &event);
     },
     true, "0 "},
};

TEST_P(DismissTest, HidesOnInputThatStillActs) {
    const DismissRow& row = GetParam();
    QGuiApplication::clipboard()->setText("12,5");
    showDivisionByZero();
    row.input(*this);
    EXPECT_EQ(hint().isVisible(), !row.hides);
    EXPECT_EQ(display(), QString::fromUtf8(row.displayAfter));
}

INSTANTIATE_TEST_SUITE_P(Inputs, DismissTest, ::testing::ValuesIn(kDismissRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ErrorHintTest, TheKeyThatHidesTheHintMayShowItAgain) {
    showDivisionByZero();
    type("r"); // 1/x of the 0 on the display
    EXPECT_TRUE(hint().isVisible());
    EXPECT_EQ(hint().text(), kDivideByZero);
    type("5");
    EXPECT_FALSE(hint().isVisible());
}

TEST_F(ErrorHintTest, AKeyPassedOnLateShowsTheHintAndLeavesItShown) {
    // A screen reader's bridge holds each key and passes it on afterwards, not as the system's
    // own: its shortcut check then comes after the press instead of before.
    type("7/0");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(handle(), &press);
    QCoreApplication::processEvents();
    EXPECT_TRUE(hint().isVisible());
    EXPECT_EQ(hint().text(), kDivideByZero);
    type("5");
    EXPECT_FALSE(hint().isVisible());
}

TEST_F(ErrorHintTest, ShowingAgainWhileShownReplacesTheTextAndOneInputStillHidesIt) {
    showDivisionByZero();
    window->showErrorHint(HintTarget::Display, kNegativeRoot);
    EXPECT_TRUE(hint().isVisible());
    EXPECT_EQ(hint().text(), kNegativeRoot);
    type("1");
    EXPECT_FALSE(hint().isVisible());
    // Hidden, the hint no longer watches the input: showing it again works the same way.
    window->showErrorHint(HintTarget::Display, kDivideByZero);
    send(find("pnOut3"), QEvent::MouseMove, Qt::NoButton);
    EXPECT_TRUE(hint().isVisible());
    type("2");
    EXPECT_FALSE(hint().isVisible());
}

TEST_F(ErrorHintTest, TheFocusStaysWhereItWasWhenTheDisplayShowsTheHint) {
    // The display is a tab stop, but the user is at a key pressed with Space: the keyboard stays there.
    TButtonPanel* key = window->keypadButton(KeypadKey::Digit7);
    key->setFocus(Qt::TabFocusReason);
    showDivisionByZero();
    EXPECT_EQ(QApplication::focusWidget(), key);
    type("5");
    EXPECT_EQ(display(), "5 ");
}

struct FocusRow {
    const char* name;
    Qt::FocusPolicy policy; // of the control the hint is shown under
    bool takesFocus;
};

std::ostream& operator<<(std::ostream& os, const FocusRow& row) { return os << row.name; }

class HintFocusTest : public ErrorHintTest, public ::testing::WithParamInterface<FocusRow> {};

TEST_P(HintFocusTest, OnlyAControlThatTabReachesTakesTheFocus) {
    // A window of its own, as the Evaluator's: an expression field and a frame under it.
    QWidget other;
    auto* field = new QLineEdit(&other);
    auto* control = new QFrame(&other);
    control->setGeometry(0, 30, 100, 20);
    control->setFocusPolicy(GetParam().policy);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    hint().showHint(control, QString::fromLatin1(kDivideByZero));
    EXPECT_EQ(QApplication::focusWidget(), GetParam().takesFocus ? static_cast<QWidget*>(control) : field);
    hint().hideHint();
}

INSTANTIATE_TEST_SUITE_P(Policies, HintFocusTest,
                         ::testing::Values(FocusRow{"StrongFocus", Qt::StrongFocus, true},
                                           FocusRow{"TabFocus", Qt::TabFocus, true},
                                           FocusRow{"ClickFocusOnly", Qt::ClickFocus, false},
                                           FocusRow{"NoFocus", Qt::NoFocus, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The hint's accessible name each time the hint shows.
class NamesAtShow : public QObject {
  public:
    std::vector<QString> names;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            names.push_back(QAccessible::queryAccessibleInterface(watched)->text(QAccessible::Name));
        return false;
    }
};

TEST_F(ErrorHintTest, ScreenReadersSeeAnAlertThatShowsWithItsMessage) {
    NamesAtShow atShow;
    hint().installEventFilter(&atShow);
    showDivisionByZero();
    window->showErrorHint(HintTarget::Display, kNegativeRoot); // a new message on the shown hint
    hint().removeEventFilter(&atShow);
    EXPECT_EQ(atShow.names, std::vector<QString>{kDivideByZero})
        << "it shows with its message, not the one before";
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&hint());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::AlertMessage);
    EXPECT_EQ(a->text(QAccessible::Name), kNegativeRoot);
}

class RussianErrorHintTest : public ErrorHintTest {
    void prepareStore(SettingsStore& s) override { s.writeInt("RLang", 1); }
};

TEST_F(RussianErrorHintTest, TheAlertSpeaksTheLanguage) {
    type("7/0");
    QTest::keyClick(handle(), Qt::Key_Return);
    ASSERT_TRUE(hint().isVisible());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&hint());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->role(), QAccessible::AlertMessage);
    EXPECT_EQ(a->text(QAccessible::Name), QString::fromUtf8("Нельзя делить на ноль!"));
}

TEST_F(RussianErrorHintTest, APasteWithoutANumberSaysSoInTheLanguage) {
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(handle(), Qt::Key_Insert, Qt::ShiftModifier);
    ASSERT_TRUE(hint().isVisible());
    EXPECT_EQ(hint().text(), QString::fromUtf8("В буфере обмена нет числа"));
}

} // namespace
} // namespace orv::testing
