// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orv::cli {

class CurrencyRatesAccess;

// Runs a command-line mode (--eval, --convert, --units, --update-rates, --help, --version) without
// any window; `rates` gives the currency group its rates (none: currencies are not available).
// Returns the exit status, or nothing when the arguments ask for the desktop program. Output
// that cannot be written (full disk, closed pipe) is reported on `err` and never exits 0.
std::optional<int> runCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                                  std::ostream& err, CurrencyRatesAccess* rates = nullptr);

} // namespace orv::cli
