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

} // namespace orv
