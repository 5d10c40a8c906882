// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator_view.h"

#include <QChar>
#include <Qt>

#include <array>
#include <optional>

namespace orv {

enum class KeyColour { Red, Blue };
enum class KeyFont { Sans8, Symbol12 };

// One keypad key: where it sits in pnSimple and how it looks; what it does is the engine's
// Calculator::press.
struct KeypadKeyRow {
    KeypadKey key;
    const char* name;
    const char* caption; // UTF-8; empty for the root-sign picture
    int left, top, width, height;
    KeyColour colour;
    KeyFont font;
    const char* hint;          // the key's own name on the keyboard, the same in every language
    const char* spoken;        // the name a screen reader says in English
    const char* spokenRussian; // and in Russian (the language switches it)
};

// The 27 keys, in the order of KeypadKey.
const std::array<KeypadKeyRow, kKeypadKeyCount>& keypadKeys();
const KeypadKeyRow& keypadKey(KeypadKey key);

// Key-down codes: control keys, the Ctrl shortcuts (Ctrl means Ctrl is the only modifier) and the
// letters, by the Latin letter of their key.
std::optional<KeypadKey> keyForKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
// Typed characters: digits, operators, both separators.
std::optional<KeypadKey> keyForCharacter(QChar character);

} // namespace orv
