// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <string_view>
#include <vector>

namespace orv {

// The expression's characters with the sentinel blank appended, read by a 1-based cursor. Latin
// letters are upper-cased once here; every other non-ASCII character reads as kOtherCharacter,
// so positions count characters, not bytes; a control character other than tab, CR and LF (C0,
// DEL, C1) reads as kControlCharacter. Positions past the sentinel read as kEndOfText.
class ExpressionText {
public:
    static constexpr char kEndOfText = '\0';
    static constexpr char kOtherCharacter = '\x7f';
    static constexpr char kControlCharacter = '\x01';

    explicit ExpressionText(std::string_view utf8);

    char at(int cursor) const {
        const auto index = static_cast<std::size_t>(cursor);
        return index < characters_.size() ? characters_[index] : kEndOfText;
    }

    // The number of characters including the sentinel.
    int length() const { return static_cast<int>(characters_.size()) - 1; }

    // The characters from index 0 (unused) to the sentinel, for readers that check the bound.
    const char* data() const { return characters_.data(); }

private:
    std::vector<char> characters_; // index 0 is unused so that the cursor indexes directly
};

// A letter of a name as the text holds it: Latin letters are upper-cased there.
inline bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }

} // namespace orv
