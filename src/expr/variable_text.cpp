// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "variable_text.h"

#include "number_text.h"

namespace orv {
namespace {

// The blank and the C0 controls, DEL, and the C1 controls (two bytes in UTF-8: C2 80 .. C2 9F).
std::size_t blankOrControlAt(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte <= 0x20 || byte == 0x7F) return 1;
    if (byte == 0xC2 && at + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (next >= 0x80 && next <= 0x9F) return 2;
    }
    return 0;
}

// The length of the blank or control character that ends at `end`, 0 for any other.
std::size_t blankOrControlBefore(std::string_view text, std::size_t end) {
    if (end >= 1 && blankOrControlAt(text, end - 1) == 1) return 1;
    if (end >= 2 && blankOrControlAt(text, end - 2) == 2) return 2;
    return 0;
}

} // namespace

std::string normaliseVariableText(std::string_view text, const Separators& separators) {
    std::size_t start = 0, end = text.size();
    while (start < end)
        if (const std::size_t n = blankOrControlAt(text, start)) start += n;
        else break;
    while (end > start)
        if (const std::size_t n = blankOrControlBefore(text, end)) end -= n;
        else break;
    std::string normal;
    normal.reserve(end - start);
    for (const char c : text.substr(start, end - start))
        if (c == '.') normal += separators.decimal;
        else normal += c;
    return normal;
}

VariableValue readVariableText(std::string_view text, const Separators& separators) {
    const std::string normal = normaliseVariableText(text, separators);
    if (normal.empty()) return {};
    if (const auto value = parseNumber(normal, separators)) return {*value, {}};
    return {0, "'" + normal + "' is not a valid floating point value."};
}

} // namespace orv
