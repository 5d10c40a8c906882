// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "button_panel.h"
#include "key_pictures.h"
#include "keypad_table.h"
#include "locale_separators.h"
#include "tape_window.h"
#include "window_fixture.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>

#include <optional>

namespace orv::testing {
namespace {

using K = KeypadKey;

// --- Mouse: every keypad key acts on button-down, by left and by right button ----------------

struct MouseRow {
    KeypadKey key;
    const char* before;  // typed first
    const char* display; // pnOut3 afterwards
    const char* sign;    // pnSSS afterwards
    const char* memory;  // memory line afterwards, or nullptr when it does not matter
};

std::ostream& operator<<(std::ostream& os, const MouseRow& row) {
    return os << keypadKey(row.key).name;
}

const MouseRow kMouseRows[] = {
    {K::C, "2+3", "0 ", "=", nullptr},        {K::CE, "2+3", "0 ", "+", nullptr},
    {K::Sign, "5", "-5 ", "=", nullptr},      {K::Divide, "8", "8 ", "\u00F7", nullptr},
    {K::Multy, "8", "8 ", "\u00D7", nullptr}, {K::Minus, "8", "8 ", "-", nullptr},
    {K::MC, "5^P7", "7 ", "=", "0 "},         {K::Back, "12", "1 ", "=", nullptr},
    {K::Digit7, "", "7 ", "=", nullptr},      {K::Digit8, "1", "18 ", "=", nullptr},
    {K::Digit9, "", "9 ", "=", nullptr},      {K::Plus, "8", "8 ", "+", nullptr},
    {K::MR, "5^P9", "5 ", "=", "5 "},         {K::PerCent, "200+10", "220 ", "=", nullptr},
    {K::Digit4, "", "4 ", "=", nullptr},      {K::Digit5, "", "5 ", "=", nullptr},
    {K::Digit6, "", "6 ", "=", nullptr},      {K::MMinus, "5", "5 ", "=", "-5 "},
    {K::Inv, "4", "0,25 ", "=", nullptr},     {K::Digit1, "", "1 ", "=", nullptr},
    {K::Digit2, "", "2 ", "=", nullptr},      {K::Digit3, "", "3 ", "=", nullptr},
    {K::Eq, "2+3", "5 ", "+", nullptr},       {K::MPlus, "5", "5 ", "=", "5 "},
    {K::Sqrt, "9", "3 ", "=", nullptr},       {K::Digit0, "5", "50 ", "=", nullptr},
    {K::Comma, "1", "1 ", "=", nullptr},
};

class MouseKeyTest : public WindowTest,
                     public ::testing::WithParamInterface<std::tuple<MouseRow, Qt::MouseButton>> {};

TEST_P(MouseKeyTest, ButtonDownRunsTheCommandAndLowersTheKeyUntilButtonUp) {
    const auto& [row, button] = GetParam();
    type(row.before);
    TButtonPanel* key = window->keypadButton(row.key);
    QTest::mousePress(key, button, Qt::NoModifier, key->rect().center());
    EXPECT_TRUE(key->isLowered());
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
    EXPECT_EQ(sign(), QString::fromUtf8(row.sign));
    if (row.memory) {
        EXPECT_EQ(memoryLine(), QString::fromUtf8(row.memory));
    }
    QTest::mouseRelease(key, button, Qt::NoModifier, key->rect().center());
    EXPECT_FALSE(key->isLowered());
}

INSTANTIATE_TEST_SUITE_P(EveryKey, MouseKeyTest,
                         ::testing::Combine(::testing::ValuesIn(kMouseRows),
                                            ::testing::Values(Qt::LeftButton, Qt::RightButton)));

TEST_F(WindowTest, TheCommaKeyTypesTheLocaleSeparator) {
    type("1");
    QTest::mouseClick(window->keypadButton(K::Comma), Qt::LeftButton);
    type("5");
    EXPECT_EQ(display(), "1,5 ");
}

// The ink of a drawing on white: the box of every pixel that is not white.
QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

QImage drawnKey(const std::function<void(QPainter&, const QRectF&)>& draw) {
    QImage image(34, 28, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, QRectF(2, 2, 30, 24));
    return image;
}

TEST_F(WindowTest, TheDecimalKeyShowsEachSeparatorAsLegiblyAsTheDigits) {
    const QFont digits = window->keypadButton(K::Digit7)->font();
    const QRect digit = inkBox(drawnKey([&](QPainter& p, const QRectF& area) {
        p.setFont(digits);
        p.drawText(area, Qt::AlignCenter, QStringLiteral("7"));
    }));
    const QRect comma = inkBox(drawnKey(decimalSeparatorPicture(QStringLiteral(","), digits)));
    const QRect dot = inkBox(drawnKey(decimalSeparatorPicture(QStringLiteral("."), digits)));
    ASSERT_FALSE(digit.isEmpty());
    ASSERT_FALSE(comma.isEmpty());
    ASSERT_FALSE(dot.isEmpty());
    // A comma as tall as a third of a digit and a dot three pixels across: no speck.
    EXPECT_GE(comma.height() * 3, digit.height()) << comma.height() << " vs " << digit.height();
    EXPECT_GE(dot.width(), 3);
    EXPECT_GE(dot.height(), 3);
    // Both sit on the digits' base line; the comma's tail hangs below it, the dot's does not.
    EXPECT_NEAR(dot.bottom(), digit.bottom(), 1);
    EXPECT_GT(comma.bottom(), dot.bottom());
}

// --- Keyboard: key-down codes and typed characters -------------------------------------------

struct KeyboardRow {
    const char* name;
    const char* before;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text; // the typed character, if the key makes one
    KeypadKey pressed;
    const char* display;
    const char* memory;
    // The physical key, for keys of another layout (the Russian one below); 0 for the others.
    quint32 keycode = 0;
};

std::ostream& operator<<(std::ostream& os, const KeyboardRow& row) {
    return os << row.name;
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

const KeyboardRow kKeyboardRows[] = {
    {"Backspace", "12", Qt::Key_Backspace, kNone, "\b", K::Back, "1 ", nullptr},
    {"Enter", "2+3", Qt::Key_Return, kNone, "\r", K::Eq, "5 ", nullptr},
    {"KeypadEnter", "2+3", Qt::Key_Enter, Qt::KeypadModifier, "\r", K::Eq, "5 ", nullptr},
    {"Esc", "2+3", Qt::Key_Escape, kNone, "\x1b", K::C, "0 ", nullptr},
    {"Delete", "2+3", Qt::Key_Delete, kNone, "", K::CE, "0 ", nullptr},
    {"CtrlC_IsMemoryClear", "5^P7", Qt::Key_C, kCtrl, "\x03", K::MC, "7 ", "0 "},
    {"CtrlM_IsMemoryMinus", "5", Qt::Key_M, kCtrl, "\r", K::MMinus, "5 ", "-5 "},
    {"CtrlP_IsMemoryPlus", "5", Qt::Key_P, kCtrl, "\x10", K::MPlus, "5 ", "5 "},
    {"CtrlR_IsMemoryRecall", "5^P9", Qt::Key_R, kCtrl, "\x12", K::MR, "5 ", "5 "},
    {"R_IsReciprocal", "4", Qt::Key_R, kNone, "r", K::Inv, "0,25 ", nullptr},
    {"ShiftR_IsReciprocal", "4", Qt::Key_R, Qt::ShiftModifier, "R", K::Inv, "0,25 ", nullptr},
    {"AltR_IsReciprocal", "4", Qt::Key_R, Qt::AltModifier, "r", K::Inv, "0,25 ", nullptr},
    {"CtrlShiftR_IsReciprocal", "4", Qt::Key_R, kCtrl | Qt::ShiftModifier, "\x12", K::Inv, "0,25 ", nullptr},
    {"Digit0", "7", Qt::Key_0, kNone, "0", K::Digit0, "70 ", nullptr},
    {"Digit1", "", Qt::Key_1, kNone, "1", K::Digit1, "1 ", nullptr},
    {"Digit2", "", Qt::Key_2, kNone, "2", K::Digit2, "2 ", nullptr},
    {"Digit3", "", Qt::Key_3, kNone, "3", K::Digit3, "3 ", nullptr},
    {"Digit4", "", Qt::Key_4, kNone, "4", K::Digit4, "4 ", nullptr},
    {"Digit5", "", Qt::Key_5, kNone, "5", K::Digit5, "5 ", nullptr},
    {"Digit6", "", Qt::Key_6, kNone, "6", K::Digit6, "6 ", nullptr},
    {"Digit7", "", Qt::Key_7, kNone, "7", K::Digit7, "7 ", nullptr},
    {"Digit8", "", Qt::Key_8, kNone, "8", K::Digit8, "8 ", nullptr},
    {"KeypadDigit9", "", Qt::Key_9, Qt::KeypadModifier, "9", K::Digit9, "9 ", nullptr},
    {"Plus", "2+3", Qt::Key_Plus, kNone, "+", K::Plus, "5 ", nullptr},
    {"Minus", "2+3", Qt::Key_Minus, kNone, "-", K::Minus, "5 ", nullptr},
    {"Multiply", "2+3", Qt::Key_Asterisk, Qt::ShiftModifier, "*", K::Multy, "5 ", nullptr},
    {"Divide", "2+3", Qt::Key_Slash, kNone, "/", K::Divide, "5 ", nullptr},
    {"EqualsSign", "2+3", Qt::Key_Equal, kNone, "=", K::Eq, "5 ", nullptr},
    {"Comma", "1", Qt::Key_Comma, kNone, ",", K::Comma, "1 ", nullptr},
    {"Period", "1", Qt::Key_Period, kNone, ".", K::Comma, "1 ", nullptr},
    {"KeypadDecimal", "1", Qt::Key_Period, Qt::KeypadModifier, ".", K::Comma, "1 ", nullptr},
    {"Percent", "200+10", Qt::Key_Percent, Qt::ShiftModifier, "%", K::PerCent, "220 ", nullptr},
    {"At_IsSquareRoot", "9", Qt::Key_At, Qt::ShiftModifier, "@", K::Sqrt, "3 ", nullptr},
    {"s_IsSignChange", "5", Qt::Key_S, kNone, "s", K::Sign, "-5 ", nullptr},
    {"S_IsSignChange", "5", Qt::Key_S, Qt::ShiftModifier, "S", K::Sign, "-5 ", nullptr},
    {"AltS_IsSignChange", "5", Qt::Key_S, Qt::AltModifier, "s", K::Sign, "-5 ", nullptr},
    // The Russian layout: its letter on the key, and the key's code (the US layout's letter).
    {"KeyOfS_IsSignChange", "5", Qt::Key(0x42B), kNone, "\u044B", K::Sign, "-5 ", nullptr, 39},
    {"ShiftKeyOfS_IsSignChange", "5", Qt::Key(0x42B), Qt::ShiftModifier, "\u042B", K::Sign, "-5 ", nullptr, 39},
    {"KeyOfR_IsReciprocal", "4", Qt::Key(0x41A), kNone, "\u043A", K::Inv, "0,25 ", nullptr, 27},
    {"CtrlShiftKeyOfR_IsReciprocal", "4", Qt::Key(0x41A), kCtrl | Qt::ShiftModifier, "\u041A", K::Inv, "0,25 ", nullptr, 27},
    {"CtrlKeyOfC_IsMemoryClear", "5^P7", Qt::Key(0x421), kCtrl, "\u0441", K::MC, "7 ", "0 ", 54},
    {"CtrlKeyOfM_IsMemoryMinus", "5", Qt::Key(0x42C), kCtrl, "\u044C", K::MMinus, "5 ", "-5 ", 58},
    {"CtrlKeyOfP_IsMemoryPlus", "5", Qt::Key(0x417), kCtrl, "\u0437", K::MPlus, "5 ", "5 ", 33},
    {"CtrlKeyOfR_IsMemoryRecall", "5^P9", Qt::Key(0x41A), kCtrl, "\u043A", K::MR, "5 ", "5 ", 27},
};

// A key event as the platform reports it, with the physical key's code.
void sendKey(QObject* receiver, QEvent::Type type, const KeyboardRow& row) {
    QKeyEvent event(type, row.key, row.modifiers, row.keycode, 0, 0, QString::fromUtf8(row.text));
    QCoreApplication::sendEvent(receiver, &event);
}

class KeyboardTest : public WindowTest, public ::testing::WithParamInterface<KeyboardRow> {};

TEST_P(KeyboardTest, KeyDownRunsTheCommandAndShowsItsKeyPressedUntilKeyUp) {
    const KeyboardRow& row = GetParam();
    type(row.before);
    if (row.keycode) sendKey(handle(), QEvent::KeyPress, row);
    else QTest::sendKeyEvent(QTest::Press, handle(), row.key, QString::fromLatin1(row.text), row.modifiers);
    EXPECT_TRUE(lowered(row.pressed));
    EXPECT_EQ(loweredCount(), 1);
    EXPECT_EQ(display(), QString::fromUtf8(row.display));
    if (row.memory) {
        EXPECT_EQ(memoryLine(), QString::fromUtf8(row.memory));
    }
    if (row.keycode) sendKey(handle(), QEvent::KeyRelease, row);
    else QTest::sendKeyEvent(QTest::Release, handle(), row.key, QString::fromLatin1(row.text), row.modifiers);
    EXPECT_EQ(loweredCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothTables, KeyboardTest, ::testing::ValuesIn(kKeyboardRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, SeparatorsFromTheKeyboardJoinTheNumberBeingTyped) {
    type("1,5");
    EXPECT_EQ(display(), "1,5 ");
    QTest::keyClick(handle(), Qt::Key_Escape);
    type(".25");
    EXPECT_EQ(window->calculator().copyText(), "0,25");
}

TEST_F(WindowTest, CtrlWithADigitOrLetterTypesNothing) {
    type("7");
    QTest::keyClick(handle(), Qt::Key_5, Qt::ControlModifier);
    QTest::keyClick(handle(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(display(), "7 ");
}

TEST_F(WindowTest, AnyKeyUpReleasesEveryKey) {
    for (KeypadKey key : {K::Plus, K::Digit7, K::MC, K::Sqrt})
        window->keypadButton(key)->setLowered(true);
    QTest::keyRelease(handle(), Qt::Key_Shift);
    EXPECT_EQ(loweredCount(), 0);
}

TEST_F(WindowTest, KeysReachTheKeypadWhileAnotherControlHasTheFocus) {
    auto* edit = new QLineEdit(window->centralWidget());
    edit->setGeometry(0, 0, 50, 20);
    edit->show();
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    type("12+3=");
    EXPECT_EQ(display(), "15 ");
    EXPECT_EQ(edit->text(), "12+3="); // the focused control still gets its keys
}

TEST_F(WindowTest, InAFieldLettersOfAnotherLayoutAreTextAndCtrlStillGoesByTheKey) {
    auto* edit = new QLineEdit(window->centralWidget());
    edit->show();
    edit->setFocus();
    type("5");
    const KeyboardRow keyOfS{"", "", Qt::Key(0x42B), kNone, "\u044B", K::Sign, "", nullptr, 39};
    sendKey(handle(), QEvent::KeyPress, keyOfS);
    EXPECT_EQ(display(), "5 ");
    EXPECT_EQ(edit->text(), QString::fromUtf8("5\u044B"));
    const KeyboardRow ctrlKeyOfA{"", "", Qt::Key(0x424), kCtrl, "\u0444", K::Sign, "", nullptr, 38};
    sendKey(handle(), QEvent::KeyPress, ctrlKeyOfA);
    EXPECT_EQ(edit->selectedText(), edit->text());
}

TEST_F(WindowTest, AKeyWithoutALatinLetterIsNoKeypadKey) {
    type("5");
    const KeyboardRow keyOfSemicolon{"", "", Qt::Key(0x416), kNone, "\u0436", K::Sign, "", nullptr, 47};
    sendKey(handle(), QEvent::KeyPress, keyOfSemicolon);
    EXPECT_EQ(loweredCount(), 0);
    EXPECT_EQ(display(), "5 ");
}

TEST_F(WindowTest, KeysStillReachTheKeypadAfterTheWindowFlagsChange) {
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    type("42");
    EXPECT_EQ(display(), "42 ");
}

TEST(LocaleSeparators, ComeFromTheLocaleAsUtf8) {
    const std::tuple<QLocale, const char*, const char*> rows[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), ".", ","},
        {QLocale(QLocale::German, QLocale::Germany), ",", "."},
        {QLocale(QLocale::Russian, QLocale::Russia), ",", "\u00A0"},
    };
    for (const auto& [locale, decimal, thousands] : rows) {
        const Separators s = separatorsFromLocale(locale);
        EXPECT_EQ(s.decimal, decimal) << locale.name().toStdString();
        EXPECT_EQ(s.thousands, thousands) << locale.name().toStdString();
    }
}

TEST_F(WindowTest, ARepeatingKeyActsOnEveryRepeat) {
    for (int i = 0; i < 3; ++i)
        QTest::sendKeyEvent(QTest::Press, handle(), Qt::Key_4, QStringLiteral("4"), Qt::NoModifier);
    EXPECT_EQ(display(), "444 ");
}

// --- Clipboard ---------------------------------------------------------------------------------

TEST_F(WindowTest, CtrlInsertCopiesTheUngroupedResultNotTheDisplay) {
    ASSERT_TRUE(window->calculator().state().GroupThousands);
    type("2/3=");
    EXPECT_EQ(display(), "0,666666666666667 ");
    QTest::keyClick(handle(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "0,666666666666667");
    type("1234567");
    EXPECT_EQ(display(), "1 234 567 ");
    window->miCopyClick();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1234567");
}

TEST_F(WindowTest, ShiftInsertPastesANumberAndSaysWhenThereIsNone) {
    QGuiApplication::clipboard()->setText("12,5");
    QTest::keyClick(handle(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(display(), "12,5 ");

    type("C7");
    QGuiApplication::clipboard()->setText("12 apples");
    QTest::keyClick(handle(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(display(), "7 ");
    EXPECT_TRUE(window->errorHint().isVisible());
    EXPECT_EQ(window->errorHint().text(), QStringLiteral("The clipboard holds no number"));
    window->miCopyClick();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "7");
}

// Sequences typed on the keyboard and read back through Copy (Ctrl+Insert), as a user checks
// them: "\b" is Backspace, "^C" MC, "^P" M+, "^R" MR, "R" 1/x, "@" the root; a step "v:TEXT"
// puts TEXT on the clipboard and pastes it with Shift+Insert.
struct CopyRow {
    const char* name;
    std::vector<const char*> steps;
    const char* copied;
    const char* exponent = ""; // the raised exponent panel afterwards
};

std::ostream& operator<<(std::ostream& os, const CopyRow& row) { return os << row.name; }

const CopyRow kCopyRows[] = {
    {"MC leaves the chain", {"7*3=^C+1="}, "22"},
    {"MC between chains", {"9-4=^C6*2="}, "12"},
    {"MC then M+ stores the new entry", {"2/3=^C5^P^R"}, "5"},
    {"backspace keeps the operation armed", {"2+3\b4="}, "6"},
    {"backspace of a second digit", {"2+34\b="}, "5"},
    {"reciprocal of the second operand", {"2+4R="}, "2,25"},
    {"root of the second operand", {"4+9@="}, "7"},
    {"reciprocal then another operation", {"2+4R*2="}, "4,5"},
    {"root of a subtrahend", {"10-4@="}, "8"},
    {"backspace in exponent form", {"1234567890123456,5\b"}, "1234567890123456,", "+0015"},
    {"backspace on a pasted exponent", {"3", "v:1e5", "\b"}, "1"},
    {"leading zeros", {"0005"}, "5"},
    {"digit after a pasted minus zero", {"3", "v:-0", "5"}, "-5"},
    {"separator after a paste", {"3,", "v:12", ",5"}, "12,5"},
    {"paste with a line break", {"v:12,5\n"}, "12,5"},
    {"paste with a tab and a no-break space", {"v:\t12,5\u00A0"}, "12,5"},
    {"pasted underflow", {"v:1e-5000"}, "0"},
    {"paste grouped with no-break spaces", {"v:1\u00A0234,50\n"}, "1234,50"},
};

class CopyTest : public WindowTest, public ::testing::WithParamInterface<CopyRow> {};

TEST_P(CopyTest, TheSequenceCopiesWhatTheDisplayShows) {
    const CopyRow& row = GetParam();
    for (const char* step : row.steps) {
        if (std::string_view(step).starts_with("v:")) {
            QGuiApplication::clipboard()->setText(QString::fromUtf8(step + 2));
            QTest::keyClick(handle(), Qt::Key_Insert, Qt::ShiftModifier);
        } else {
            type(step);
        }
    }
    QTest::keyClick(handle(), Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(row.copied));
    EXPECT_EQ(exponent(), QString::fromUtf8(row.exponent));
}

INSTANTIATE_TEST_SUITE_P(Keyboard, CopyTest, ::testing::ValuesIn(kCopyRows));

TEST_F(WindowTest, DigitsTypedAfterAPasteExtendThePastedNumber) {
    type("8");
    QGuiApplication::clipboard()->setText("12,5");
    window->miPasteClick();
    type("1");
    EXPECT_EQ(display(), "12,51 ");
}

// --- Display -----------------------------------------------------------------------------------

TEST_F(WindowTest, DivisionByZeroTurnsTheDisplayRedUntilTheNextDigit) {
    const QColor navy(0, 0, 128), red(255, 0, 0);
    EXPECT_EQ(find("pnOut3")->textColour(), navy);
    type("7/0=");
    EXPECT_EQ(display(), "0 ");
    EXPECT_EQ(find("pnOut3")->textColour(), red);
    type("+");
    EXPECT_EQ(find("pnOut3")->textColour(), red); // operation keys keep the colour
    type("4");
    EXPECT_EQ(find("pnOut3")->textColour(), navy);
}

TEST_F(WindowTest, CAndCEEndTheRedDisplay) {
    for (const char* clear : {"\x1b", "CE"}) {
        type("7/0=");
        ASSERT_EQ(find("pnOut3")->textColour(), QColor(255, 0, 0));
        if (clear[0] == '\x1b')
            QTest::keyClick(handle(), Qt::Key_Escape);
        else
            QTest::keyClick(handle(), Qt::Key_Delete);
        EXPECT_EQ(find("pnOut3")->textColour(), QColor(0, 0, 128)) << clear;
    }
}

TEST_F(WindowTest, AnExponentIsRaisedIntoItsOwnPanelInFrontOfTheDigits) {
    QGuiApplication::clipboard()->setText("1E-20");
    window->miPasteClick();
    EXPECT_EQ(display(), "1,000000000000*10          ");
    EXPECT_EQ(exponent(), "-0020");
    TextPanel* digits = find("pnOut3");
    EXPECT_EQ(digits->geometry(), QRect(16, 3, 191, 18));
    // Stacked in front: pnOut2 comes after pnOut3 among pnOut's children.
    const auto children = find("pnOut")->children();
    EXPECT_GT(children.indexOf(find("pnOut2")), children.indexOf(digits));

    type("C5");
    EXPECT_EQ(exponent(), "");
    EXPECT_EQ(digits->geometry(), QRect(16, 1, 191, 20));
    EXPECT_LT(find("pnOut")->children().indexOf(find("pnOut2")), find("pnOut")->children().indexOf(digits));
}

TEST_F(WindowTest, TheSignPanelFollowsTheOperationKeys) {
    EXPECT_EQ(sign(), "=");
    const std::pair<char, const char*> rows[] = {{'+', "+"}, {'-', "-"}, {'*', "\u00D7"}, {'/', "\u00F7"}};
    for (const auto& [key, shown] : rows) {
        type("5");
        QTest::keyClick(handle(), key);
        EXPECT_EQ(sign(), QString::fromUtf8(shown)) << key;
    }
    type("=");
    EXPECT_EQ(sign(), "\u00F7"); // equals leaves it
}

// --- The keyboard back on the display ------------------------------------------------------------

TEST_F(WindowTest, FocusDisplayTakesTheKeyboardBackFromAKeyOrTheTape) {
    for (const bool tape : {false, true}) {
        window->keypadButton(KeypadKey::C)->setFocus(Qt::TabFocusReason);
        if (tape) window->miTapeClick();
        window->calculator().loadOperand(5); // a result taken from the tape
        window->focusDisplay();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
        expectKeyboardOnDisplay(tape ? "from the tape" : "from a key");
    }
}

// --- Memory row and heights --------------------------------------------------------------------

TEST_F(WindowTest, MemoryKeysOpenAndCloseTheMemoryRow) {
    EXPECT_EQ(window->outerSize(), QSize(246, 216));
    EXPECT_FALSE(find("pnMHist")->isVisible());
    type("5^P");
    EXPECT_EQ(window->outerSize().height(), 244);
    EXPECT_TRUE(find("pnMHist")->isVisible());
    EXPECT_EQ(find("Panel15")->text(), "M1=");
    type("^R");
    EXPECT_EQ(window->outerSize().height(), 244); // MR leaves the height
    type("^C");
    EXPECT_EQ(window->outerSize().height(), 216);
    EXPECT_FALSE(find("pnMHist")->isVisible());
    type("^M");
    EXPECT_EQ(window->outerSize().height(), 244);
}

// Ctrl+C is MC; the first time it says so, and Ctrl+Z brings the register back. The Edit menu
// names the steps it would take, in the language applied.
TEST_F(WindowTest, CtrlZTakesBackARegisterCtrlCCleared) {
    auto* undo = window->findChild<QAction*>(QStringLiteral("miUndo"));
    auto* redo = window->findChild<QAction*>(QStringLiteral("miRedo"));
    ASSERT_TRUE(undo && redo);
    type("1918^P^C");
    EXPECT_EQ(memoryLine(), "0 ");
    EXPECT_EQ(window->errorHint().text(),
              QString::fromStdString(messagesFor(Language::English).CtrlCClearsMessage));
    window->findChild<QMenu*>(QStringLiteral("miEdit"))->aboutToShow();
    EXPECT_EQ(undo->text(), "&Undo: clear M1");
    type("^Z");
    EXPECT_EQ(memoryLine(), "1" + QString::fromStdString(window->calculator().separators().thousands) + "918 ");
    EXPECT_EQ(redo->text(), "&Redo: clear M1");
    type("^C");
    EXPECT_FALSE(window->errorHint().isVisible()) << "said once a run";
    window->SetLang(1);
    EXPECT_EQ(undo->text(), "&Отменить: очистка M1");
    EXPECT_EQ(redo->text(), "&Вернуть");
}

TEST_F(WindowTest, TheReducedLayoutKeepsItsHeightThroughMemoryKeys) {
    window->MaxMinClick();
    EXPECT_EQ(window->outerSize().height(), 75);
    EXPECT_FALSE(find<QWidget>("pnSimple")->isVisible());
    type("5^P");
    EXPECT_EQ(window->outerSize().height(), 75);
    QTest::keyClick(handle(), Qt::Key_F4);
    EXPECT_EQ(window->outerSize().height(), 244); // back to full, with the memory row in use
    EXPECT_TRUE(find<QWidget>("pnSimple")->isVisible());
}

TEST_F(WindowTest, RegisterKeysSelectTheRegisterTheMemoryKeysUse) {
    type("5^P");
    TextPanel* m3 = find("pnM3");
    QTest::mouseClick(m3, Qt::LeftButton);
    EXPECT_EQ(find("Panel15")->text(), "M3=");
    EXPECT_EQ(memoryLine(), "0 ");
    EXPECT_EQ(m3->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(find("pnM1")->frameShadow(), QFrame::Raised);
    type("7^P");
    EXPECT_EQ(memoryLine(), "7 ");
    QTest::mouseClick(find("pnM1"), Qt::LeftButton);
    EXPECT_EQ(memoryLine(), "5 ");
    type("^R");
    EXPECT_EQ(display(), "5 ");
}

// --- Layout ------------------------------------------------------------------------------------

TEST_F(WindowTest, KeysKeepTheirLightFaceUnderADarkPalette) {
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
        dark.setColor(role, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    ASSERT_EQ(window->palette().color(QPalette::Window), QColor(0x2A, 0x2A, 0x2A)) << "the dark palette reached the window";
    const QImage key = find<TButtonPanel>("pn7")->grab().toImage();
    QApplication::setPalette(saved);
    EXPECT_GE(key.pixelColor(5, key.height() / 2).lightness(), 0xE0) << "the face stays light";
    EXPECT_EQ(key.pixelColor(5, key.height() / 2), QColor(0xF0, 0xF0, 0xF0));
}

TEST_F(WindowTest, KeypadKeysSitInsideTheKeypadWithoutOverlapping) {
    auto* keypad = find<QWidget>("pnSimple");
    EXPECT_EQ(keypad->geometry(), QRect(0, 30, 241, 141));
    QList<QRect> seen;
    for (const KeypadKeyRow& row : keypadKeys()) {
        auto* key = find<TButtonPanel>(row.name);
        ASSERT_EQ(key->parentWidget(), keypad) << row.name;
        EXPECT_TRUE(keypad->rect().contains(key->geometry())) << row.name;
        for (const QRect& other : seen)
            EXPECT_FALSE(other.intersects(key->geometry())) << row.name;
        seen.append(key->geometry());
        // Two left columns are wide; +, = are double height; 0 is double width.
        const int width = row.left < 100 ? 48 : row.key == K::Digit0 ? 68 : 34;
        const int height = row.key == K::Plus || row.key == K::Eq ? 56 : 28;
        EXPECT_EQ(key->size(), QSize(width, height)) << row.name;
    }
    EXPECT_EQ(seen.size(), 27);
}

TEST_F(WindowTest, MenusHoldTheCommandsWithTheirShortcuts) {
    const std::tuple<const char*, QKeySequence, bool> rows[] = {
        {"miCopy", QKeySequence(Qt::CTRL | Qt::Key_Insert), true},
        {"miPaste", QKeySequence(Qt::SHIFT | Qt::Key_Insert), true},
        {"Evaluator1", QKeySequence(Qt::Key_F8), false}, // until the Evaluator window exists
        {"miPrefer", QKeySequence(Qt::Key_F2), false},
        {"miScience", QKeySequence(Qt::Key_F6), true},
        {"miConvert", QKeySequence(Qt::Key_F5), true},
        {"miStatist", QKeySequence(Qt::Key_F7), true},
        {"miMin", QKeySequence(Qt::Key_F4), true}, // the layout F4 switches to
        {"miMax", QKeySequence(), true},
    };
    for (const auto& [name, shortcut, enabled] : rows) {
        auto* action = window->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->shortcut(), shortcut) << name;
        EXPECT_EQ(action->isEnabled(), enabled) << name;
    }
    EXPECT_EQ(window->findChild<QAction*>("miCopy")->text(), "&Copy");
    EXPECT_EQ(window->windowTitle(), "Orvantis");
}

TEST_F(WindowTest, DoubleClickOnTheDisplayOpensTheEvaluatorOnceItExists) {
    QString opened;
    window->setEvaluatorOpener([&](const QString& expression) { opened = expression; });
    type("1/3=");
    QTest::mouseDClick(find("pnOut3"), Qt::LeftButton);
    EXPECT_EQ(opened, "0.333333333333333"); // the point the language reads
    opened.clear();
    QTest::keyClick(handle(), Qt::Key_F8);
    EXPECT_EQ(opened, "0.333333333333333");
}

// --- Settings applied and saved ----------------------------------------------------------------

class SeededWindowTest : public WindowTest {
  protected:
    void prepareStore(SettingsStore& s) override {
        s.writeInt("RIndColor", 0xFFFF00);     // aqua
        s.writeInt("RIndFontColor", 0x0000FF); // red
        s.writeInt("RThouSepOn", 0);
        s.writeInt("RIndFontSize", 8);
        s.writeInt("RIndFontStyle", 3);
        s.writeInt("RLang", 1);
        s.writeString("RZ", "1234,5");
        s.writeString("RZM1", "42");
        s.writeInt("RMemState", 1);
    }
};

TEST_F(SeededWindowTest, AppearanceAndWorkingStateComeFromTheStore) {
    const QColor aqua(0, 255, 255), red(255, 0, 0);
    for (const char* name : {"pnOut", "pnOut3", "pnOut2", "pnSSS", "pnMHist", "pnOutHist3", "Panel15"})
        EXPECT_EQ(find(name)->background(), aqua) << name;
    for (const char* name : {"pnOut3", "pnOut2", "pnSSS", "pnOutHist3", "Panel15"})
        EXPECT_EQ(find(name)->textColour(), red) << name;
    EXPECT_EQ(find("pnOut3")->font().pointSize(), 8);
    EXPECT_TRUE(find("pnOut3")->font().italic());
    EXPECT_FALSE(find("pnOut3")->font().bold());
    EXPECT_EQ(display(), "1234,5 "); // grouping off
    EXPECT_EQ(memoryLine(), "42 ");
    EXPECT_EQ(window->outerSize().height(), 244);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Вычислитель"));
    EXPECT_EQ(find("pnOut")->toolTip(), QString::fromUtf8("Цифровой дисплей"));
}

TEST_F(WindowTest, ClosingWritesTheWorkingStateForTheNextRun) {
    type("1/3=^P");
    QTest::mouseClick(find("pnM2"), Qt::LeftButton);
    type("2^M");
    window->close();
    EXPECT_EQ(store->readString("RZ"), "2");
    EXPECT_EQ(store->readString("RZM1"), "0,333333333333333");
    EXPECT_EQ(store->readString("RZM2"), "-2");
    EXPECT_EQ(store->readString("RZM3"), "0");
    EXPECT_EQ(store->readInt("RMemState"), 1);
    EXPECT_EQ(store->readString("RZM"), "-2");

    openWindow();
    EXPECT_EQ(display(), "2 ");
    EXPECT_EQ(find("Panel15")->text(), "M1="); // every run starts on M1
    EXPECT_EQ(memoryLine(), "0,333333333333333 ");
    EXPECT_EQ(window->outerSize().height(), 244);
}

TEST_F(WindowTest, FirstStartShowsZeroAndWritesTheDefaults) {
    EXPECT_EQ(display(), "0 ");
    EXPECT_EQ(memoryLine(), "0 ");
    for (const char* name : {"RThouSepOn", "RIndColor", "RLang", "RIndFontName", "RZ", "RZM10", "RCalcMode"})
        EXPECT_TRUE(store->hasValue(name)) << name;
}

} // namespace
} // namespace orv::testing
