#include "calculator.h"

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

void Calculator::restoreDigitColour() { view_.restoreDisplayColours(false); }

void Calculator::Special_Click(int digit) {
    CalculatorState& s = state_;
    restoreDigitColour();
    const char character = static_cast<char>('0' + std::clamp(digit, 0, 9));
    const std::size_t lengthBefore = utf8Length(s.EntryText);
    if (!s.Typing) {
        s.EntryText = std::string(1, character);
        s.CurrentValue = character - '0';
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
        s.Typing = true;
        return;
    }
    // A digit that would carry a pasted exponent beyond the range is not taken.
    const auto value = parseNumber(s.EntryText + character, separators_);
    if (!value) return;
    s.EntryText += character;
    s.CurrentValue = *value;
    if (s.CurrentValue != 0) {
        Indicate(s.CurrentValue);
        OutputExt(s.DisplayText);
    } else if (!s.DecimalEntered) {
        OutputExt("0");
        s.EntryText.assign(1, '0'); // assign(): GCC 12 warns falsely on operator= with a literal
    } else if (lengthBefore < kLongestTypedZero) {
        OutputExt(s.EntryText);
    }
}

void Calculator::pressDecimalSeparator() {
    CalculatorState& s = state_;
    if (s.DecimalEntered) return;
    s.DecimalEntered = true;
    if (s.Typing) {
        const auto value = parseNumber(s.EntryText + separators_.decimal, separators_);
        if (value) {
            s.EntryText += separators_.decimal;
            s.CurrentValue = *value;
        }
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
    }
    s.Typing = true;
}

void Calculator::pressBackspace() {
    CalculatorState& s = state_;
    if (!s.Typing) return;
    const auto resetEntry = [&] {
        s.CurrentValue = 0;
        s.EntryText.clear();
        OutputExt("0");
        s.OperandStored = false;
        s.Typing = false;
    };
    if (utf8Length(s.EntryText) < 2) return resetEntry();
    const std::string_view decimal = separators_.decimal;
    const auto endsWithSeparator = [&](std::string_view text) {
        return !decimal.empty() && text.size() >= decimal.size() && text.substr(text.size() - decimal.size()) == decimal;
    };
    if (endsWithSeparator(s.EntryText)) s.DecimalEntered = false;
    const std::string shorter = s.EntryText.substr(0, utf8LastCharStart(s.EntryText));
    const auto value = parseNumber(shorter, separators_);
    // A pasted "-5" or "1E5" may leave no number behind: that empties the entry.
    if (!value) return resetEntry();
    s.EntryText = shorter;
    s.CurrentValue = *value;
    if (endsWithSeparator(s.EntryText)) {
        s.TrimText = s.DisplayText.substr(0, utf8LastCharStart(s.DisplayText));
        OutputExt(s.TrimText);
    } else {
        Indicate(s.CurrentValue);
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

void Calculator::Indicate(Extended x) {
    state_.DisplayText = displayTextFor(x, state_.EntryText, state_.DecimalEntered);
}

void Calculator::IndicateM(Extended x) {
    state_.MemoryDisplayText = displayTextFor(x, state_.MemoryEntryText, false);
}

void Calculator::OutputExt(std::string_view text) { view_.showDisplay(layoutDisplay(text, DisplayKind::Main)); }

void Calculator::OutputMem(std::string_view text) { view_.showMemoryLine(layoutDisplay(text, DisplayKind::Memory)); }

} // namespace orv
