// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Parse and format must never crash, the general text form must read back as the value
// rounded to 15 significant digits, and a pasted number's entry must read back as its value.
#include "entry_text.h"
#include "number_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

const orv::Separators kSeparators[] = {{",", " "}, {".", ","}, {"\xD9\xAB", "\xD9\xAC"}};

void checkRoundTrip(orv::Extended x, const orv::Separators& s) {
    const std::string text = orv::generalText(x, s);
    const auto back = orv::parseNumber(text, s);
    if (!back) std::abort();
    // Parsing the 15-digit text and writing it again must give the same text.
    if (orv::generalText(*back, s) != text) std::abort();
    (void)orv::exponentText(x, s);
    for (int p = 0; p <= 20; p += 5)
        for (int d = -1; d <= 18; d += 6) (void)orv::fixedText(x, p, d, s, (p & 1) != 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& s : kSeparators)
        if (const auto value = orv::parseNumber(text, s)) checkRoundTrip(*value, s);
    const std::string_view pasted = orv::trimWhiteSpace(text);
    for (const auto& s : kSeparators) {
        const auto value = orv::parseNumber(pasted, s);
        if (!value) continue;
        const auto back = orv::parseNumber(orv::canonicalEntry(pasted, *value), s);
        if (!back || *back != *value) std::abort();
    }
    if (size >= sizeof(orv::Extended)) {
        orv::Extended x;
        std::memcpy(&x, data, sizeof x);
        if (x == x && x - x == 0) // finite values only: the text forms are for numbers
            for (const auto& s : kSeparators) checkRoundTrip(x, s);
    }
    return 0;
}
