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
#include "model/atomic_file.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"
#include "results/ready_run.h"

using namespace finplan;

namespace {

std::unique_ptr<Scenario> exampleScenario() {
    return bundledExample(FINPLAN_EXAMPLE);
}

struct Runner {
    RecordingMessages messages;
    std::unique_ptr<ReadyRun> ready;

    Runner(std::unique_ptr<Scenario> s, const char* plotPath) {
        RunSetup setup;
        setup.plotFile = plotPath;
        setup.seed = 1;
        setup.time = LocalTime{2026, 12, 7, 13, 5, 9};
        ready = std::make_unique<ReadyRun>(setup, messages);
        ready->scenario() = *s;
    }

    void run(ScheduleSink& lines, ViewSettings view, RunFlags flags = {}) {
        RunRequest request = ready->request(flags);
        request.view = view;
        request.lines = &lines;
        if (!ready->run(request)) std::abort();
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
        benchmark::DoNotOptimize(r.ready->series().rows.data());
    }
}

} // namespace

BENCHMARK(BM_BundledExample)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaximumScenarioAllText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaximumScenarioRandomGroups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaximumScenarioNullSink)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
