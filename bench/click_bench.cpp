// One period-button click through the real widgets (offscreen): from the
// click until all eleven boxes hold their texts and colours, which the
// click's handler does before it returns.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt/main_window.h"

namespace {

void BM_ClickAnnual(benchmark::State& state) {
    wagelyn::MainWindow window;
    window.Load();
    window.show();
    QApplication::processEvents();
    window.findChild<QLineEdit*>("Text1")->setText("52000");
    window.findChild<QComboBox*>("Combo1")->setEditText(state.range(0) == 0 ? "0" : "20");
    auto* button = window.findChild<QPushButton*>("Command1");
    for (auto _ : state) {
        button->click();
    }
    if (window.findChild<QLineEdit*>("Text2")->text().isEmpty()) {
        state.SkipWithError("the click wrote nothing");
    }
}
BENCHMARK(BM_ClickAnnual)->Arg(0)->Arg(20)->Repetitions(5)->ReportAggregatesOnly(true);

// Alternating sources: every box changes its text and colour on each click.
void BM_ClickAlternating(benchmark::State& state) {
    wagelyn::MainWindow window;
    window.Load();
    window.show();
    QApplication::processEvents();
    window.findChild<QLineEdit*>("Text1")->setText("52000");
    auto* annual = window.findChild<QPushButton*>("Command1");
    auto* weekly = window.findChild<QPushButton*>("Command4");
    bool flip = false;
    for (auto _ : state) {
        (flip ? weekly : annual)->click();
        flip = !flip;
    }
}
BENCHMARK(BM_ClickAlternating)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
