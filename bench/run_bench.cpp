// Speed of a whole run: the bundled example, the largest scenario the editors allow
// with every line written, and the same run with the lines thrown away and no plot
// file (the inner loop of a many-run analysis).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/bench_scenarios.h"
#include "engine/event_processing.h"
#include "engine/run_driver.h"
#include "graphs/plot_file.h"
#include "model/atomic_file.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"

using namespace finplan;

namespace {

std::unique_ptr<Scenario> exampleScenario() {
    return bundledExample(FINPLAN_EXAMPLE);
}

struct Runner {
    std::unique_ptr<Scenario> scenario;
    std::unique_ptr<RunState> state = std::make_unique<RunState>();
    std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
    RecordingMessages messages;
    FixedClock clock{LocalTime{2026, 12, 7, 13, 5, 9}};
    SeededRandom random{1};
    PlotFileWriter plot;

    Runner(std::unique_ptr<Scenario> s, const char* plotPath)
        : scenario(std::move(s)), plot(*series, clock, messages, plotPath) {}

    void run(ScheduleSink& lines, ViewSettings view, RunFlags flags = {}) {
        RunRequest request;
        request.flags = flags;
        request.view = view;
        request.lines = &lines;
        request.plot = &plot;
        if (!runScenario(*scenario, *state, request, random, clock)) std::abort();
    }
};

void BM_BundledExample(benchmark::State& bench) {
    Runner r(exampleScenario(), "bench_plot.tmp");
    for (auto _ : bench) {
        ResultsList list;
        r.run(list, ViewSettings{});
        benchmark::DoNotOptimize(list.lines.data());
    }
}

void BM_MaximumScenarioAllText(benchmark::State& bench) {
    Runner r(maximumScenario(), "bench_plot.tmp");
    std::size_t lines = 0;
    for (auto _ : bench) {
        ResultsList list;
        r.run(list, ViewSettings{true, true});
        lines = list.lines.size();
    }
    bench.counters["lines"] = static_cast<double>(lines);
}

void BM_MaximumScenarioRandomGroups(benchmark::State& bench) {
    Runner r(maximumScenario(), "bench_plot.tmp");
    for (auto _ : bench) {
        ResultsList list;
        r.run(list, ViewSettings{true, true}, RunFlags{false, true});
    }
}

void BM_MaximumScenarioNullSink(benchmark::State& bench) {
    Runner r(maximumScenario(), ""); // tables only, no plot file
    NullScheduleSink none;
    for (auto _ : bench) {
        r.run(none, ViewSettings{true, true});
        benchmark::DoNotOptimize(r.series->rows.data());
    }
}

} // namespace

BENCHMARK(BM_BundledExample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaximumScenarioAllText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaximumScenarioRandomGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaximumScenarioNullSink)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
