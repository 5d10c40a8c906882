// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "utf8.h"

namespace orv {

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if (!isContinuationByte(c)) ++n;
    return n;
}

std::size_t utf8LastCharStart(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t i = text.size() - 1;
    while (i > 0 && isContinuationByte(static_cast<unsigned char>(text[i]))) --i;
    return i;
}

std::size_t utf8Offset(std::string_view text, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(static_cast<unsigned char>(text[i]))) continue;
        if (count == index) return i;
        ++count;
    }
    return text.size();
}

char32_t utf8Decode(std::string_view text, std::size_t at, std::size_t end) {
    constexpr char32_t kMalformed = 0xFFFD;
    const std::size_t length = end - at;
    const auto lead = static_cast<unsigned char>(text[at]);
    if (utf8DeclaredLength(lead) != length) return kMalformed;
    if (length == 1) return lead;
    char32_t c = lead & (0xFF >> (length + 1));
    for (std::size_t i = at + 1; i < end; ++i) c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF) return kMalformed;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace orv
