#include "statistics.h"

#include "math_result.h"
#include "number_text.h"

#include <cmath>

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

// sqrt((Q - S*S/n) / divisor), with the divisions in that order. Q - S*S/n is never negative in
// exact arithmetic; a negative rounding residue (equal values such as 0.1, 0.1, 0.1) counts as 0.
std::optional<Extended> deviation(const StatisticsLines& lines, const Separators& separators, int divisor) {
    const int n = statisticsCount(lines);
    const auto s = SummaX(lines, separators);
    const auto q = SummaX2(lines, separators);
    if (!s || !q || n == 0 || divisor == 0) return std::nullopt;
    const auto squared = finiteOrFailure(*s * *s);
    if (!squared) return std::nullopt;
    Extended difference = *q - *squared / n;
    if (difference < 0) difference = 0;
    return finiteOrFailure(std::sqrt(difference / divisor));
}

} // namespace

std::optional<Extended> computeStatistic(Statistic statistic, const StatisticsLines& lines,
                                         const Separators& separators) {
    const int n = statisticsCount(lines);
    switch (statistic) {
    case Statistic::Count: return n;
    case Statistic::Sum: return SummaX(lines, separators);
    case Statistic::SumOfSquares: return SummaX2(lines, separators);
    case Statistic::Mean: {
        const auto s = SummaX(lines, separators);
        if (!s || n == 0) return std::nullopt;
        return finiteOrFailure(*s / n);
    }
    case Statistic::SigmaN: return deviation(lines, separators, n);
    case Statistic::SigmaNm1: return deviation(lines, separators, n - 1);
    }
    return std::nullopt;
}

} // namespace orv
