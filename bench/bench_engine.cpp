#include "number_text.h"

#include <benchmark/benchmark.h>

namespace {

const orv::Separators kSeparators{",", " "};

void BM_GeneralText(benchmark::State& state) {
    orv::Extended x = 2.0L / 3;
    for (auto _ : state) benchmark::DoNotOptimize(orv::generalText(x, kSeparators));
}
BENCHMARK(BM_GeneralText);

void BM_Parse(benchmark::State& state) {
    const std::string text = "-1234,56789012E-7";
    for (auto _ : state) benchmark::DoNotOptimize(orv::parseNumber(text, kSeparators));
}
BENCHMARK(BM_Parse);

} // namespace

BENCHMARK_MAIN();
