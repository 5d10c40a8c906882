// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "decimal_sum.h"

#include "arithmetic.h"
#include "c_locale.h"
#include "extended_bits.h"
#include "powers_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace orv {
namespace {

using U128 = unsigned __int128;
using I128 = __int128;

constexpr std::uint64_t kTwoToThe63Bits = std::uint64_t{1} << 63;
constexpr std::uint64_t kTenToThe17 = 100'000'000'000'000'000;

// 5^n fits 64 bits up to n = 27, so m * 5^n fits 128 for any 64-bit significand m.
constexpr int kFastScale = 27;

constexpr auto kPowersOfFive = powersOf<std::uint64_t, kFastScale + 1>(5);

// 10^n for 0 <= n <= 38, the powers that fit a signed 128-bit integer.
constexpr int kLargestPowerOfTen128 = 38;
constexpr auto kPowersOfTen128 = powersOf<U128, kLargestPowerOfTen128 + 1>(10);

// |x| = significand * 2^exponent, read from the x87 format (subnormals included).
struct Bits {
    std::uint64_t significand = 0;
    int exponent = 0;
    // x is a normal power of two: the Extended below it lies half as far as the one above.
    bool narrowBelow = false;
    bool notFinite = false;
    bool negative = false;
};

// From memory: long double arguments arrive on the stack, and loading one into the x87 unit to
// test it costs more than the integer work that follows.
Bits partsOf(const Extended& x) {
    const ExtendedBits raw = orv::bitsOf(x);
    const int biased = raw.biasedExponent();
    constexpr int kFractionBits = 63;
    return {raw.significand, (biased == 0 ? 1 : biased) - kExponentBias - kFractionBits,
            raw.significand == kTwoToThe63Bits && biased > 1, !raw.finite(), raw.negative()};
}

// Whether the decimal lying `distance` units from x, on the side `below` or above it, rounds to
// x, where `gap` units separate x from its neighbour (ties go to the even significand).
bool roundsToX(U128 distance, U128 gap, bool below, const Bits& x) {
    const U128 scaled = distance * (below && x.narrowBelow ? 4 : 2);
    return scaled < gap || (scaled == gap && x.significand % 2 == 0);
}

struct Rounded {
    std::uint64_t digits = 0; // |x| * 10^scale rounded to a whole number
    bool nearest = false;     // digits * 10^-scale rounds back to x
    bool exact = false;       // ... and is x itself
};

// |x| * 10^scale rounded half up, in integers, for |scale| <= kFastScale; the result must fit 64
// bits (the caller picks the scale so that it has 17 or 18 digits).
Rounded roundAtScale(const Bits& x, int scale) {
    const std::uint64_t m = x.significand;
    if (scale >= 0) {
        // |x| * 10^scale = m * 5^scale * 2^(exponent + scale)
        const U128 scaled = static_cast<U128>(m) * kPowersOfFive[static_cast<std::size_t>(scale)];
        const int shift = -(x.exponent + scale);
        if (shift <= 0) return {static_cast<std::uint64_t>(scaled << -shift), true, true};
        const U128 half = U128{1} << (shift - 1);
        const U128 digits = (scaled + half) >> shift;
        const U128 back = digits << shift;
        const bool below = back < scaled; // the decimal lies below x
        const U128 distance = below ? scaled - back : back - scaled;
        // One unit of x's last place is 5^scale units here.
        return {static_cast<std::uint64_t>(digits),
                roundsToX(distance, kPowersOfFive[static_cast<std::size_t>(scale)], below, x), distance == 0};
    }
    const int down = -scale;
    const U128 five = kPowersOfFive[static_cast<std::size_t>(down)];
    const int shift = x.exponent - down;
    if (shift >= 0) {
        // |x| / 10^down = (m * 2^shift) / 5^down; a unit of x's last place is 2^shift units.
        const U128 numerator = static_cast<U128>(m) << shift;
        U128 digits = numerator / five;
        const U128 remainder = numerator % five;
        bool below = true;
        U128 distance = remainder;
        if (2 * remainder >= five) {
            ++digits;
            below = false;
            distance = five - remainder;
        }
        return {static_cast<std::uint64_t>(digits), roundsToX(distance, U128{1} << shift, below, x),
                distance == 0};
    }
    // |x| / 10^down = m / (5^down * 2^-shift): the decimal is x itself or not x's decimal at all.
    const U128 denominator = five << -shift;
    U128 digits = m / denominator;
    const U128 remainder = m % denominator;
    if (2 * remainder >= denominator) ++digits;
    const bool exact = remainder == 0;
    return {static_cast<std::uint64_t>(digits), exact, exact};
}

int stripTrailingZeros(std::uint64_t& digits) {
    if (digits == 0) return 0;
    int stripped = 0;
    if (digits % 10'000'000'000'000'000 == 0) {
        digits /= 10'000'000'000'000'000;
        stripped += 16;
    }
    if (digits % 100'000'000 == 0) {
        digits /= 100'000'000;
        stripped += 8;
    }
    if (digits % 10'000 == 0) {
        digits /= 10'000;
        stripped += 4;
    }
    if (digits % 100 == 0) {
        digits /= 100;
        stripped += 2;
    }
    if (digits % 10 == 0) {
        digits /= 10;
        stripped += 1;
    }
    return stripped;
}

ShortDecimal signedDecimal(std::uint64_t digits, int exponent, bool exact, bool negative) {
    exponent += stripTrailingZeros(digits);
    const auto magnitude = static_cast<std::int64_t>(digits);
    return {negative ? -magnitude : magnitude, exponent, exact};
}

// Far from 1 the scale leaves the 128-bit range: the C library's correctly rounding conversions
// decide there, at some microseconds a number.
std::optional<ShortDecimal> shortDecimalByText(Extended x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", kShortDecimalDigits - 1, std::fabs(x));
    std::uint64_t digits = 0;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    if (*p != 'e') return std::nullopt;
    const int exponent = std::atoi(p + 1) - (kShortDecimalDigits - 1);
    // The digits again in C syntax, so that the reading does not depend on the user's locale.
    std::snprintf(buffer, sizeof buffer, "%llue%d", static_cast<unsigned long long>(digits), exponent);
    if (strtold_l(buffer, nullptr, cLocale()) != std::fabs(x)) return std::nullopt;
    // No short decimal this far from 1 is a binary fraction: none is exact.
    return signedDecimal(digits, exponent, false, x < 0);
}

// digits * 10^by, where it fits 128 bits.
std::optional<I128> scaleUp(I128 digits, int by) {
    if (by > kLargestPowerOfTen128) return digits == 0 ? std::optional<I128>{0} : std::nullopt;
    I128 result = 0;
    if (__builtin_mul_overflow(digits, static_cast<I128>(kPowersOfTen128[static_cast<std::size_t>(by)]),
                               &result))
        return std::nullopt;
    return result;
}

std::string toText(I128 value) {
    const bool negative = value < 0;
    U128 magnitude = negative ? -static_cast<U128>(value) : static_cast<U128>(value);
    std::string text;
    do {
        text.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) text.push_back('-');
    std::reverse(text.begin(), text.end());
    return text;
}

// digits * 10^exponent as a C number text.
Extended readDecimal(const std::string& digits, int exponent) {
    const std::string text = digits + "e" + std::to_string(exponent);
    return strtold_l(text.c_str(), nullptr, cLocale());
}

} // namespace

std::optional<ShortDecimal> shortDecimalOf(Extended x) {
    const Bits bits = partsOf(x);
    if (bits.notFinite) return std::nullopt;
    if (bits.significand == 0) return ShortDecimal{0, 0, true};
    // |x| lies in [2^(length-1), 2^length), so its decimal exponent is this estimate or one more.
    const int length = 64 - __builtin_clzll(bits.significand) + bits.exponent;
    // floor((length - 1) * log10 2) in integers, exact for |length| up to 1650 and so wherever
    // the integer path can take it; a floor of the x87 unit would cost two changes of its mode.
    const int decimalExponent = ((length - 1) * 78913) >> 18;
    int scale = kShortDecimalDigits - 1 - decimalExponent;
    if (scale < -kFastScale + 1 || scale > kFastScale) return shortDecimalByText(x);
    Rounded r = roundAtScale(bits, scale);
    if (r.digits >= kTenToThe17) r = roundAtScale(bits, --scale);
    if (!r.nearest) return std::nullopt;
    return signedDecimal(r.digits, -scale, r.exact, bits.negative);
}

Extended nearestExtended(I128 digits, int exponent) {
    if (digits == 0) return 0;
    const U128 magnitude = digits < 0 ? -static_cast<U128>(digits) : static_cast<U128>(digits);
    // Both factors exact, so one correctly rounded multiplication or division.
    if (magnitude >> 64 == 0 && exponent >= -kExactPowersOfTen && exponent <= kExactPowersOfTen) {
        const auto m = static_cast<Extended>(static_cast<std::uint64_t>(magnitude));
        const Extended value = exponent >= 0 ? m * exactPowerOfTen(exponent) : m / exactPowerOfTen(-exponent);
        return digits < 0 ? -value : value;
    }
    return readDecimal(toText(digits), exponent);
}

std::optional<Extended> shortSum(const ShortDecimal& a, const ShortDecimal& b) {
    const ShortDecimal& high = a.exponent >= b.exponent ? a : b;
    const ShortDecimal& low = a.exponent >= b.exponent ? b : a;
    const auto aligned = scaleUp(high.digits, high.exponent - low.exponent);
    I128 total = 0;
    if (!aligned || __builtin_add_overflow(*aligned, I128{low.digits}, &total)) return std::nullopt;
    int exponent = low.exponent;
    constexpr I128 kShortLimit = kTenToThe17;
    if (total >= kShortLimit || total <= -kShortLimit) {
        // A carry may have left zeros behind (99999999999999999 + 1).
        while (total != 0 && total % 10 == 0) {
            total /= 10;
            ++exponent;
        }
        if (total >= kShortLimit || total <= -kShortLimit) return std::nullopt;
    }
    const Extended value = nearestExtended(total, exponent);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<Extended> decimalAffine(Extended x, Extended before, int numerator, int denominator,
                                      Extended after) {
    const auto dx = shortDecimalOf(x), db = shortDecimalOf(before), da = shortDecimalOf(after);
    if (!dx || !db || !da || denominator <= 0) return std::nullopt;
    const int exponent = std::min({dx->exponent, db->exponent, da->exponent});
    const auto at = [exponent](const ShortDecimal& d) { return scaleUp(d.digits, d.exponent - exponent); };
    const auto xs = at(*dx), bs = at(*db), as = at(*da);
    if (!xs || !bs || !as) return std::nullopt;
    I128 shifted = 0, scaled = 0, afterScaled = 0, total = 0;
    if (__builtin_add_overflow(*xs, *bs, &shifted) ||
        __builtin_mul_overflow(shifted, I128{numerator}, &scaled) ||
        __builtin_mul_overflow(*as, I128{denominator}, &afterScaled) ||
        __builtin_add_overflow(scaled, afterScaled, &total))
        return std::nullopt;
    Extended value = 0;
    I128 thousandths = 0; // a division by 2, 4, 5 or 8 ends in a decimal
    if (total % denominator == 0) {
        value = nearestExtended(total / denominator, exponent);
    } else if (1000 % denominator == 0 &&
               !__builtin_mul_overflow(total, I128{1000 / denominator}, &thousandths)) {
        value = nearestExtended(thousandths, exponent - 3);
    } else {
        value = nearestExtended(total, exponent) / denominator;
    }
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

namespace detail {

Extended decimalSumOfFractions(Extended a, Extended b, Extended sum) {
    // A sum beyond the range stays there, whatever the decimals would give.
    if (a == 0 || b == 0 || !std::isfinite(sum)) return sum;
    const auto da = shortDecimalOf(a);
    if (!da) return sum;
    const auto db = shortDecimalOf(b);
    if (!db) return sum;
    // Exact decimals are their own nearest values: the plain sum is already rounded once.
    if (da->exact && db->exact) return sum;
    return shortSum(*da, *db).value_or(sum);
}

} // namespace detail

void DecimalTally::addFraction(Extended term) {
    const auto d = shortDecimalOf(term);
    if (!d) {
        decimal_ = false;
        return;
    }
    finest_ = std::min(finest_, d->exponent);
}

Extended DecimalTally::total(Extended sum, Extended compensation, Extended largest,
                             std::uint64_t count) const {
    const Extended plain = sum + compensation;
    if (!decimal_ || finest_ < -kExactPowersOfTen || finest_ > kExactPowersOfTen || !std::isfinite(plain))
        return plain;
    // In units of the finest place the decimal total is whole. The terms lie within half a unit
    // of their last places of their decimals, so within count * largest * 2^-64 together; that
    // and the roundings below (each at most 1/16 for a total below 2^60 units) stay under half a
    // unit, and the nearest whole number is the decimal total exactly.
    const bool up = finest_ < 0;
    const Extended unit = exactPowerOfTen(up ? -finest_ : finest_);
    const Extended scaledLargest = up ? largest * unit : largest / unit;
    const Extended scaledTotal = up ? sum * unit + compensation * unit : plain / unit;
    constexpr Extended kTwoToThe60 = kTwoToThe63 / 8, kTwoToTheMinus64 = 1 / (16 * kTwoToThe60);
    const Extended drift = static_cast<Extended>(count) * scaledLargest * kTwoToTheMinus64;
    if (!(std::fabs(scaledTotal) < kTwoToThe60) || !(drift < 0.125L)) return plain;
    // As for two operands, only a total that is a short decimal itself is taken from the decimals.
    const auto digits = static_cast<std::int64_t>(std::nearbyint(scaledTotal));
    if (digits >= static_cast<std::int64_t>(kTenToThe17) || digits <= -static_cast<std::int64_t>(kTenToThe17))
        return plain;
    return nearestExtended(digits, finest_);
}

} // namespace orv
