// Speed of the history analysis: every cycle of the largest scenario (100 years, 53
// cycles, every account following a market) on 1 and 2 threads, and random history
// against random-rate trials on the 30-year plan, one trial on one thread each.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "analysis/history.h"
#include "bench/bench_scenarios.h"

using namespace finplan;

namespace {

const LocalTime kToday{2026, 12, 7, 13, 5, 9};

std::shared_ptr<const MarketPlan> marketsFor(Scenario& s) {
    std::strcpy(s.groups.groupName[0], "Stocks");
    std::strcpy(s.groups.groupName[1], "Bonds");
    std::strcpy(s.groups.groupName[2], "Real Estate");
    MarketSettings settings;
    settings.setChoice("Stocks", MarketChoice{Market::Stocks, 0, -0.2f});
    settings.setChoice("Bonds", MarketChoice{Market::Mix, 40, 0});
    settings.setChoice("Real Estate", MarketChoice{Market::Inflation, 0, 1});
    std::vector<std::string> dropped;
    return std::make_shared<const MarketPlan>(
        resolveMarketPlan(settings, s, sharedBuiltInTable(), dropped));
}

void BM_MaximumScenarioAllCycles(benchmark::State& bench) {
    auto s = maximumScenario();
    const auto plan = marketsFor(*s);
    HistorySettings settings;
    settings.threads = static_cast<int>(bench.range(0));
    for (auto _ : bench) {
        TrialControl control;
        const HistoryResults r = runHistory(*s, plan, settings, control, 0, kToday);
        benchmark::DoNotOptimize(r.failed);
        if (r.cycles.size() != 53) bench.SkipWithError("expected 53 cycles");
    }
}

// One trial on one thread: random history next to random account rates.
void oneTrial(benchmark::State& bench, TrialRandomMode mode) {
    auto s = thirtyYearPlan();
    const auto plan = marketsFor(*s);
    runOneTrialEach(bench, makeTrialTemplate(*s, mode, 1, 0, kToday,
                                             mode == TrialRandomMode::History ? plan : nullptr));
}

void BM_ThirtyYearPlanOneRandomHistoryTrial(benchmark::State& bench) {
    oneTrial(bench, TrialRandomMode::History);
}

void BM_ThirtyYearPlanOneRandomRateTrial(benchmark::State& bench) {
    oneTrial(bench, TrialRandomMode::Accounts);
}

} // namespace

BENCHMARK(BM_MaximumScenarioAllCycles)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ThirtyYearPlanOneRandomHistoryTrial)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThirtyYearPlanOneRandomRateTrial)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
