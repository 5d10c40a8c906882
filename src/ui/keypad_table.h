#pragma once

#include "calculator.h"
#include "calculator_view.h"

#include <QChar>
#include <Qt>

#include <array>
#include <optional>

namespace orv {

enum class KeyColour { Red, Blue };
enum class KeyFont { Sans8, Symbol12 };

// One keypad key: where it sits in pnSimple, how it looks and what it does.
struct KeypadKeySpec {
    KeypadKey key;
    const char* name;
    const char* caption; // UTF-8; empty for the root-sign picture
    int left, top, width, height;
    KeyColour colour;
    KeyFont font;
    const char* hint;
    void (*command)(Calculator&);
};

// The 27 keys, in the order of KeypadKey.
const std::array<KeypadKeySpec, kKeypadKeyCount>& keypadKeys();
const KeypadKeySpec& keypadKey(KeypadKey key);

// Key-down codes: control keys and the Ctrl shortcuts (Ctrl means Ctrl is the only modifier).
std::optional<KeypadKey> keyForKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
// Typed characters: digits, operators, both separators; letters compared in upper case.
std::optional<KeypadKey> keyForCharacter(QChar character);

} // namespace orv
