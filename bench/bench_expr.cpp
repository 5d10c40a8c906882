// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <string>

namespace {

// As the Evaluator window runs it: with a cancel flag polled from the evaluating thread.
void evaluate(benchmark::State& state, const std::string& text) {
    orv::ExpressionVariables variables{};
    variables[0] = 2.5L;
    std::atomic<bool> cancelRequested{false};
    orv::EvaluationSettings settings;
    settings.cancel = [&cancelRequested](std::uint64_t) { return cancelRequested.load(std::memory_order_relaxed); };
    for (auto _ : state) {
        const orv::Evaluation e = orv::EvaluateExpression(text, variables, settings);
        benchmark::DoNotOptimize(e.value);
    }
}

void BM_ShortExpression(benchmark::State& state) { evaluate(state, "2+3*4"); }
BENCHMARK(BM_ShortExpression);

// About 2 kB: brackets, functions, comparisons and numbers of every form.
std::string longExpression() {
    std::string text = "0";
    for (int i = 0; i < 30; ++i)
        text += "+SIN(A*" + std::to_string(i) + ".25)/[3.7E1-" + std::to_string(i) +
                "]-IF(A<=2.5<3,POWER(1.0001,12),LN(2))*SQRT(16.5e-1)";
    return text;
}

void BM_LongExpression(benchmark::State& state) {
    const std::string text = longExpression();
    evaluate(state, text);
    state.counters["characters"] = static_cast<double>(text.size());
}
BENCHMARK(BM_LongExpression);

// SUM re-reads its summand for every term; the counter gives the time per term.
void BM_SumOfSquares(benchmark::State& state) {
    const auto n = state.range(0);
    const std::string text = "SUM(1," + std::to_string(n) + ",I*I)";
    evaluate(state, text);
    state.counters["ns_per_term"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(n),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_SumOfSquares)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

// The floor beside it: the same sum as a plain loop over long double.
void BM_SumOfSquaresCLoop(benchmark::State& state) {
    const auto n = state.range(0);
    for (auto _ : state) {
        long double sum = 0;
        for (std::int64_t i = 1; i <= n; ++i) sum += static_cast<long double>(i) * i;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["ns_per_term"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>(n),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::kIs1000);
}
BENCHMARK(BM_SumOfSquaresCLoop)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
