// Speed and memory of the many-trial analysis: 10,000 trials of the largest scenario,
// the 30-year plan with one account at random rates (trials per second, and one trial
// on one thread of each), 1 against 2 threads, and the peak memory of 100,000 trials of the
// largest scenario (run that one on its own: the peak is the process's).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <time.h>

#include "analysis/trials.h"
#include "bench/bench_scenarios.h"

using namespace finplan;

namespace {

const LocalTime kToday{2026, 12, 7, 13, 5, 9};

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Besides the wall-clock rate, the processor time all threads spent per trial: on a
// machine shared with other work the wall clock says more about the others.
void runAnalysis(benchmark::State& bench, const Scenario& s, int trials) {
    TrialSettings settings;
    settings.trials = trials;
    settings.threads = static_cast<int>(bench.range(0));
    uint32_t seed = 1;
    const double cpuBefore = processCpuSeconds();
    for (auto _ : bench) {
        settings.seed = seed++;
        TrialControl control;
        const TrialResults r = runTrials(s, settings, control, 0, kToday);
        benchmark::DoNotOptimize(r.failed);
    }
    const double total = static_cast<double>(trials) * static_cast<double>(bench.iterations());
    bench.counters["trials/s"] = benchmark::Counter(total, benchmark::Counter::kIsRate);
    bench.counters["cpu_us/trial"] = (processCpuSeconds() - cpuBefore) * 1e6 / total;
}

void BM_MaximumScenario10000Trials(benchmark::State& bench) {
    auto s = maximumScenario();
    runAnalysis(bench, *s, 10000);
}

void BM_ThirtyYearPlan100000Trials(benchmark::State& bench) {
    auto s = thirtyYearPlan();
    runAnalysis(bench, *s, 100000);
}

// One trial: the copy of what a run changes and the run itself; with two threads each
// runs its own trials side by side, so the time per trial shows how well they scale.
void BM_ThirtyYearPlanOneTrial(benchmark::State& bench) {
    auto s = thirtyYearPlan();
    runOneTrialEach(bench, makeTrialTemplate(*s, TrialRandomMode::Accounts, 1, 0, kToday));
}

// One trial of the largest scenario on one thread.
void BM_MaximumScenarioOneTrial(benchmark::State& bench) {
    auto s = maximumScenario();
    runOneTrialEach(bench, makeTrialTemplate(*s, TrialRandomMode::Accounts, 1, 0, kToday));
}

void BM_MaximumScenario100000TrialsPeakMemory(benchmark::State& bench) {
    auto s = maximumScenario();
    runAnalysis(bench, *s, kMaxTrials);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    bench.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(BM_MaximumScenario10000Trials)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();
BENCHMARK(BM_ThirtyYearPlan100000Trials)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();
BENCHMARK(BM_ThirtyYearPlanOneTrial)->Unit(benchmark::kMicrosecond)->Threads(1)->Threads(2);
BENCHMARK(BM_MaximumScenarioOneTrial)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaximumScenario100000TrialsPeakMemory)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();
BENCHMARK_MAIN();
