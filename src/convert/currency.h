// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "conversion.h"
#include "extended.h"
#include "messages.h"
#include "separators.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The currency group follows the ten fixed groups; its units are whatever the kept rates hold.
inline constexpr int kCurrencyGroup = 10;

std::string_view currencyGroupName(Language language);

// The banks whose daily rates the currency group can use.
enum class RateSource { EuropeanCentralBank = 0, BankOfRussia = 1 };

// One currency of a rate document: `baseAmount` of the base currency buys `amount` of it, both
// the exact decimals the bank publishes (ECB: 1 EUR = 1.0812 USD; Bank of Russia: 100 JPY =
// 61.2345 RUB). The base currency itself is 1 = 1.
struct CurrencyRate {
    std::string code;
    std::string baseAmountText;
    std::string amountText;
    Extended baseAmount = 1;
    Extended amount = 1;
};

// The rates of one day: the base currency first, then the others in the bank's order.
struct RateTable {
    RateSource source = RateSource::EuropeanCentralBank;
    int year = 0, month = 0, day = 0; // the date the bank gives its rates
    std::vector<CurrencyRate> rates;

    std::string isoDate() const; // 2026-12-05
    const CurrencyRate* find(std::string_view code) const;
    int indexOf(std::string_view code) const; // -1 when absent
};

std::string_view baseCurrency(RateSource source);
std::string_view sourceName(RateSource source, Language language);

// "US dollar" / "Доллар США"; the code itself for a currency this program has no name for.
std::string currencyName(std::string_view code, Language language);
// What the unit lists show: "US dollar (USD)".
std::string currencyUnitName(std::string_view code, Language language);

// The code a command-line name stands for: the code itself, or a name with or without its code,
// in either language, ignoring case. Recognised even when no rates are kept.
std::optional<std::string> findCurrencyCode(std::string_view name);

// Converts x from rates[from] to rates[to] through the base currency, rounded to 15 digits as
// every conversion is. Indices outside the table leave x as it is.
ConversionResult convertCurrency(Extended x, const RateTable& table, int from, int to, const Messages& messages,
                                 const Separators& separators);

} // namespace orv
