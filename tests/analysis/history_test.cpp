// The history analysis: a cycle is the fixed run with each year's market rates set
// by rate-change events, nothing following a market is the fixed run, the cycles a
// plan of a given length has, the same results on any thread count, random history
// repeatable from its seed, and a cycle opened again matching its analysis.
#include <gtest/gtest.h>

#include "analysis/history.h"
#include "tests/engine/scenario_builder.h"

namespace finplan {
namespace {

using test::addAccount;
using test::addEvent;

const LocalTime kToday{2026, 12, 7, 13, 5, 9};

// Stocks and bonds groups, a cash account outside any group, taxes on interest and an
// inflating withdrawal and deposit.
std::unique_ptr<Scenario> mixedPlan(float start, float end) {
    auto s = test::newScenario(start, end, 20);
    s->initial.inflationRate = 3;
    std::strcpy(s->groups.groupName[0], "Stocks");
    std::strcpy(s->groups.groupName[1], "Bonds");
    addAccount(*s, "Brokerage", test::kInvestment, 500000, 6, "1").groupIndex = 0;
    addAccount(*s, "IRA", test::kRetirement, 300000, 4, "2").groupIndex = 1;
    addAccount(*s, "Cash", test::kInvestment, 20000, 2, "3").groupIndex = 7;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living", start, end - 1, 45000);
    w.toAccountId = 1;
    w.applyInflation = 1;
    Event& d = addEvent(*s, EventKind::Deposit, "Pension", start + 2, end - 1, 8000);
    d.toAccountId = 3;
    d.applyInflation = 1;
    return s;
}

std::shared_ptr<MarketPlan> planFor(const Scenario& s, bool inflation) {
    MarketSettings settings;
    settings.setChoice("Stocks", MarketChoice{Market::Stocks, 0, -0.5f});
    settings.setChoice("Bonds", MarketChoice{Market::Mix, 30, 0.25f});
    settings.historicalInflation = inflation;
    std::vector<std::string> dropped;
    return std::make_shared<MarketPlan>(
        resolveMarketPlan(settings, s, sharedBuiltInTable(), dropped));
}

HistoryResults analyse(const Scenario& s, std::shared_ptr<const MarketPlan> plan, int threads = 1) {
    TrialControl control;
    HistorySettings settings;
    settings.threads = threads;
    return runHistory(s, std::move(plan), settings, control, 0, kToday);
}

// Net worth at every listed age of an ordinary fixed-rate run.
std::vector<float> fixedNetWorth(Scenario& s, int firstAge, int ages) {
    std::vector<float> netWorth(ages), savings(ages);
    AgeTotalsSink sink(firstAge, ages);
    sink.setOutput(netWorth.data(), savings.data());
    RunRequest request;
    request.plot = &sink;
    test::runList(s, {}, {}, &sink);
    return netWorth;
}

void expectClose(const std::vector<float>& a, const std::vector<float>& b, const char* what) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(a[i], b[i], 1e-5f * std::max(1.0f, std::fabs(b[i]))) << what << " age " << i;
}

TEST(History, NothingFollowingAMarketGivesTheFixedRunInEveryCycle) {
    auto s = mixedPlan(60, 75);
    MarketSettings none;
    none.historicalInflation = false;
    std::vector<std::string> dropped;
    const HistoryResults r = analyse(*s, std::make_shared<MarketPlan>(resolveMarketPlan(
                                             none, *s, sharedBuiltInTable(), dropped)));
    ASSERT_EQ(r.status, HistoryStatus::Completed);
    auto fixed = mixedPlan(60, 75);
    const std::vector<float> expected = fixedNetWorth(*fixed, r.firstAge, r.ageCount);
    for (const CycleResult& c : r.cycles)
        ASSERT_EQ(c.netWorth, expected) << c.startYear;
}

TEST(History, ACycleIsTheFixedRunWithEachYearsRatesSetByRateChanges) {
    auto s = mixedPlan(60, 75);
    const auto plan = planFor(*s, true);
    const HistoryResults r = analyse(*s, plan);
    ASSERT_EQ(r.status, HistoryStatus::Completed);
    for (int startYear : {1929, 1966, 2000}) {
        auto fixed = mixedPlan(60, 75);
        for (int k = 0; k < r.planYears; ++k) {
            const MarketYear& y = *plan->table->year(startYear + k);
            for (int id : {1, 2}) {
                Event& e =
                    addEvent(*fixed, EventKind::Fundamentals, "Market", 60.0f + k, 60.0f + k, 0);
                e.rateAccountId = static_cast<int16_t>(id);
                e.newAccountRate = marketRate(plan->groups[id - 1], y);
                e.newTaxRate = 20;
                e.newInflationRate = y.inflation;
            }
        }
        const CycleResult* c = r.cycle(startYear);
        ASSERT_NE(c, nullptr);
        expectClose(c->netWorth, fixedNetWorth(*fixed, r.firstAge, r.ageCount), "net worth");
    }
}

TEST(History, CyclesAreEveryStartYearWhosePlanYearsFitTheTable) {
    const struct {
        float start, end;
        int years, cycles, first, last;
    } rows[] = {{60, 61, 1, 152, 1871, 2022},
                {60, 90, 30, 123, 1871, 1993},
                {20, 120, 100, 53, 1871, 1923}};
    for (const auto& row : rows) {
        auto s = mixedPlan(row.start, row.end);
        const HistoryResults r = analyse(*s, planFor(*s, true), 2);
        ASSERT_EQ(r.status, HistoryStatus::Completed) << row.years;
        EXPECT_EQ(r.planYears, row.years);
        ASSERT_EQ(static_cast<int>(r.cycles.size()), row.cycles) << row.years;
        EXPECT_EQ(r.cycles.front().startYear, row.first);
        EXPECT_EQ(r.cycles.back().startYear, row.last);
    }
    // A plan longer than the table has no complete cycle and says so.
    auto s = mixedPlan(60, 90);
    auto plan = planFor(*s, true);
    plan->table =
        std::make_shared<MarketTable>(std::vector<MarketYear>{{2000, 1, 1, 1}, {2001, 2, 2, 2}});
    const HistoryResults r = analyse(*s, plan);
    EXPECT_EQ(r.status, HistoryStatus::NoCycle);
    EXPECT_EQ(noCycleText(r), "The plan runs 30 years; the market history has 2 (2000 to 2001), "
                              "so no complete cycle fits.");
}

void expectSameCycles(const HistoryResults& a, const HistoryResults& b) {
    ASSERT_EQ(a.cycles.size(), b.cycles.size());
    EXPECT_EQ(a.failed, b.failed);
    for (std::size_t i = 0; i < a.cycles.size(); ++i) {
        EXPECT_EQ(a.cycles[i].netWorth, b.cycles[i].netWorth);
        EXPECT_EQ(a.cycles[i].failureAge, b.cycles[i].failureAge);
        EXPECT_EQ(a.cycles[i].causes.size(), b.cycles[i].causes.size());
    }
}

TEST(History, OneAndTwoThreadsGiveTheSameCyclesAndACycleOpensAgainAsAnalysed) {
    auto s = mixedPlan(60, 95);
    const auto plan = planFor(*s, true);
    const HistoryResults one = analyse(*s, plan, 1);
    // The plan is neither safe nor hopeless, so failures are compared too.
    EXPECT_GT(one.failed, 0);
    EXPECT_LT(one.failed, static_cast<int>(one.cycles.size()));
    expectSameCycles(one, analyse(*s, plan, 2));

    const CycleResult& failing = *std::find_if(one.cycles.begin(), one.cycles.end(),
                                               [](const CycleResult& c) { return c.failed; });
    auto again = std::make_unique<Scenario>(*s);
    auto state = std::make_unique<RunState>();
    std::vector<float> netWorth(one.ageCount), savings(one.ageCount);
    AgeTotalsSink sink(one.firstAge, one.ageCount);
    sink.setOutput(netWorth.data(), savings.data());
    RunRequest request;
    request.plot = &sink;
    ASSERT_TRUE(replayTrial(*again, *state, *cycleReplay(one, failing.startYear), request));
    EXPECT_EQ(netWorth, failing.netWorth);
}

TEST(History, RandomHistoryRepeatsFromItsSeedOnAnyThreadCount) {
    auto s = mixedPlan(60, 95);
    auto plan = planFor(*s, true);
    plan->block = 5;
    TrialSettings t;
    t.trials = 200;
    t.mode = TrialRandomMode::History;
    t.market = plan;
    t.seed = 9;
    t.threads = 1;
    TrialControl control;
    const TrialResults a = runTrials(*s, t, control, 0, kToday);
    t.threads = 2;
    const TrialResults b = runTrials(*s, t, control, 0, kToday);
    ASSERT_EQ(a.status, TrialStatus::Completed);
    EXPECT_GT(a.failed, 0);
    EXPECT_EQ(a.failed, b.failed);
    EXPECT_EQ(a.netWorth, b.netWorth);
    EXPECT_EQ(a.failuresByAge, b.failuresByAge);
    t.seed = 10;
    EXPECT_NE(runTrials(*s, t, control, 0, kToday).netWorth, a.netWorth);

    // The median trial opened again gives the numbers it had.
    auto again = std::make_unique<Scenario>(*s);
    auto state = std::make_unique<RunState>();
    std::vector<float> netWorth(a.ageCount), savings(a.ageCount);
    AgeTotalsSink sink(a.firstAge, a.ageCount);
    sink.setOutput(netWorth.data(), savings.data());
    RunRequest request;
    request.plot = &sink;
    replayTrial(*again, *state, replayOf(a, a.median), request);
    EXPECT_EQ(netWorth, a.median.netWorth);
}

} // namespace
} // namespace finplan
