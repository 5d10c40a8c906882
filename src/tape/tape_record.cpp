// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_record.h"

#include <charconv>
#include <cmath>

namespace orv {

std::string tapeRecord(const TapeEntry& entry) {
    std::string record = tapeLineText(entry.text);
    if (!entry.result || !std::isfinite(*entry.result)) return record;
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, *entry.result);
    record += '\t';
    record.append(digits, written.ptr);
    return record;
}

TapeEntry parseTapeRecord(std::string_view record) {
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1); // edited elsewhere
    const std::size_t tab = record.rfind('\t');
    if (tab != std::string_view::npos) {
        const std::string_view column = record.substr(tab + 1);
        Extended value = 0;
        const auto read = std::from_chars(column.data(), column.data() + column.size(), value);
        if (!column.empty() && read.ec == std::errc() && read.ptr == column.data() + column.size() &&
            std::isfinite(value))
            return {std::string(record.substr(0, tab)), value};
    }
    return {std::string(record), std::nullopt};
}

std::string tapeLineText(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    return text;
}

} // namespace orv
