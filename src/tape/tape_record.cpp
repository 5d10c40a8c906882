// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_record.h"

#include "c_locale.h"
#include "tape_line.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orv {

std::string tapeRecord(const TapeStep& step) {
    std::string record = tapeLineText(tapeLine(step));
    const std::optional<Extended> result = tapeResult(step);
    if (!result || !std::isfinite(*result)) return record;
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, *result);
    record += '\t';
    record.append(digits, written.ptr);
    return record;
}

TapeStep parseTapeRecord(std::string_view record) {
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1); // edited elsewhere
    const std::size_t tab = record.rfind('\t');
    if (tab != std::string_view::npos) {
        // strtold, as from_chars refuses the subnormal numbers the calculator can give.
        const std::string column(record.substr(tab + 1));
        char* end = nullptr;
        const Extended value = strtold_l(column.c_str(), &end, cLocale());
        const bool number = !column.empty() && (std::isdigit(static_cast<unsigned char>(column[0])) || column[0] == '-');
        if (number && end == column.c_str() + column.size() && std::isfinite(value))
            return writtenTapeLine(std::string(record.substr(0, tab)), value);
    }
    return writtenTapeLine(std::string(record), std::nullopt);
}

std::string tapeLineText(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return text;
}

} // namespace orv
