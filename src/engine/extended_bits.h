// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"

#include <cstdint>
#include <cstring>

namespace orv {

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

} // namespace orv
