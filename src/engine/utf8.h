// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

// A byte that continues a multi-byte UTF-8 character (10xxxxxx), never one that starts a character.
inline bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// How many bytes a character that starts with this byte has; 0 for a byte that starts none.
inline std::size_t utf8DeclaredLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF8 ? 4 : 0;
}

// Number of characters (code points) in UTF-8 text.
std::size_t utf8Length(std::string_view text);

// Byte offset of the first byte of the last character, or text.size() when empty.
std::size_t utf8LastCharStart(std::string_view text);

// Byte offset of the character with index `index`, or text.size() past the end.
std::size_t utf8Offset(std::string_view text, std::size_t index);

// The code point of the one character text[at, end) (a lead byte and its continuation bytes), or
// U+FFFD when it is malformed: a stray continuation byte, a length its lead byte does not declare,
// an overlong form or a value beyond U+10FFFF.
char32_t utf8Decode(std::string_view text, std::size_t at, std::size_t end);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t c);

} // namespace orv
