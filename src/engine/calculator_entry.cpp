// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"

#include "entry_text.h"
#include "number_text.h"
#include "utf8.h"

#include <algorithm>
#include <cmath>

namespace orv {
namespace {

// A zero being typed with decimals is redrawn only up to this many characters.
constexpr std::size_t kLongestTypedZero = 19;
constexpr std::size_t kMaxPrecision = 18;

bool hasExponent(std::string_view text) { return text.find_first_of("Ee") != std::string_view::npos; }

} // namespace

void Calculator::restoreDigitColour() { restoreDisplayColours(false); }

bool Calculator::hasSeparator(std::string_view text) const {
    return !separators_.decimal.empty() && text.find(separators_.decimal) != std::string_view::npos;
}

void Calculator::Special_Click(int digit) {
    const StepScope undoable(*this, UndoStep::Typing);
    CalculatorState& s = state_;
    restoreDigitColour();
    const char character = static_cast<char>('0' + std::clamp(digit, 0, 9));
    const std::size_t lengthBefore = utf8Length(s.EntryText);
    if (!s.Typing) {
        s.EntryText = std::string(1, character);
        s.CurrentValue = character - '0';
        s.DecimalEntered = false;
        s.OperandEntered = false;
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
        s.Typing = true;
        return;
    }
    // A digit after a lone zero replaces it, so the entry reads as the display shows it: "05" is "5".
    std::string entry = s.EntryText;
    const std::string_view unsignedPart = std::string_view(entry).substr(entry.starts_with('-') ? 1 : 0);
    if (unsignedPart == "0") entry.pop_back();
    entry += character;
    // A digit that would carry a pasted exponent beyond the range is not taken.
    const auto value = parseNumber(entry, separators_);
    if (!value) return;
    s.EntryText = std::move(entry);
    s.CurrentValue = *value;
    if (s.CurrentValue != 0) {
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
    } else if (!hasSeparator(s.EntryText)) {
        OutputExt("0");
    } else if (lengthBefore < kLongestTypedZero) {
        OutputExt(s.EntryText);
    }
}

void Calculator::pressDecimalSeparator() {
    const StepScope undoable(*this, UndoStep::Typing);
    CalculatorState& s = state_;
    // Whether the number being typed can take a separator is read from the number itself.
    if (s.Typing && hasSeparator(s.EntryText)) {
        // Refused aloud: dropped in silence, "1,250.50" would be read as 1.25050 unnoticed.
        view_.beep();
        ShowErrorHint(messages_.SecondDecimalMarkMessage);
        return;
    }
    if (s.Typing && hasExponent(s.EntryText)) return;
    s.DecimalEntered = true;
    if (s.Typing) {
        s.EntryText += separators_.decimal;
        if (const auto value = parseNumber(s.EntryText, separators_)) s.CurrentValue = *value;
        if (s.CurrentValue != 0) {
            Indicate(s.CurrentValue);
            OutputExt(s.DisplayText);
        } else {
            OutputExt("0" + separators_.decimal);
        }
    } else {
        s.EntryText = "0" + separators_.decimal;
        OutputExt(s.EntryText);
        s.CurrentValue = 0;
        s.OperandEntered = false;
    }
    s.Typing = true;
}

void Calculator::pressBackspace() {
    const StepScope undoable(*this, UndoStep::Backspace);
    CalculatorState& s = state_;
    if (!s.Typing) return;
    std::string shorter = withoutLastCharacter(s.EntryText);
    const auto value = shorter.empty() ? std::nullopt : parseNumber(shorter, separators_);
    if (!value) {
        // Nothing left to show: the entry empties and shows 0, and an operation begun before
        // stays armed for the next number.
        s.CurrentValue = 0;
        s.EntryText.clear();
        s.DecimalEntered = false;
        OutputExt("0");
        s.Typing = false;
        return;
    }
    s.EntryText = std::move(shorter);
    s.CurrentValue = *value;
    s.DecimalEntered = hasSeparator(s.EntryText);
    Indicate(s.CurrentValue);
    // A separator left at the end is shown, as it was typed ("1,5" becomes "1,"), unless the
    // value is shown in exponent form.
    const std::string_view decimal = separators_.decimal;
    const bool endsWithSeparator = !decimal.empty() && s.EntryText.ends_with(decimal);
    if (endsWithSeparator && !hasExponent(s.DisplayText) && !s.DisplayText.ends_with(decimal)) {
        s.TrimText = s.DisplayText + separators_.decimal;
        OutputExt(s.TrimText);
    } else {
        OutputExt(s.DisplayText);
    }
}

std::string Calculator::displayTextFor(Extended x, const std::string& entryText, bool zeroShowsEntry) const {
    if (x == 0) return zeroShowsEntry ? entryText : "0";
    const Extended magnitude = std::fabs(x);
    if (magnitude <= 1e-15L || magnitude >= 1e15L) return exponentText(x, separators_);
    if (hasExponent(entryText)) return entryText;
    const std::size_t length = utf8Length(entryText);
    const std::size_t separatorAt = entryText.find(separators_.decimal);
    const std::size_t position =
        separatorAt == std::string::npos ? length : utf8Length(std::string_view(entryText).substr(0, separatorAt)) + 1;
    const int precision = static_cast<int>(std::min(length, kMaxPrecision));
    const int decimals = precision - static_cast<int>(position);
    return fixedText(x, precision, decimals, separators_, state_.GroupThousands);
}

void Calculator::refreshDisplays() {
    Indicate(state_.CurrentValue);
    IndicateM(state_.MemoryValue);
}

void Calculator::Indicate(Extended x) {
    state_.DisplayText = displayTextFor(x, state_.EntryText, state_.DecimalEntered);
}

void Calculator::IndicateM(Extended x) {
    state_.MemoryDisplayText = displayTextFor(x, state_.MemoryEntryText, false);
}

void Calculator::OutputExt(std::string_view text) { view_.showDisplay(layoutDisplay(text, DisplayKind::Main)); }

void Calculator::OutputMem(std::string_view text) { view_.showMemoryLine(layoutDisplay(text, DisplayKind::Memory)); }

} // namespace orv
