// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "currency.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace orv::cli {

struct KeptCurrencyRates {
    std::optional<RateTable> table;
    std::string why; // when there is no table
    bool old = false; // older than a week
};

// The exchange rates as the command line sees them. The program with windows gives the real
// ones (kept file, network); the plain command-line program has none.
class CurrencyRatesAccess {
  public:
    virtual ~CurrencyRatesAccess() = default;
    virtual KeptCurrencyRates kept() = 0;
    // Fetches and keeps the chosen bank's rates: 0 and their date and bank on `out`, or 1 and
    // the reason on `err`.
    virtual int update(std::ostream& out, std::ostream& err) = 0;
};

} // namespace orv::cli
