// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "expression.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// A diagnostic as a line reads it: its fixed text without the blanks it carries at either end.
std::string_view diagnosticMessage(const Diagnostic& diagnostic);

// The diagnostics one a line, in the order raised, so that the cause leads. Past `maxLines`
// lines, the first maxLines - 1 stand and a last line tells how many more there are (the
// `omitted` ones beyond those kept included): `more` with that count for "%1".
std::string diagnosticList(const std::vector<Diagnostic>& diagnostics, std::uint64_t omitted,
                           std::string_view more, std::size_t maxLines);

} // namespace orv
