// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion.h"

#include "arithmetic.h"
#include "currency.h"
#include "decimal_sum.h"
#include "number_text.h"
#include "unit_catalogue.h"

#include <numeric>
#include <optional>

namespace orv {
namespace {

// Each scale against the Kelvin scale: kelvins = (x + offset) * numerator / denominator, so that
// -offset is absolute zero, the lowest reading accepted.
struct Scale {
    Extended offset;
    int numerator, denominator;
    std::string Messages::*belowAbsoluteZero;
};

const Scale kScales[] = {
    {273.15L, 1, 1, &Messages::CelsiusLimitMessage},
    {0, 1, 1, &Messages::KelvinLimitMessage},
    {459.67L, 5, 9, &Messages::FahrenheitLimitMessage},
    {218.52L, 5, 4, &Messages::ReaumurLimitMessage},
    {0, 5, 9, &Messages::RankineLimitMessage},
};

std::optional<Extended> multiply(Extended a, Extended b) {
    return guarded([=] { return a * b; });
}
std::optional<Extended> divide(Extended a, Extended b) {
    return guarded([=] { return a / b; });
}

// y = (x + offset of x) * ratio - offset of y, on the decimals where x is one, so that freezing and
// boiling points and absolute zero land exactly on each other (491.67 °Ra is 0 °C, 0 K is 0 °Ra).
std::optional<Extended> convertTemperature(Extended x, const Scale& from, const Scale& to) {
    int numerator = from.numerator * to.denominator, denominator = from.denominator * to.numerator;
    const int common = std::gcd(numerator, denominator);
    numerator /= common;
    denominator /= common;
    if (const auto exact = decimalAffine(x, from.offset, numerator, denominator, -to.offset)) return exact;
    const auto shifted = guardedAdd(x, from.offset);
    const auto times = shifted ? multiply(*shifted, numerator) : std::nullopt;
    const auto ratio = times ? divide(*times, denominator) : std::nullopt;
    return ratio ? guardedSubtract(*ratio, to.offset) : std::nullopt;
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
        const Scale& scale = kScales[from];
        if (x < -scale.offset) return failed(ConversionOutcome::Refused, messages.*scale.belowAbsoluteZero);
        const auto result = from == to ? std::optional<Extended>{x} : convertTemperature(x, scale, kScales[to]);
        if (!result) return failed(ConversionOutcome::Overflowed, messages.OverflowMessage);
        return converted(*result, separators);
    }
    const auto base = multiply(x, *unitFactor(group, from));
    const auto result = base ? divide(*base, *unitFactor(group, to)) : std::nullopt;
    if (!result) return failed(ConversionOutcome::Overflowed, messages.OverflowMessage);
    return converted(*result, separators);
}

ConversionResult convertCurrency(Extended x, const RateTable& table, int from, int to, const Messages& messages,
                                 const Separators& separators) {
    const auto count = static_cast<int>(table.rates.size());
    if (from < 0 || to < 0 || from >= count || to >= count) return converted(x, separators);
    const CurrencyRate& source = table.rates[static_cast<std::size_t>(from)];
    const CurrencyRate& target = table.rates[static_cast<std::size_t>(to)];
    // Through the base currency, each step with the decimals as published.
    const auto times = multiply(x, source.baseAmount);
    const auto base = times ? divide(*times, source.amount) : std::nullopt;
    const auto scaled = base ? multiply(*base, target.amount) : std::nullopt;
    const auto result = scaled ? divide(*scaled, target.baseAmount) : std::nullopt;
    if (!result) return failed(ConversionOutcome::Overflowed, messages.OverflowMessage);
    return converted(*result, separators);
}

} // namespace orv
