// One full recalculation through the in-memory window, for each source.
// Against it, the floor: the same reads and writes of the same window with
// the plainest arithmetic and text in between, run in the same process, so
// that the ratio of the two holds from one machine to the next.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <string>

#include "conversion/recalculation.h"
#include "tests/support/memory_window.h"

namespace {

using wagelyn::kPeriods;

// A typical figure for each source, Annual to Second35.
constexpr const char* kFigures[] = {"52000", "4333.33", "2000", "1000", "25",     "28.57",
                                    "200",   "199.99",  "0.42", "0.48", "0.0069", "0.0079"};

double Read(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// What any recalculation must do, with nothing of the design's rules: read
// the tax and the source, and write eleven figures, each scaled, kept to two
// places and written in the shortest of 15 significant digits, with their
// colours.
void RecalculatePlainly(wagelyn::Period source, wagelyn::MemoryWindow& window, double& factor) {
    factor = (100 - Read(window.TaxText())) / 100;
    window.SetBoxColour(source, wagelyn::kBlue);
    const double figure = Read(window.BoxText(source)) * factor;
    double scale = 1;
    for (const wagelyn::PeriodInfo& target : kPeriods) {
        if (target.period == source) {
            continue;
        }
        scale *= 1.25;
        const double kept = std::nearbyint(figure * scale * 100) / 100;
        char text[32];
        const auto end =
            std::to_chars(text, text + sizeof text, kept, std::chars_format::general, 15);
        window.SetBoxText(target.period,
                          std::string_view(text, static_cast<std::size_t>(end.ptr - text)));
        window.SetBoxColour(target.period, wagelyn::kRed);
    }
}

void BM_RecalculationFloor(benchmark::State& state) {
    const wagelyn::PeriodInfo& source = kPeriods[static_cast<std::size_t>(state.range(0))];
    wagelyn::MemoryWindow window;
    window.SetTaxText("20");
    window.SetBoxText(source.period, kFigures[state.range(0)]);
    double factor = 1.0;
    for (auto _ : state) {
        RecalculatePlainly(source.period, window, factor);
        benchmark::DoNotOptimize(factor);
    }
    state.SetLabel(std::string(source.name));
}
BENCHMARK(BM_RecalculationFloor)->DenseRange(0, 11)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_Recalculate(benchmark::State& state) {
    const wagelyn::PeriodInfo& source = kPeriods[static_cast<std::size_t>(state.range(0))];
    wagelyn::MemoryWindow window;
    window.SetTaxText("20");
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
