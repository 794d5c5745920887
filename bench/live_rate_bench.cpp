// How soon the status bar's success rate follows an edit: from the change of the
// scenario to its figure, 1,000 trials on the worker thread, for the bundled example
// and the largest scenario (the view's poll interval is not counted).
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "bench/bench_scenarios.h"
#include "shell/logic/live_success_rate.h"

using namespace finplan;

namespace {

void followEdits(benchmark::State& bench, const Scenario& s) {
    FixedClock clock(LocalTime{2026, 12, 7, 13, 5, 9});
    uint64_t revision = 0;
    LiveSuccessRate live(s, clock, [&revision] { return revision; });
    for (auto _ : bench) {
        ++revision;
        while (!live.poll(false))
            std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

void BM_LiveRateBundledExample(benchmark::State& bench) {
    followEdits(bench, *bundledExample(FINPLAN_EXAMPLE));
}

void BM_LiveRateMaximumScenario(benchmark::State& bench) {
    followEdits(bench, *maximumScenario());
}

} // namespace

BENCHMARK(BM_LiveRateBundledExample)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveRateMaximumScenario)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
