// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "keypad_table.h"

namespace orv {

namespace {

using K = KeypadKey;
constexpr int kWide = 48, kNarrow = 34, kRow = 28;

constexpr std::array<KeypadKeyRow, kKeypadKeyCount> kKeys = {{
    {K::C, "pnC", "C", 3, 0, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Esc ",
     "clear", "очистить"},
    {K::CE, "pnCE", "CE", 51, 0, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Del ",
     "clear entry", "очистить ввод"},
    {K::Sign, "pnSign", "+/-", 101, 0, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   S ",
     "change sign", "сменить знак"},
    {K::Divide, "pnDivide", "/", 135, 0, kNarrow, kRow, KeyColour::Red, KeyFont::Symbol12, "   / ",
     "divide", "разделить"},
    {K::Multy, "pnMulty", "\u00D7", 169, 0, kNarrow, kRow, KeyColour::Red, KeyFont::Symbol12, "   * ",
     "multiply", "умножить"},
    {K::Minus, "pnMinus", "-", 203, 0, kNarrow, kRow, KeyColour::Red, KeyFont::Symbol12, "   - ",
     "minus", "минус"},

    {K::MC, "pnMC", "MC", 3, 28, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Ctrl + C ",
     "memory clear", "очистить память"},
    {K::Back, "pnBack", "BACK", 51, 28, kWide, kRow, KeyColour::Red, KeyFont::Sans8, " Back Space ",
     "backspace", "стереть последнюю цифру"},
    {K::Digit7, "pn7", "7", 101, 28, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   7 ",
     "7", "7"},
    {K::Digit8, "pn8", "8", 135, 28, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   8 ",
     "8", "8"},
    {K::Digit9, "pn9", "9", 169, 28, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   9 ",
     "9", "9"},
    {K::Plus, "pnPlus", "+", 203, 28, kNarrow, 2 * kRow, KeyColour::Red, KeyFont::Symbol12, "   + ",
     "plus", "плюс"},

    {K::MR, "pnMR", "MR", 3, 56, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Ctrl + R ",
     "memory recall", "вызвать из памяти"},
    {K::PerCent, "pnPerCent", "%", 51, 56, kWide, kRow, KeyColour::Blue, KeyFont::Sans8, "   % ",
     "percent", "процент"},
    {K::Digit4, "pn4", "4", 101, 56, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   4 ",
     "4", "4"},
    {K::Digit5, "pn5", "5", 135, 56, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   5 ",
     "5", "5"},
    {K::Digit6, "pn6", "6", 169, 56, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   6 ",
     "6", "6"},

    {K::MMinus, "pnMMinus", "M-", 3, 84, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Ctrl + M ",
     "memory minus", "вычесть из памяти"},
    {K::Inv, "pnInv", "1/x", 51, 84, kWide, kRow, KeyColour::Blue, KeyFont::Sans8, "   R ",
     "reciprocal", "обратная величина"},
    {K::Digit1, "pn1", "1", 101, 84, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   1 ",
     "1", "1"},
    {K::Digit2, "pn2", "2", 135, 84, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   2 ",
     "2", "2"},
    {K::Digit3, "pn3", "3", 169, 84, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "   3 ",
     "3", "3"},
    {K::Eq, "pnEq", "=", 203, 84, kNarrow, 2 * kRow, KeyColour::Red, KeyFont::Symbol12, " Enter ",
     "equals", "равно"},

    {K::MPlus, "pnMPlus", "M+", 3, 112, kWide, kRow, KeyColour::Red, KeyFont::Sans8, "   Ctrl + P ",
     "memory plus", "прибавить к памяти"},
    {K::Sqrt, "pnSqrt", "", 51, 112, kWide, kRow, KeyColour::Blue, KeyFont::Sans8, "  @",
     "square root", "квадратный корень"},
    {K::Digit0, "pn0", "0", 101, 112, 2 * kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, " 0 ",
     "0", "0"},
    // Its hint has words, so it is in the language table with the side panels' hints.
    {K::Comma, "pnComma", ",", 169, 112, kNarrow, kRow, KeyColour::Blue, KeyFont::Sans8, "",
     "decimal separator", "десятичный разделитель"},
}};

constexpr bool inKeypadKeyOrder() {
    for (std::size_t i = 0; i < kKeys.size(); ++i)
        if (static_cast<std::size_t>(kKeys[i].key) != i) return false;
    return true;
}
static_assert(inKeypadKeyOrder(), "keypadKey() indexes the table by KeypadKey");

// Typing: as a typed letter, which Ctrl turns into a control character (unless with Alt, as some
// systems report AltGr).
enum class Modifiers { Any, CtrlOnly, NotCtrlOnly, Typing };

struct KeyDownRow {
    int qtKey;
    Modifiers rule;
    KeypadKey key;
};

const std::array<KeyDownRow, 11> kKeyDown = {{
    {Qt::Key_Backspace, Modifiers::Any, K::Back},
    {Qt::Key_Return, Modifiers::Any, K::Eq},
    {Qt::Key_Enter, Modifiers::Any, K::Eq},
    {Qt::Key_Escape, Modifiers::Any, K::C},
    {Qt::Key_Delete, Modifiers::Any, K::CE},
    {Qt::Key_C, Modifiers::CtrlOnly, K::MC},
    {Qt::Key_M, Modifiers::CtrlOnly, K::MMinus},
    {Qt::Key_P, Modifiers::CtrlOnly, K::MPlus},
    {Qt::Key_R, Modifiers::CtrlOnly, K::MR},
    {Qt::Key_R, Modifiers::NotCtrlOnly, K::Inv},
    // A letter, so it goes by its key: the key of S changes the sign under any layout.
    {Qt::Key_S, Modifiers::Typing, K::Sign},
}};

struct CharacterRow {
    char16_t character;
    KeypadKey key;
};

const std::array<CharacterRow, 19> kCharacters = {{
    {u'0', K::Digit0}, {u'1', K::Digit1}, {u'2', K::Digit2},  {u'3', K::Digit3}, {u'4', K::Digit4},
    {u'5', K::Digit5}, {u'6', K::Digit6}, {u'7', K::Digit7},  {u'8', K::Digit8}, {u'9', K::Digit9},
    {u'+', K::Plus},   {u'-', K::Minus},  {u'*', K::Multy},   {u'/', K::Divide}, {u'=', K::Eq},
    {u',', K::Comma},  {u'.', K::Comma},  {u'%', K::PerCent}, {u'@', K::Sqrt},
}};

} // namespace

const std::array<KeypadKeyRow, kKeypadKeyCount>& keypadKeys() {
    return kKeys;
}

const KeypadKeyRow& keypadKey(KeypadKey key) {
    return kKeys[static_cast<std::size_t>(key)];
}

std::optional<KeypadKey> keyForKeyDown(int qtKey, Qt::KeyboardModifiers modifiers) {
    // The numeric keypad flag and layout switches are not modifiers a user holds.
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool ctrlOnly = held == Qt::ControlModifier;
    const bool typing = !(held & Qt::ControlModifier) || (held & Qt::AltModifier);
    for (const KeyDownRow& row : kKeyDown) {
        if (row.qtKey != qtKey) continue;
        if (row.rule == Modifiers::CtrlOnly && !ctrlOnly) continue;
        if (row.rule == Modifiers::NotCtrlOnly && ctrlOnly) continue;
        if (row.rule == Modifiers::Typing && !typing) continue;
        return row.key;
    }
    return std::nullopt;
}

std::optional<KeypadKey> keyForCharacter(QChar character) {
    for (const CharacterRow& row : kCharacters)
        if (row.character == character.unicode()) return row.key;
    return std::nullopt;
}

} // namespace orv
