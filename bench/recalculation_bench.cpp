// One full recalculation through the in-memory window, for each source.
#include <benchmark/benchmark.h>

#include "conversion/recalculation.h"
#include "tests/support/memory_window.h"

namespace {

using wagelyn::kPeriods;

void BM_Recalculate(benchmark::State& state) {
    const wagelyn::PeriodInfo& source = kPeriods[static_cast<std::size_t>(state.range(0))];
    wagelyn::MemoryWindow window;
    window.SetTaxText("20");
    // A typical figure for each source, Annual to Second35.
    static constexpr const char* kFigures[] = {"52000", "4333.33", "2000",   "1000",
                                               "25",    "28.57",   "200",    "199.99",
                                               "0.42",  "0.48",    "0.0069", "0.0079"};
    window.SetBoxText(source.period, kFigures[state.range(0)]);
    const wagelyn::NumberFormat format;
    double factor = 1.0;
    for (auto _ : state) {
        wagelyn::Recalculate(source.period, window, factor, format);
        benchmark::DoNotOptimize(factor);
    }
    if (window.ErrorsShown() != 0) {
        state.SkipWithError("the run failed");
    }
    state.SetLabel(std::string(source.name));
}
BENCHMARK(BM_Recalculate)->DenseRange(0, 11)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
