#include "utf8.h"

namespace orv {
namespace {
bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
} // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if (!isContinuation(c)) ++n;
    return n;
}

std::size_t utf8LastCharStart(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t i = text.size() - 1;
    while (i > 0 && isContinuation(static_cast<unsigned char>(text[i]))) --i;
    return i;
}

std::size_t utf8Offset(std::string_view text, std::size_t index) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(text[i]))) continue;
        if (count == index) return i;
        ++count;
    }
    return text.size();
}

} // namespace orv
