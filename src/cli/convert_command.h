// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orv::cli {

class CurrencyRatesAccess;

// orvantis --convert VALUE FROM TO: prints the converted value (15 significant digits, "."),
// returns 0; 1 for a temperature below its scale's bound (message on err); 2 for a bad number
// or an unknown or ambiguous unit name (candidates on err). `args` follow the option. Two
// currencies convert with the kept rates, whose date and bank go to err; 1 without rates.
int runConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               CurrencyRatesAccess* rates = nullptr);

// orvantis --units [GROUP]: the groups, or the units of one group (name or index) with their
// indices and factors; the currency group lists the kept rates. 2 for an unknown group.
int runUnits(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
             CurrencyRatesAccess* rates = nullptr);

} // namespace orv::cli
