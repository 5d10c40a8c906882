// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator.h"
#include "calculator_keys.h"
#include "number_text.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

const orv::Separators kSeparators{",", " "};

void BM_GeneralText(benchmark::State& state) {
    const orv::Extended x = 2.0L / 3;
    for (auto _ : state) benchmark::DoNotOptimize(orv::generalText(x, kSeparators));
}
BENCHMARK(BM_GeneralText);

void BM_Parse(benchmark::State& state) {
    const std::string text = "-1234,56789012E-7";
    for (auto _ : state) benchmark::DoNotOptimize(orv::parseNumber(text, kSeparators));
}
BENCHMARK(BM_Parse);

// A view that draws nothing, so only the engine is measured.
class NullView : public orv::CalculatorView {
public:
    void showDisplay(const orv::DisplayLayout& l) override { benchmark::DoNotOptimize(l.mantissa.data()); }
    void showMemoryLine(const orv::DisplayLayout&) override {}
    void showSelectedRegister(int, std::string_view) override {}
    void showSign(std::string_view) override {}
    void setDisplayRed(bool, bool) override {}
    void restoreDisplayColours(bool) override {}
    void showErrorHint(orv::HintTarget, std::string_view) override {}
    void releaseKey(orv::KeypadKey) override {}
    void beep() override {}
    void errorButUp() override {}
    void memIndOpen() override {}
    void memIndClose() override {}
};

// The display text chosen and laid out again: what a change of grouping costs.
void BM_RefreshDisplays(benchmark::State& state) {
    NullView view;
    orv::Calculator calculator(view, kSeparators, orv::scientificOperations());
    calculator.paste("1234567,125");
    for (auto _ : state) {
        calculator.refreshDisplays();
        benchmark::DoNotOptimize(calculator.state().DisplayText.data());
    }
}
BENCHMARK(BM_RefreshDisplays);

// A million keystrokes of a realistic mix: digits, separator, operations, equals, memory.
void BM_KeystrokeReplay(benchmark::State& state) {
    std::mt19937 random(42);
    using K = orv::KeypadKey;
    // Digits weigh half of the mix, as they do when people type.
    constexpr K kMix[] = {K::Digit0, K::Digit1, K::Digit2, K::Digit3, K::Digit4, K::Digit5, K::Digit6,
                          K::Digit7, K::Digit8, K::Digit9, K::Comma,  K::Plus,   K::Minus,  K::Multy,
                          K::Divide, K::Eq,     K::Back,   K::MPlus,  K::Sign,   K::C};
    std::vector<K> keys(1'000'000);
    for (K& k : keys) k = kMix[random() % std::size(kMix)];
    NullView view;
    for (auto _ : state) {
        orv::Calculator c(view, kSeparators, orv::scientificOperations());
        for (K k : keys) c.press(k);
        benchmark::DoNotOptimize(c.state().CurrentValue);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}
BENCHMARK(BM_KeystrokeReplay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
