// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "extended.h"
#include "messages.h"
#include "separators.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The statistics list is the memo's line texts, read afresh for every result. The memo's last
// line does not count when it is empty (every entry is written with a line break after it).
using StatisticsLines = std::vector<std::string>;

// Splits memo text at line breaks ("\r\n" or "\n"), keeping the empty last line.
StatisticsLines memoLines(std::string_view text);

// n: the number of lines, without an empty last line.
int statisticsCount(const StatisticsLines& lines);

// The sum and the sum of squares over the counted lines, each line read with the number parsing
// of typed numbers. Empty on a line that is not a number (an empty line included) or overflow.
std::optional<Extended> SummaX(const StatisticsLines& lines, const Separators& separators);
std::optional<Extended> SummaX2(const StatisticsLines& lines, const Separators& separators);

// The six result keys: bpStatCount, bpStatSumma, bpStatSumma2, bpStatSrednee, bpStatSigmaN,
// bpStatSigmaNm1.
enum class Statistic { Count, Sum, SumOfSquares, Mean, SigmaN, SigmaNm1 };

// A result key's value, or empty when the key changes nothing (a failure: Count fails only on a
// line that is not a number).
std::optional<Extended> computeStatistic(Statistic statistic, const StatisticsLines& lines,
                                         const Separators& separators);

// The tape's name of a result over `count` values: "Mean of 8 values", "Number of values".
std::string statisticTapeName(Statistic statistic, int count, const Messages& messages);

// Why computeStatistic gave nothing, for the hint: the first line that is no number, too few
// values for the result, or an overflow.
std::string statisticFailureMessage(Statistic statistic, const StatisticsLines& lines,
                                    const Separators& separators, const Messages& messages);

} // namespace orv
