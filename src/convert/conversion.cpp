// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion.h"

#include "arithmetic.h"
#include "number_text.h"
#include "unit_catalogue.h"

#include <optional>

namespace orv {
namespace {

enum class Scale { Celsius = 0, Kelvin = 1, Fahrenheit = 2, Reaumur = 3, Rankine = 4 };

constexpr Extended kZeroCelsiusInKelvin = 273.15L;
constexpr Extended kZeroRankineInFahrenheit = 459.67L;

struct ScaleBound {
    Extended lowest; // accepted; anything below is refused
    std::string Messages::*message;
};

constexpr ScaleBound kBounds[] = {
    {-kZeroCelsiusInKelvin, &Messages::CelsiusLimitMessage},
    {0, &Messages::KelvinLimitMessage},
    {-kZeroRankineInFahrenheit, &Messages::FahrenheitLimitMessage},
    {-218.52L, &Messages::ReaumurLimitMessage},
    {0, &Messages::RankineLimitMessage},
};

std::optional<Extended> multiply(Extended a, Extended b) {
    return guarded([=] { return a * b; });
}
std::optional<Extended> divide(Extended a, Extended b) {
    return guarded([=] { return a / b; });
}

// Each formula runs in the order written; the sums go through the engine's settled addition so a
// cancellation (491.67 °Ra to 0 °C) shows 0 and not binary noise.
std::optional<Extended> toCelsius(Extended x, Scale scale) {
    switch (scale) {
    case Scale::Celsius:
        return x;
    case Scale::Kelvin:
        return guardedSubtract(x, kZeroCelsiusInKelvin);
    case Scale::Fahrenheit: {
        const auto above = guardedSubtract(x, 32);
        const auto times = above ? multiply(*above, 5) : std::nullopt;
        return times ? divide(*times, 9) : std::nullopt;
    }
    case Scale::Reaumur: {
        const auto times = multiply(x, 5);
        return times ? divide(*times, 4) : std::nullopt;
    }
    case Scale::Rankine: {
        const auto times = multiply(x, 5);
        const auto fahrenheitAbsolute = times ? divide(*times, 9) : std::nullopt;
        return fahrenheitAbsolute ? guardedSubtract(*fahrenheitAbsolute, kZeroCelsiusInKelvin) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Extended> fromCelsius(Extended c, Scale scale) {
    switch (scale) {
    case Scale::Celsius:
        return c;
    case Scale::Kelvin:
        return guardedAdd(c, kZeroCelsiusInKelvin);
    case Scale::Fahrenheit: {
        const auto times = multiply(c, 9);
        const auto fifths = times ? divide(*times, 5) : std::nullopt;
        return fifths ? guardedAdd(*fifths, 32) : std::nullopt;
    }
    case Scale::Reaumur: {
        const auto times = multiply(c, 4);
        return times ? divide(*times, 5) : std::nullopt;
    }
    case Scale::Rankine: {
        const auto absolute = guardedAdd(c, kZeroCelsiusInKelvin);
        const auto times = absolute ? multiply(*absolute, 9) : std::nullopt;
        return times ? divide(*times, 5) : std::nullopt;
    }
    }
    return std::nullopt;
}

ConversionResult converted(Extended r, const Separators& separators) {
    ConversionResult result;
    result.entryText = generalText(r, separators);
    // Read back so the stored value is exactly what the entry text shows. Only a value within a
    // rounding step of the largest Extended can fail to read back; it is kept unrounded.
    result.value = parseNumber(result.entryText, separators).value_or(r);
    return result;
}

ConversionResult failed(ConversionOutcome outcome, std::string message) {
    ConversionResult result;
    result.outcome = outcome;
    result.message = std::move(message);
    return result;
}

} // namespace

ConversionResult convertValue(Extended x, int group, int from, int to, const Messages& messages,
                              const Separators& separators) {
    if (!isUnit(group, from) || !isUnit(group, to)) return converted(x, separators);
    if (group == kTemperatureGroup) {
        const ScaleBound& bound = kBounds[from];
        if (x < bound.lowest) return failed(ConversionOutcome::Refused, messages.*bound.message);
        const auto celsius = toCelsius(x, static_cast<Scale>(from));
        const auto result = celsius ? fromCelsius(*celsius, static_cast<Scale>(to)) : std::nullopt;
        if (!result) return failed(ConversionOutcome::Overflowed, messages.OverflowMessage);
        return converted(*result, separators);
    }
    const auto base = multiply(x, *unitFactor(group, from));
    const auto result = base ? divide(*base, *unitFactor(group, to)) : std::nullopt;
    if (!result) return failed(ConversionOutcome::Overflowed, messages.OverflowMessage);
    return converted(*result, separators);
}

} // namespace orv
