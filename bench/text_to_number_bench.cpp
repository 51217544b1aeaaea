// Reading a pasted figure: time must grow linearly with the text's length,
// up to a megabyte (blanks around a figure, the worst case that succeeds,
// and digits, the worst that fails).
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/text_to_number.h"

namespace {

void BM_ReadBlanksAroundFigure(benchmark::State& state) {
    const auto half = static_cast<std::size_t>(state.range(0) / 2);
    const std::string text = std::string(half, ' ') + "52000" + std::string(half, ' ');
    const wagelyn::NumberFormat format;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wagelyn::TextToNumber(text, format));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReadBlanksAroundFigure)
    ->RangeMultiplier(8)
    ->Range(1 << 10, 1 << 20)
    ->Complexity(benchmark::oN);

void BM_ReadMegabyteOfDigits(benchmark::State& state) {
    const std::string text(static_cast<std::size_t>(state.range(0)), '7');
    const wagelyn::NumberFormat format;
    for (auto _ : state) {
        benchmark::DoNotOptimize(wagelyn::TextToNumber(text, format));
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ReadMegabyteOfDigits)
    ->RangeMultiplier(8)
    ->Range(1 << 10, 1 << 20)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
