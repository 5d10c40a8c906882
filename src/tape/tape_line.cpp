// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_line.h"

#include "tape_record.h"

#include <array>
#include <string_view>

namespace orv {
namespace {

// What stands left of " = " and right of it; {a} {b} {name} {op} {result} are filled in. A failed
// step keeps the left side, or its own where the right side says more than the result, and puts
// its message after ": ".
struct FormRow {
    TapeForm form;
    std::string_view left;
    std::string_view right;
    std::string_view failed = {};
};

constexpr std::array<FormRow, 13> kForms{{
    {TapeForm::Operation, "{a} {op} {b}", "{result}"},
    {TapeForm::LogBase, "log{b} {a}", "{result}"},
    {TapeForm::Percent, "{a} {op} {b}%", "{result}"},
    {TapeForm::Function, "{name} {a}", "{result}"},
    {TapeForm::Sign, "{name}{a}", "{result}"},
    {TapeForm::Postfix, "{a}{name}", "{result}"},
    {TapeForm::Negation, "\u2212({a})", "{result}"},
    {TapeForm::Memory, "{name} {op} {a}", "{result}"},
    {TapeForm::MemoryClear, "{name}", "{result}{b}"}, // b: " (was 1918)" or nothing
    {TapeForm::Conversion, "{a} {name}", "{result} {b}"},
    {TapeForm::Statistic, "{name}", "{result}"},
    {TapeForm::Expression, "{a}", "{result}{b}", "{a}{b}"}, // b: " (degrees)" or nothing
    {TapeForm::Note, "{name}", {}},
}};

// A power's base, a negative number or one in exponent form reads as one operand only in brackets.
std::string bracketed(const std::string& number) {
    if (number.starts_with('-') || number.find_first_of("Ee") != std::string::npos) return "(" + number + ")";
    return number;
}

// The base of a logarithm as a subscript; what has no subscript form stays as it is.
std::string subscript(std::string_view text) {
    static constexpr std::string_view kDigits[] = {"₀", "₁", "₂", "₃", "₄", "₅", "₆", "₇", "₈", "₉"};
    std::string result;
    for (const char c : text) {
        if (c >= '0' && c <= '9') result += kDigits[c - '0'];
        else if (c == '-') result += "₋";
        else if (c == '+') result += "₊";
        else result += c;
    }
    return result;
}

std::string filled(std::string_view pattern, const TapeStep& step) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '{') {
            text += pattern[i];
            continue;
        }
        const std::size_t close = pattern.find('}', i);
        const std::string_view field = pattern.substr(i + 1, close - i - 1);
        if (field == "a") text += step.form == TapeForm::Postfix ? bracketed(step.a) : step.a;
        else if (field == "b") text += step.form == TapeForm::LogBase ? subscript(step.b) : step.b;
        else if (field == "name") text += step.name;
        else if (field == "op") text += step.op;
        else if (field == "result") text += step.result;
        i = close;
    }
    return text;
}

std::string formatted(const TapeStep& step) {
    for (const FormRow& row : kForms) {
        if (row.form != step.form) continue;
        if (!step.message.empty())
            return filled(row.failed.empty() ? row.left : row.failed, step) + ": " + step.message;
        const std::string left = filled(row.left, step);
        if (row.right.empty()) return left;
        return left + " = " + filled(row.right, step);
    }
    return {};
}

} // namespace

std::string tapeLine(const TapeStep& step) {
    // A line read back from the file stays as it was read, as it always was shown.
    if (step.form == TapeForm::Written) return step.name;
    return tapeLineText(formatted(step));
}

std::optional<Extended> tapeResult(const TapeStep& step) {
    return step.message.empty() ? step.value : std::nullopt;
}

TapeStep writtenTapeLine(std::string text, std::optional<Extended> result) {
    TapeStep step;
    step.form = TapeForm::Written;
    step.name = std::move(text);
    step.value = result;
    return step;
}

} // namespace orv
