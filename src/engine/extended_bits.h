// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <cstdint>
#include <cstring>

namespace orv {

// What depends on Extended being the x87 80-bit format, kept in this one place. Two tricks pay on
// the x87 unit and nowhere else:
//  - reading a number's fields from its bytes (the significand in bytes 0 to 7, the sign and the
//    biased exponent in bytes 8 and 9): long double values live in memory, and loading one onto
//    the x87 stack to test it costs more than the integer test;
//  - a loop over long doubles put in a function of its own ([[gnu::noinline]]): the x87 unit has
//    eight registers, and inside a larger loop its running values would go to memory and back on
//    every step.
// Another floating-point format would need this file rewritten and nothing else of the two tricks.

// The bias of the x87 format's exponent.
inline constexpr int kExponentBias = 16383;

// The x87 format's fields, read from memory without loading the number into the unit: a plain
// integer test where a floating-point one would cost a load and a compare on the x87 stack.
struct ExtendedBits {
    std::uint64_t significand = 0;   // with its explicit integer bit
    std::uint16_t signAndExponent = 0; // the sign in the top bit, the biased exponent below it

    int biasedExponent() const { return signAndExponent & 0x7FFF; }
    bool negative() const { return (signAndExponent & 0x8000) != 0; }
    bool finite() const { return biasedExponent() != 0x7FFF; }
};

inline ExtendedBits bitsOf(const Extended& x) {
    ExtendedBits bits;
    std::memcpy(&bits.significand, &x, sizeof bits.significand);
    std::memcpy(&bits.signAndExponent, reinterpret_cast<const unsigned char*>(&x) + 8, sizeof bits.signAndExponent);
    return bits;
}

inline Extended fromBits(const ExtendedBits& bits) {
    Extended x = 0;
    std::memcpy(&x, &bits.significand, sizeof bits.significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&x) + 8, &bits.signAndExponent, sizeof bits.signAndExponent);
    return x;
}

// Whether any of the values is infinite or not a number (its exponent bits all set), read from
// their bytes: a plain integer scan instead of a floating-point test per value.
inline bool anyNonFinite(const Extended* values, int count) {
    unsigned bad = 0;
    for (int k = 0; k < count; ++k) bad |= !bitsOf(values[k]).finite();
    return bad != 0;
}

// A finite number's magnitude as an integer whose order is the order of the magnitudes: the
// biased exponent above the significand.
inline unsigned __int128 magnitudeKey(const Extended& x) {
    const ExtendedBits bits = bitsOf(x);
    return static_cast<unsigned __int128>(bits.biasedExponent()) << 64 | bits.significand;
}

// The positive number of a magnitude key.
inline Extended fromMagnitudeKey(unsigned __int128 key) {
    return fromBits({static_cast<std::uint64_t>(key), static_cast<std::uint16_t>(key >> 64)});
}

// The significand's bits below the binary point, from a magnitude key: 0 exactly for a whole
// number below 2^63; 1 from 2^63 on.
inline std::uint64_t fractionBits(unsigned __int128 key) {
    const auto significand = static_cast<std::uint64_t>(key);
    const int exponent = static_cast<int>(key >> 64) - kExponentBias;
    if (exponent < 0) return significand;
    return exponent < 63 ? significand << (exponent + 1) : 1;
}

// Adds the terms to sum + compensation with Knuth's two-sum, exactly to the rounding of the
// compensation. A function of its own, with copies: the few x87 registers then hold the running
// values from term to term, where inside the caller's loop they would go to memory every time.
[[gnu::noinline]] inline void addCompensated(Extended& sum, Extended& compensation, const Extended* terms,
                                             int termCount) {
    Extended s = sum, c = compensation;
    for (int k = 0; k < termCount; ++k) {
        const Extended term = terms[k];
        // next + error == s + term exactly, without a branch.
        const Extended next = s + term;
        const Extended termPart = next - s;
        c += (s - (next - termPart)) + (term - termPart);
        s = next;
    }
    sum = s;
    compensation = c;
}

} // namespace orv
