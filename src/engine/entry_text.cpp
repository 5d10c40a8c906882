// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "entry_text.h"

#include "utf8.h"

#include <algorithm>
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

// The blanks a document or a locale puts between digit groups: plain, no-break, narrow no-break,
// thin and figure space.
bool isGroupBlank(char32_t c) {
    return c == ' ' || c == 0x00A0 || c == 0x202F || c == 0x2009 || c == 0x2007;
}

char32_t firstCharacter(std::string_view text) {
    return text.empty() ? 0 : utf8Decode(text, 0, utf8Offset(text, 1));
}

// The length in bytes of a group separator at the start of text, 0 when none is there.
std::size_t groupSeparatorLength(std::string_view text, std::string_view separator) {
    if (separator.empty() || text.empty()) return 0;
    if (isGroupBlank(firstCharacter(separator))) {
        const std::size_t length = utf8Offset(text, 1);
        return isGroupBlank(utf8Decode(text, 0, length)) ? length : 0;
    }
    return text.starts_with(separator) ? separator.size() : 0;
}

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

std::optional<std::string> withoutGroupSeparators(std::string_view text, const Separators& separators) {
    // Groups belong to the integer digits only: they end at the decimal separator or an exponent.
    std::size_t end = separators.decimal.empty() ? text.npos : text.find(separators.decimal);
    end = std::min(end, text.find_first_of("Ee"));
    const std::string_view integer = text.substr(0, end);
    std::string plain;
    std::size_t i = 0;
    if (!integer.empty() && (integer[0] == '+' || integer[0] == '-')) plain.push_back(integer[i++]);
    const std::size_t firstDigit = plain.size();
    std::size_t groups = 0;
    std::size_t digits = 0; // in the group being read
    while (i < integer.size()) {
        if (isDecimalDigit(integer[i])) {
            plain.push_back(integer[i++]);
            ++digits;
            continue;
        }
        const std::size_t length = groupSeparatorLength(integer.substr(i), separators.thousands);
        if (length == 0) return std::nullopt;
        // A leading zero is no group of a grouped number: "0,123" is rather a decimal comma.
        const bool regular =
            groups == 0 ? digits >= 1 && digits <= 3 && plain[firstDigit] != '0' : digits == 3;
        if (!regular) return std::nullopt;
        ++groups;
        digits = 0;
        i += length;
    }
    if (groups > 0 && digits != 3) return std::nullopt;
    plain.append(text.substr(integer.size()));
    return plain;
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
