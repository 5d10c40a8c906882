// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

// A byte that continues a multi-byte UTF-8 character (10xxxxxx), never one that starts a character.
inline bool isContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Number of characters (code points) in UTF-8 text.
std::size_t utf8Length(std::string_view text);

// Byte offset of the first byte of the last character, or text.size() when empty.
std::size_t utf8LastCharStart(std::string_view text);

// Byte offset of the character with index `index`, or text.size() past the end.
std::size_t utf8Offset(std::string_view text, std::size_t index);

} // namespace orv
