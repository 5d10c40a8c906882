// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "statistics.h"

#include "math_result.h"
#include "number_text.h"

#include <cmath>
#include <vector>

namespace orv {

StatisticsLines memoLines(std::string_view text) {
    StatisticsLines lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

int statisticsCount(const StatisticsLines& lines) {
    std::size_t n = lines.size();
    if (n > 0 && lines.back().empty()) --n;
    return static_cast<int>(n);
}

std::optional<Extended> SummaX(const StatisticsLines& lines, const Separators& separators) {
    Extended sum = 0;
    const int n = statisticsCount(lines);
    for (int i = 0; i < n; ++i) {
        const auto value = parseNumber(lines[static_cast<std::size_t>(i)], separators);
        if (!value) return std::nullopt;
        sum += *value;
        if (!std::isfinite(sum)) return std::nullopt;
    }
    return sum;
}

std::optional<Extended> SummaX2(const StatisticsLines& lines, const Separators& separators) {
    Extended sum = 0;
    const int n = statisticsCount(lines);
    for (int i = 0; i < n; ++i) {
        const auto value = parseNumber(lines[static_cast<std::size_t>(i)], separators);
        if (!value) return std::nullopt;
        sum += *value * *value;
        if (!std::isfinite(sum)) return std::nullopt;
    }
    return sum;
}

namespace {

// The counted lines as numbers; empty when one of them is not a number.
std::optional<std::vector<Extended>> values(const StatisticsLines& lines, const Separators& separators) {
    const int n = statisticsCount(lines);
    std::vector<Extended> xs;
    xs.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const auto value = parseNumber(lines[static_cast<std::size_t>(i)], separators);
        if (!value) return std::nullopt;
        xs.push_back(*value);
    }
    return xs;
}

// The mean in two passes: S/n, then corrected by the mean of the residuals, which holds its
// digits where the values share a large offset.
std::optional<Extended> mean(const std::vector<Extended>& xs) {
    if (xs.empty()) return std::nullopt;
    const Extended n = static_cast<Extended>(xs.size());
    Extended sum = 0;
    for (Extended x : xs) sum += x;
    if (!std::isfinite(sum)) return std::nullopt;
    const Extended first = sum / n;
    Extended residual = 0;
    for (Extended x : xs) residual += x - first;
    return finiteOrFailure(first + residual / n);
}

// sqrt(M / divisor) with M the sum of squared deviations from the mean, by the corrected
// two-pass method: no Q - S*S/n, which cancels to nothing on offset data (1000000001,
// 1000000002, 1000000003 would give 0).
std::optional<Extended> deviation(const std::vector<Extended>& xs, std::size_t divisor) {
    const auto m = mean(xs);
    if (!m || divisor == 0) return std::nullopt;
    Extended squares = 0;
    Extended residual = 0;
    for (Extended x : xs) {
        const Extended d = x - *m;
        squares += d * d;
        residual += d;
    }
    const Extended spread = squares - residual * residual / static_cast<Extended>(xs.size());
    if (!std::isfinite(spread)) return std::nullopt;
    return finiteOrFailure(std::sqrt(std::fmax(spread, 0.0L) / static_cast<Extended>(divisor)));
}

} // namespace

std::optional<Extended> computeStatistic(Statistic statistic, const StatisticsLines& lines,
                                         const Separators& separators) {
    const int n = statisticsCount(lines);
    switch (statistic) {
    case Statistic::Count:
        // N counts the lines the other keys read: a line that is no number stops it as it stops them.
        return values(lines, separators) ? std::optional<Extended>(n) : std::nullopt;
    case Statistic::Sum: return SummaX(lines, separators);
    case Statistic::SumOfSquares: return SummaX2(lines, separators);
    case Statistic::Mean:
    case Statistic::SigmaN:
    case Statistic::SigmaNm1: break;
    }
    const auto xs = values(lines, separators);
    if (!xs) return std::nullopt;
    const std::size_t count = xs->size();
    if (statistic == Statistic::Mean) return mean(*xs);
    return deviation(*xs, statistic == Statistic::SigmaN ? count : count - 1);
}

std::string statisticTapeName(Statistic statistic, int count, const Messages& messages) {
    const std::string Messages::*names[] = {&Messages::TapeCount, &Messages::TapeSum,    &Messages::TapeSumOfSquares,
                                            &Messages::TapeMean,  &Messages::TapeSigmaN, &Messages::TapeSigmaNm1};
    return fillIn(messages.*names[static_cast<int>(statistic)], valuesCount(count, messages.language));
}

std::string statisticFailureMessage(Statistic statistic, const StatisticsLines& lines,
                                    const Separators& separators, const Messages& messages) {
    const int n = statisticsCount(lines);
    for (int i = 0; i < n; ++i) {
        if (!parseNumber(lines[static_cast<std::size_t>(i)], separators))
            return fillIn(messages.NotANumberLineMessage, std::to_string(i + 1));
    }
    const bool sums = statistic == Statistic::Count || statistic == Statistic::Sum || statistic == Statistic::SumOfSquares;
    const int fewest = statistic == Statistic::SigmaNm1 ? 2 : sums ? 0 : 1;
    if (n < fewest) return messages.TooFewValuesMessage;
    return messages.OverflowMessage;
}

} // namespace orv
