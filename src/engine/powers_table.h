// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <array>
#include <cstddef>

namespace orv {

// base^0 ... base^(Count-1), made at compile time; the caller picks a type they all fit.
template <class Number, std::size_t Count> constexpr std::array<Number, Count> powersOf(Number base) {
    std::array<Number, Count> powers{};
    Number p = 1;
    for (auto& e : powers) {
        e = p;
        p *= base;
    }
    return powers;
}

} // namespace orv
