// Speed of a whole run: the bundled example, the largest scenario the editors allow
// with every line written, and the same run with the lines thrown away and no plot
// file (the inner loop of a many-run analysis).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

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

void name(char* dst, std::size_t width, const char* stem, int i) {
    std::snprintf(dst, width, "%s %d", stem, i);
}

// 50 accounts of every type, 150 events of every kind (30-year mortgages among
// them), from 20 to 120.
std::unique_ptr<Scenario> maximumScenario() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    s->initial.startAge = 20;
    s->initial.endAge = 120;
    s->initial.taxRate = 22;
    s->initial.inflationRate = 3;
    std::strcpy(s->groups.groupName[0], "Stocks");
    s->groups.groupRandomMinRate[0] = -10;
    s->groups.groupRandomMaxRate[0] = 25;
    for (int i = 0; i < kMaxAccounts; ++i) {
        Account& a = s->accounts.accounts[i];
        name(a.name, sizeof a.name, "Account", i);
        std::snprintf(a.accessOrder, sizeof a.accessOrder, "%d", i);
        a.type = static_cast<int16_t>(i % 5);
        a.initialAmount = 10000.0f + 1000.0f * static_cast<float>(i);
        a.rate = static_cast<float>(i % 9) - 1.0f;
        a.randomMinRate = -5;
        a.randomMaxRate = 12;
        a.penaltyFlag = static_cast<int16_t>(i % 2);
        a.groupIndex = static_cast<int16_t>(i % 3);
        s->accounts.accountCount = static_cast<int16_t>(i);
        assignAccountId(*s);
    }
    for (int k = 0; k < kMaxEvents; ++k) {
        Event& e = s->events[k];
        e.kind = static_cast<int16_t>(1 + k % 6);
        name(e.description, sizeof e.description, "Event", k);
        e.startAge = static_cast<float>(20 + (k * 7) % 80);
        const int16_t account = static_cast<int16_t>(s->accounts.accounts[k % kMaxAccounts].id);
        switch (e.eventKind()) {
        case EventKind::Fundamentals:
            e.endAge = e.startAge;
            e.newTaxRate = static_cast<float>(15 + k % 10);
            e.newInflationRate = 3;
            e.rateAccountId = account;
            e.newAccountRate = 6;
            break;
        case EventKind::Loan:
        case EventKind::Mortgage:
            e.amount = e.is(EventKind::Mortgage) ? 300000.0f : 25000.0f;
            e.downPayment = e.amount * 0.2f;
            e.loanRate = 6.5f;
            e.years = static_cast<int16_t>(e.is(EventKind::Mortgage) ? 30 : 5);
            e.endAge = e.startAge + static_cast<float>(e.years);
            e.sellAge = k % 4 == 0 ? e.startAge + 12 : 0;
            e.monthlyPayment =
                loanPayment(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12);
            if (e.is(EventKind::Loan)) {
                e.toAccountId = account;
            } else {
                e.appreciationRate = 3;
                e.yearlyPropertyTax = 4000;
                e.applyInflation = 1;
                e.closingCosts = 5000;
                e.acceleratedMode = static_cast<int16_t>(k % 3);
                e.acceleratedPayment = 200;
            }
            break;
        default:
            e.amount = 5000.0f + static_cast<float>(k);
            e.endAge = e.startAge + 20;
            e.applyRate = 2;
            e.applyInflation = static_cast<int16_t>(k % 2);
            e.toAccountId = account;
            if (e.is(EventKind::Transfer))
                e.fromAccountId =
                    static_cast<int16_t>(s->accounts.accounts[(k + 2) % kMaxAccounts].id);
            if (e.is(EventKind::Withdrawal)) e.useSmartWithdrawal = 1;
            break;
        }
        s->eventCount = k + 1;
    }
    sortEvents(*s);
    recomputeTotals(*s);
    return s;
}

std::unique_ptr<Scenario> exampleScenario() {
    auto s = std::make_unique<Scenario>();
    std::vector<uint8_t> bytes;
    if (readFilePrefix(FINPLAN_EXAMPLE, 1 << 20, bytes) &&
        decodeScenario(bytes, *s) == DecodeResult::Ok) {
        sortEvents(*s);
        recomputeTotals(*s);
        return s;
    }
    return maximumScenario(); // no bundled example: the largest scenario stands in
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
