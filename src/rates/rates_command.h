// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "currency_rates_access.h"

#include <functional>

namespace orv {

// The command line's rates: the kept file, and --update-rates run on an event loop of its own
// (no window is created). The bank is asked for only when a command needs it.
class CommandLineRates final : public cli::CurrencyRatesAccess {
  public:
    explicit CommandLineRates(std::function<RateSource()> chosenSource) : chosenSource_(std::move(chosenSource)) {}

    cli::KeptCurrencyRates kept() override;
    int update(std::ostream& out, std::ostream& err) override;

  private:
    std::function<RateSource()> chosenSource_;
};

} // namespace orv
