// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "powers.h"

#include "math_result.h"

#include <cfenv>
#include <cmath>

namespace orv {
namespace {

// 1754! is about 1.979E4930, the largest factorial in the Extended range.
constexpr Extended kLargestFactorial = 1754;

bool isWhole(Extended x) { return std::trunc(x) == x; }

// Small whole exponents are powered here: the C library multiplies them out with a rounding at
// every step (and takes the reciprocal first for a negative one), up to two units off.
constexpr Extended kLargestCompensatedExponent = 64;
// Results (and so every intermediate power) stay this far inside the range, where the splitting
// below cannot overflow and the low parts stay normal.
constexpr Extended kSafeBinaryExponent = 16000;

// An unevaluated sum hi + lo carrying twice the significand.
struct DoubleExtended {
    Extended hi, lo;
};

// Veltkamp's split of a into two halves of 32 significant bits each.
DoubleExtended split(Extended a) {
    constexpr Extended kSplitter = 4294967297.0L; // 2^32 + 1
    const Extended c = kSplitter * a;
    const Extended hi = c - (c - a);
    return {hi, a - hi};
}

// Dekker's product: hi + lo == a * b exactly.
DoubleExtended twoProduct(Extended a, Extended b) {
    const Extended p = a * b;
    const DoubleExtended x = split(a), y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

DoubleExtended multiply(DoubleExtended a, DoubleExtended b) {
    const DoubleExtended p = twoProduct(a.hi, b.hi);
    const Extended lo = p.lo + (a.hi * b.lo + a.lo * b.hi);
    const Extended hi = p.hi + lo;
    return {hi, lo - (hi - p.hi)};
}

// |base|^n for a whole 1 <= n <= 64 by binary powering in twice the precision.
DoubleExtended wholePower(Extended base, int n) {
    DoubleExtended result{1, 0};
    DoubleExtended square{std::fabs(base), 0};
    for (; n > 0; n /= 2) {
        if (n % 2 == 1) result = multiply(result, square);
        if (n > 1) square = multiply(square, square);
    }
    return result;
}

// 1 / (hi + lo), with the residual of the first quotient folded back in.
Extended reciprocal(DoubleExtended x) {
    const Extended r = 1 / x.hi;
    const DoubleExtended rx = twoProduct(r, x.hi);
    const Extended residual = ((1 - rx.hi) - rx.lo) - r * x.lo;
    return r + r * residual;
}

// base^exponent for a small whole exponent, rounded once; empty where the result would come
// near either end of the range (the C library handles those).
std::optional<Extended> compensatedWholePower(Extended base, Extended exponent) {
    if (std::fabs(exponent * std::log2(std::fabs(base))) > kSafeBinaryExponent) return std::nullopt;
    const int n = static_cast<int>(std::fabs(exponent));
    const DoubleExtended power = wholePower(base, n);
    const Extended magnitude = exponent > 0 ? power.hi : reciprocal(power);
    return base < 0 && n % 2 == 1 ? -magnitude : magnitude;
}

} // namespace

std::optional<Extended> Power(Extended base, Extended exponent) {
    if (base == 0) return exponent == 0 ? 1 : 0;
    if (base < 0 && !isWhole(exponent)) return std::nullopt;
    if (exponent != 0 && isWhole(exponent) && std::fabs(exponent) <= kLargestCompensatedExponent)
        if (const auto power = compensatedWholePower(base, exponent)) return power;
    return finiteOrFailure(std::pow(base, exponent));
}

std::optional<Extended> powerOperation(Extended first, Extended second) { return Power(first, second); }

std::optional<Extended> logBaseOperation(Extended first, Extended second) {
    if (!(first > 0) || !(second > 0)) return std::nullopt;
    const Extended base = std::log2(second);
    if (base == 0) return std::nullopt;
    return finiteOrFailure(std::log2(first) / base);
}

std::optional<Extended> square(Extended x) { return finiteOrFailure(x * x); }

std::optional<Extended> cube(Extended x) { return finiteOrFailure(x * x * x); }

std::optional<Extended> cubeRoot(Extended x) { return finiteOrFailure(std::cbrt(x)); }

std::optional<Extended> naturalLogarithm(Extended x) {
    if (!(x > 0)) return std::nullopt;
    return finiteOrFailure(std::log(x));
}

std::optional<Extended> commonLogarithm(Extended x) {
    if (!(x > 0)) return std::nullopt;
    return finiteOrFailure(std::log10(x));
}

std::optional<Extended> exponential(Extended x) { return finiteOrFailure(std::exp(x)); }

std::optional<Extended> factorial(Extended x) {
    const Extended n = std::nearbyint(x); // the default rounding mode takes ties to even
    if (n < 2) return 1;
    if (n > kLargestFactorial) {
        std::feraiseexcept(FE_OVERFLOW); // the product is not formed, but it is an overflow
        return std::nullopt;
    }
    // The product in increasing order, carrying each step's exact rounding error (from fma) in
    // `error`: a plain running product drifts by up to ten units in the last place.
    Extended product = 1;
    Extended error = 0;
    for (int k = 2; k <= static_cast<int>(n); ++k) {
        const Extended next = product * k;
        error = error * k + std::fma(product, static_cast<Extended>(k), -next);
        product = next;
    }
    return finiteOrFailure(product + error);
}

} // namespace orv
