// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Two numbers as text ("a;b"): the short decimal found for each must be the C library's 17-digit
// text of it where that reads back, and nothing where it does not; a sum taken from the decimals
// must be commutative, a short decimal itself, and no further from the plain sum than the two
// operands' roundings.
#include "c_locale.h"
#include "decimal_sum.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using orv::Extended;

Extended read(const std::string& text) { return strtold_l(text.c_str(), nullptr, orv::cLocale()); }

void checkShortDecimal(Extended x) {
    const auto d = orv::shortDecimalOf(x);
    if (!std::isfinite(x)) {
        if (d) std::abort();
        return;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.16Le", x);
    const bool reference = read(buffer) == x;
    if (d.has_value() != reference) std::abort();
    if (d && read(std::to_string(d->digits) + "e" + std::to_string(d->exponent)) != x) std::abort();
}

Extended ulp(Extended x) { return std::nextafter(std::fabs(x), INFINITY) - std::fabs(x); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t split = text.find(';');
    if (split == std::string::npos || text.find('\0') != std::string::npos) return 0;
    const Extended a = read(text.substr(0, split)), b = read(text.substr(split + 1));
    checkShortDecimal(a);
    checkShortDecimal(b);
    const Extended plain = a + b;
    const Extended sum = orv::decimalSum(a, b, plain);
    if (std::isnan(plain)) return 0;
    if (orv::decimalSum(b, a, b + a) != sum) std::abort();
    checkShortDecimal(sum);
    if (sum == plain) return 0;
    if (!orv::shortDecimalOf(a) || !orv::shortDecimalOf(b) || !orv::shortDecimalOf(sum)) std::abort();
    if (!(std::fabs(sum - plain) <= ulp(a) + ulp(b) + ulp(plain))) std::abort();
    return 0;
}
