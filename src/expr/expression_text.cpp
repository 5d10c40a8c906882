// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression_text.h"

#include "utf8.h"

namespace orv {
namespace {

// Keeps every cursor value, including the skips past the end, inside a 32-bit integer.
constexpr std::size_t kMaxCharacters = std::size_t{1} << 30;

bool isControl(unsigned char byte) { return (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r') || byte == 0x7F; }

// U+0080..U+009F, the C1 controls, are the two bytes C2 80..C2 9F.
bool isC1Control(std::string_view utf8, std::size_t at) {
    return static_cast<unsigned char>(utf8[at]) == 0xC2 && at + 1 < utf8.size() &&
           static_cast<unsigned char>(utf8[at + 1]) >= 0x80 && static_cast<unsigned char>(utf8[at + 1]) <= 0x9F;
}

} // namespace

ExpressionText::ExpressionText(std::string_view utf8) {
    characters_.reserve(utf8.size() + 2);
    characters_.push_back(kEndOfText);
    bool inMultibyte = false;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto byte = static_cast<unsigned char>(c);
        if (inMultibyte && isContinuationByte(byte)) continue;
        if (characters_.size() > kMaxCharacters) break;
        inMultibyte = byte >= 0x80;
        if (isControl(byte) || isC1Control(utf8, i)) {
            characters_.push_back(kControlCharacter);
        } else if (inMultibyte) {
            characters_.push_back(kOtherCharacter);
        } else if (c >= 'a' && c <= 'z') {
            characters_.push_back(static_cast<char>(c - 'a' + 'A'));
        } else {
            characters_.push_back(c);
        }
    }
    characters_.push_back(' ');
}

} // namespace orv
