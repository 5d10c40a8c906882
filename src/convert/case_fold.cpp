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

} // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        // A character is its lead byte and the continuation bytes it declares; a byte beyond
        // them is one of its own.
        const std::size_t declared = utf8DeclaredLength(static_cast<unsigned char>(text[i]));
        std::size_t end = i + 1;
        while (end < text.size() && end < i + declared && isContinuationByte(static_cast<unsigned char>(text[end])))
            ++end;
        const char32_t c = utf8Decode(text, i, end);
        const char32_t lower = lowerCodePoint(c);
        // Only a letter that folds is written anew; a malformed or overlong form stays as it came.
        if (lower != c)
            appendUtf8(out, lower);
        else
            out.append(text.substr(i, end - i));
        i = end;
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
