// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "entry_text.h"

#include "utf8.h"

#include <array>

namespace orv {
namespace {

constexpr std::array<char32_t, 19> kUnicodeSpaces = {
    0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004, 0x2005, 0x2006, 0x2007,
    0x2008, 0x2009, 0x200A, 0x2028, 0x2029, 0x202F, 0x205F, 0x3000, 0xFEFF,
};

bool isWhiteSpace(char32_t c) {
    if (c == ' ' || (c >= '\t' && c <= '\r')) return true;
    for (char32_t space : kUnicodeSpaces)
        if (c == space) return true;
    return false;
}

bool isDecimalDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::string_view trimWhiteSpace(std::string_view text) {
    while (!text.empty()) {
        const std::size_t end = utf8Offset(text, 1);
        if (!isWhiteSpace(utf8Decode(text, 0, end))) break;
        text.remove_prefix(end);
    }
    while (!text.empty()) {
        const std::size_t start = utf8LastCharStart(text);
        if (!isWhiteSpace(utf8Decode(text, start, text.size()))) break;
        text.remove_suffix(text.size() - start);
    }
    return text;
}

std::string canonicalEntry(std::string_view text, Extended value) {
    if (value == 0 && text.find_first_of("Ee") != std::string_view::npos) return "0";
    std::string entry;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        if (text.front() == '-') entry.push_back('-');
        text.remove_prefix(1);
    }
    while (text.size() > 1 && text[0] == '0' && isDecimalDigit(text[1])) text.remove_prefix(1);
    entry.append(text);
    return entry;
}

std::string withoutLastCharacter(std::string_view text) {
    if (text.empty()) return {};
    std::string shorter(text.substr(0, utf8LastCharStart(text)));
    while (!shorter.empty() && std::string_view("Ee+-").find(shorter.back()) != std::string_view::npos)
        shorter.pop_back();
    return shorter;
}

} // namespace orv
