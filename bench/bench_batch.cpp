// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The batch figure inside one process: 200 000 short lines such as "123-45*(6+7)" through the
// --eval - mode into a stream that drops what it gets, beside the bare work in C terms (strtold,
// long double arithmetic by recursive descent, snprintf "%.15Lg"), as bench/batch_loop.c does
// it over standard input. The counter gives lines a second.
#include "bare_arithmetic.h"
#include "command_line.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

constexpr int kLines = 200'000;

const std::string& lines() {
    static const std::string text = [] {
        std::mt19937 random(24);
        std::string all;
        for (int i = 0; i < kLines; ++i)
            all += std::to_string(random() % 1000) + "-" + std::to_string(random() % 100) + "*(" +
                   std::to_string(random() % 10) + "+" + std::to_string(random() % 10) + ")\n";
        return all;
    }();
    return text;
}

class Discard : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void countLines(benchmark::State& state) {
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kLines, benchmark::Counter::kIsRate);
}

void BM_BatchLines(benchmark::State& state) {
    const std::vector<std::string> args{"--eval", "-"};
    for (auto _ : state) {
        std::istringstream in(lines());
        Discard sink;
        std::ostream out(&sink), err(&sink);
        benchmark::DoNotOptimize(orv::cli::runCommandLine(args, in, out, err));
    }
    countLines(state);
}
BENCHMARK(BM_BatchLines)->Unit(benchmark::kMillisecond);

// The C terms: what the same lines cost without positions, diagnostics or the noise rule.
void BM_BatchLinesInC(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(lines());
        std::string line;
        char text[64];
        while (std::getline(in, line)) {
            const char* cursor = line.c_str();
            benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.15Lg\n", bare_sum(&cursor)));
        }
    }
    countLines(state);
}
BENCHMARK(BM_BatchLinesInC)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
