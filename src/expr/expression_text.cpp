#include "expression_text.h"

#include "utf8.h"

namespace orv {
namespace {

// Keeps every cursor value, including the skips past the end, inside a 32-bit integer.
constexpr std::size_t kMaxCharacters = std::size_t{1} << 30;

} // namespace

ExpressionText::ExpressionText(std::string_view utf8) {
    characters_.reserve(utf8.size() + 2);
    characters_.push_back(kEndOfText);
    bool inMultibyte = false;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (inMultibyte && isContinuationByte(byte)) continue;
        if (characters_.size() > kMaxCharacters) break;
        inMultibyte = byte >= 0x80;
        if (inMultibyte || byte == static_cast<unsigned char>(kOtherCharacter)) {
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
