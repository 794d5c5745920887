// Drawing cost of the graphs: the Summary's four quarters and a three-dimensional bar
// graph of a full 101-row run, into the SVG writer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "graphs/draw_graph.h"
#include "graphs/svg_surface.h"

namespace {

using namespace finplan;

struct FullRun {
    std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    FullRun() {
        series->plotRowCount = kMaxPlotRows - 1;
        series->accountCount = 10;
        scenario->accounts.accountCount = 10;
        scenario->initial.endAge = 100;
        for (int r = 0; r < kMaxPlotRows; ++r) {
            PlotRow& row = series->rows[static_cast<std::size_t>(r)];
            row.age = static_cast<float>(r);
            for (int f = 1; f < kPlotFieldCount; ++f)
                row.setField(f, 1000.0f * f * (1.0f + std::sin(0.1f * r + f)));
            for (int a = 0; a < 10; ++a)
                series->accountBalances[static_cast<std::size_t>(r)][static_cast<std::size_t>(a)] =
                    500.0f * (a + 1) * r;
        }
    }
};

void BM_SummaryToSvg(benchmark::State& st) {
    FullRun run;
    GraphWindowState state;
    for (auto _ : st) {
        SvgSurface svg(1000, 700);
        drawSummary(svg, Rect{0, 0, 1000, 700}, run.series->plotRowCount, state,
                    GraphSource{*run.series, *run.scenario});
        benchmark::DoNotOptimize(svg.document());
    }
}
BENCHMARK(BM_SummaryToSvg);

void BM_AccountBars3dToSvg(benchmark::State& st) {
    FullRun run;
    GraphWindowState state;
    state.options.lineStyle = 0;
    state.options.barStyle = 2;
    for (auto _ : st) {
        SvgSurface svg(1000, 700);
        drawGraph(svg, Rect{0, 0, 1000, 700}, GraphKind::Accounts, 0, 10, run.series->plotRowCount,
                  state, GraphSource{*run.series, *run.scenario});
        benchmark::DoNotOptimize(svg.document());
    }
}
BENCHMARK(BM_AccountBars3dToSvg);

} // namespace

BENCHMARK_MAIN();
