#include "calculator.h"
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
    void errorButUp() override {}
    void memIndOpen() override {}
    void memIndClose() override {}
};

void BM_Indicate(benchmark::State& state) {
    NullView view;
    orv::Calculator calculator(view, kSeparators);
    calculator.paste("1234567,125");
    for (auto _ : state) {
        calculator.Indicate(1234567.125L);
        benchmark::DoNotOptimize(calculator.state().DisplayText.data());
    }
}
BENCHMARK(BM_Indicate);

// A million keystrokes of a realistic mix: digits, separator, operations, equals, memory.
void BM_KeystrokeReplay(benchmark::State& state) {
    std::mt19937 random(42);
    std::vector<int> keys(1'000'000);
    for (int& k : keys) k = static_cast<int>(random() % 20);
    NullView view;
    for (auto _ : state) {
        orv::Calculator c(view, kSeparators);
        for (int k : keys) {
            if (k < 10) c.Special_Click(k);
            else if (k == 10) c.pressDecimalSeparator();
            else if (k <= 14) c.pressOperation(static_cast<orv::Operation>(k - 11));
            else if (k == 15) c.pressEquals();
            else if (k == 16) c.pressBackspace();
            else if (k == 17) c.pressMemoryPlus();
            else if (k == 18) c.pressSignChange();
            else c.pressClear();
        }
        benchmark::DoNotOptimize(c.state().CurrentValue);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(keys.size()));
}
BENCHMARK(BM_KeystrokeReplay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
