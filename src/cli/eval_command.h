// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orv::cli {

// orvantis --eval EXPR [--angle rad|deg|grad|cycle] [--var A=2.5 ...] [--digits 15|21]
// Prints the value (general text form, "."); an expression with any diagnostic (text left after
// it included) prints no value, only its diagnostics on err, one a line, in the order raised.
// EXPR "-" reads one expression a line from `in`, prints one line for each (empty for a failed
// one) and prefixes each diagnostic with its line number. Returns 0 without diagnostics, 1 with
// any, 2 for a usage error or input that cannot be read. `args` follow the option.
int runEval(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace orv::cli
