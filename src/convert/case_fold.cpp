// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "case_fold.h"

#include "utf8.h"

namespace orv {
namespace {

char32_t lowerCodePoint(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20; // Latin-1 capitals, not the sign ×
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;            // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;            // Ѐ..Џ, among them Ё
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Only the one- and two-byte forms hold letters that fold; longer ones are copied.
        if (lead < 0x80) {
            out.push_back(static_cast<char>(lowerCodePoint(lead)));
            ++i;
        } else if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() &&
                   isContinuationByte(static_cast<unsigned char>(text[i + 1]))) {
            const char32_t c =
                (char32_t{lead} & 0x1F) << 6 | (static_cast<unsigned char>(text[i + 1]) & 0x3F);
            if (c < 0x80)
                out.append(text.substr(i, 2)); // an overlong form stays as it came
            else
                appendUtf8(out, lowerCodePoint(c));
            i += 2;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace orv
