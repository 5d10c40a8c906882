// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion.h"
#include "unit_lookup.h"

#include <benchmark/benchmark.h>

namespace {

const orv::Messages& kMessages = orv::messagesFor(orv::Language::English);
const orv::Separators kSeparators = orv::dotSeparators();

// One press of a conversion button: Mile to Meter, with the 15-digit rounding.
void BM_ConvertLength(benchmark::State& state) {
    orv::Extended x = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(orv::convertValue(x, 0, 14, 0, kMessages, kSeparators));
    }
}
BENCHMARK(BM_ConvertLength);

void BM_ConvertTemperature(benchmark::State& state) {
    orv::Extended x = 98.6L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(orv::convertValue(x, 4, 2, 4, kMessages, kSeparators));
    }
}
BENCHMARK(BM_ConvertTemperature);

// One name against all 524 names of the catalogue.
void BM_FindUnitRussian(benchmark::State& state) {
    const std::string name = "  ГРАДУС ЦЕЛЬСИЯ ";
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::findUnits(name));
}
BENCHMARK(BM_FindUnitRussian);

// What the command line does for its two names, including the group disambiguation.
void BM_FindUnitPair(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(orv::findUnitPair("Rod", "Meter"));
}
BENCHMARK(BM_FindUnitPair);

} // namespace

BENCHMARK_MAIN();
