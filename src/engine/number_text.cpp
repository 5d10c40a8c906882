// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "number_text.h"

#include "c_locale.h"
#include "characters.h"

#include <algorithm>
#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>

namespace orv {
namespace {

constexpr int kExpandedDigits = 18;

// The expansion to `count` significant digits (18 for the common rounding). snprintf rounds
// correctly; its decimal point may be any locale's, so only digits, the sign and the exponent
// are read back.
DecimalDigits expand(Extended x, int count = kExpandedDigits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, x);
    DecimalDigits d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    while (*p && *p != 'e') {
        if (isDigit(*p)) d.digits.push_back(*p);
        ++p;
    }
    if (*p == 'e') d.exponent = std::atoi(p + 1);
    if (d.digits.find_first_not_of('0') == std::string::npos) d.digits.clear();
    return d;
}

// Cuts the expanded digits to `count`, half-up on the magnitude, carrying into a new digit.
DecimalDigits cut(DecimalDigits d, int count) {
    if (d.digits.empty() || count >= static_cast<int>(d.digits.size())) return d;
    if (count < 0) {
        d.digits.clear();
        return d;
    }
    const bool roundUp = d.digits[static_cast<std::size_t>(count)] >= '5';
    d.digits.resize(static_cast<std::size_t>(count));
    if (roundUp) {
        int i = count - 1;
        for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
            d.digits[static_cast<std::size_t>(i)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            if (d.digits.empty()) d.digits = "1";
            ++d.exponent;
        }
    }
    if (d.digits.find_first_not_of('0') == std::string::npos) d.digits.clear();
    return d;
}

void dropTrailingZeros(std::string& digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
}

std::string group(const std::string& integerDigits, const std::string& separator) {
    std::string out;
    const std::size_t n = integerDigits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += separator;
        out += integerDigits[i];
    }
    return out;
}

// The digit of a rounded value at the power of ten `power`.
char digitAt(const DecimalDigits& d, int power) {
    const int index = d.exponent - power;
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

} // namespace

DecimalDigits roundedDigits(Extended x, int count) { return cut(expand(x), count); }

std::optional<Extended> parseNumber(std::string_view text, const Separators& separators) {
    std::string plain; // the same number in C syntax for strtold
    std::size_t i = 0;
    const std::size_t n = text.size();
    const std::string_view decimal = separators.decimal;
    while (i < n && text[i] == ' ') ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
    bool mantissa = false;
    plain.push_back('0'); // so that a lone separator reads as 0
    while (i < n && isDigit(text[i])) {
        plain.push_back(text[i++]);
        mantissa = true;
    }
    if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
        i += decimal.size();
        plain.push_back('.');
        mantissa = true;
        while (i < n && isDigit(text[i])) plain.push_back(text[i++]);
    }
    if (!mantissa) return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        plain.push_back('e');
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) plain.push_back(text[i++]);
        const std::size_t start = i;
        while (i < n && isDigit(text[i])) plain.push_back(text[i++]);
        if (i == start) return std::nullopt;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    errno = 0;
    const Extended value = strtold_l(plain.c_str(), nullptr, cLocale());
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::string generalText(Extended x, const Separators& separators, int precision) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    precision = std::clamp(precision, 1, kMaxGeneralDigits);
    // A whole number of no more digits than asked for is shown as it is: its digits are exact, so
    // the decimal expansion and its rounding would give them back unchanged (the batch mode spends
    // most of its time there otherwise).
    if (precision <= kExpandedDigits) {
        std::uint64_t limit = 1;
        for (int i = 0; i < precision; ++i) limit *= 10;
        // Below 10^18, so the integer conversion is exact for a whole x and tells one from a part.
        const auto magnitude = std::fabs(x) < static_cast<Extended>(limit)
                                   ? static_cast<std::uint64_t>(std::fabs(x))
                                   : std::uint64_t{0};
        if (magnitude != 0 && static_cast<Extended>(magnitude) == std::fabs(x)) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
            std::string out = x < 0 ? "-" : "";
            out.append(digits, end);
            return out;
        }
    }
    // Beyond the common 18 digits the value is expanded straight to the precision asked for.
    DecimalDigits d = precision <= kExpandedDigits ? roundedDigits(x, precision) : expand(x, precision);
    if (d.digits.empty()) return "0";
    dropTrailingZeros(d.digits);
    std::string out = d.negative ? "-" : "";
    const int e = d.exponent;
    if (e >= -4 && e < precision) {
        if (e >= 0) {
            std::string integer = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), e + 1));
            integer.resize(static_cast<std::size_t>(e + 1), '0');
            out += integer;
            if (d.digits.size() > static_cast<std::size_t>(e + 1))
                out += separators.decimal + d.digits.substr(static_cast<std::size_t>(e + 1));
        } else {
            out += "0" + separators.decimal + std::string(static_cast<std::size_t>(-e - 1), '0') + d.digits;
        }
        return out;
    }
    out += d.digits[0];
    if (d.digits.size() > 1) out += separators.decimal + d.digits.substr(1);
    out += "E" + std::to_string(e);
    return out;
}

std::string fixedText(Extended x, int precision, int decimals, const Separators& separators, bool grouped) {
    if (!std::isfinite(x)) return generalText(x, separators);
    precision = std::clamp(precision, 2, kExpandedDigits);
    decimals = std::max(decimals, 0);
    const DecimalDigits expanded = expand(x);
    const DecimalDigits d = cut(expanded, std::min(precision, expanded.exponent + 1 + decimals));
    if (!d.digits.empty() && d.exponent + 1 > precision) return generalText(x, separators, precision);
    std::string integer;
    for (int power = std::max(d.exponent, 0); power >= 0; --power) integer += digitAt(d, power);
    if (d.digits.empty()) integer = "0";
    std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
    out += grouped ? group(integer, separators.thousands) : integer;
    if (decimals > 0) {
        out += separators.decimal;
        for (int power = -1; power >= -decimals; --power) out += digitAt(d, power);
    }
    return out;
}

std::string exponentText(Extended x, const Separators& separators) {
    if (!std::isfinite(x)) return generalText(x, separators);
    DecimalDigits d = roundedDigits(x, 13);
    if (d.digits.empty()) d.digits = std::string(13, '0');
    d.digits.resize(13, '0');
    std::string out = d.negative ? "-" : "";
    out += d.digits.substr(0, 1) + separators.decimal + d.digits.substr(1) + "E";
    out += d.exponent < 0 ? '-' : '+';
    std::string power = std::to_string(std::abs(d.exponent));
    if (power.size() < 4) power.insert(0, 4 - power.size(), '0');
    return out + power;
}

} // namespace orv
