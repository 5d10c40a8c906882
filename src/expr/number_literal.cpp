// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "number_literal.h"

#include "arithmetic.h"
#include "c_locale.h"
#include "characters.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orv {
namespace {

struct Scan {
    std::uint64_t mantissa = 0;
    bool mantissaExact = true; // every significant digit is in `mantissa`
    int decimals = 0;          // digits after the point held in `mantissa`
    long exponent = 0;
    bool exponentSmall = true;
};

void addDigit(Scan& s, char c, bool fraction) {
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (!s.mantissaExact) return;
    if (s.mantissa > (UINT64_MAX - 9) / 10) {
        s.mantissaExact = false;
        return;
    }
    s.mantissa = s.mantissa * 10 + digit;
    if (fraction) ++s.decimals;
}

} // namespace

std::optional<Extended> readNumber(const ExpressionText& text, int& cursor) {
    const int start = cursor;
    Scan s;
    while (isDigit(text.at(cursor))) addDigit(s, text.at(cursor++), false);
    if (text.at(cursor) == '.') {
        ++cursor;
        while (isDigit(text.at(cursor))) addDigit(s, text.at(cursor++), true);
    }
    // The number's text for strtold: up to here, or to the end of an exponent that has digits (an
    // "E" or "E-" without them is passed over but is no part of the number).
    int end = cursor;
    if (text.at(cursor) == 'E') {
        ++cursor;
        bool negative = false;
        if (text.at(cursor) == '+' || text.at(cursor) == '-') negative = text.at(cursor++) == '-';
        bool any = false;
        while (isDigit(text.at(cursor))) {
            const char c = text.at(cursor++);
            any = true;
            if (s.exponent < 100000) s.exponent = s.exponent * 10 + (c - '0');
            else s.exponentSmall = false;
        }
        if (negative) s.exponent = -s.exponent;
        if (any) end = cursor;
        else s.exponent = 0;
    }
    // An exact 64-bit mantissa scaled by an exact power of ten is one correctly rounded operation.
    const long power = s.exponent - s.decimals;
    if (s.mantissaExact && s.exponentSmall && power >= -kExactPowersOfTen && power <= kExactPowersOfTen) {
        const auto m = static_cast<Extended>(s.mantissa);
        const Extended scale = exactPowerOfTen(power < 0 ? -power : power);
        return power < 0 ? m / scale : m * scale;
    }
    // Digits, ".", "E", a sign: the characters are those of the typed text.
    const std::string plain(text.data() + start, text.data() + end);
    const Extended value = strtold_l(plain.c_str(), nullptr, cLocale());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

} // namespace orv
