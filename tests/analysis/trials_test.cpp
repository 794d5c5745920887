// The many-trial analysis: repeatable from its seed whatever the threads, bands that
// collapse onto the fixed run when nothing is random, the age and cause of a failure
// worked out by hand, the sample trials replayed, and Cancel.
#include <gtest/gtest.h>

#include <map>

#include "analysis/trials.h"
#include "tests/engine/scenario_builder.h"

namespace finplan {
namespace {

using test::addAccount;
using test::addEvent;

const LocalTime kToday{2026, 12, 7, 13, 5, 9};

// Two savings accounts at random rates and an inflating withdrawal: some trials fail.
std::unique_ptr<Scenario> unevenPlan() {
    auto s = test::newScenario(60, 95, 20);
    s->initial.inflationRate = 3;
    Account& b = addAccount(*s, "Brokerage", test::kInvestment, 400000, 5, "1");
    b.randomMinRate = -6;
    b.randomMaxRate = 20;
    Account& ira = addAccount(*s, "IRA", test::kRetirement, 300000, 5, "2");
    ira.randomMinRate = -6;
    ira.randomMaxRate = 20;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living costs", 60, 94, 32000);
    w.toAccountId = 1;
    w.applyInflation = 1;
    return s;
}

TrialSettings settings(int trials, uint32_t seed, int threads = 1, int chunk = 0) {
    TrialSettings t;
    t.trials = trials;
    t.seed = seed;
    t.threads = threads;
    t.chunk = chunk;
    return t;
}

TrialResults analyse(const Scenario& s, const TrialSettings& t) {
    TrialControl control;
    return runTrials(s, t, control, 0, kToday);
}

void expectSameResults(const TrialResults& a, const TrialResults& b) {
    ASSERT_EQ(a.status, TrialStatus::Completed);
    ASSERT_EQ(b.status, TrialStatus::Completed);
    EXPECT_EQ(a.failed, b.failed);
    EXPECT_EQ(a.failuresByAge, b.failuresByAge);
    EXPECT_EQ(a.netWorth, b.netWorth);
    EXPECT_EQ(a.savings, b.savings);
    ASSERT_EQ(a.causes.size(), b.causes.size());
    for (std::size_t i = 0; i < a.causes.size(); ++i) {
        EXPECT_EQ(a.causes[i].account, b.causes[i].account);
        EXPECT_EQ(a.causes[i].event, b.causes[i].event);
        EXPECT_EQ(a.causes[i].share, b.causes[i].share);
    }
    EXPECT_EQ(a.median.trial, b.median.trial);
    EXPECT_EQ(a.median.netWorth, b.median.netWorth);
    EXPECT_EQ(a.worstDecile.trial, b.worstDecile.trial);
}

TEST(Trials, SameSeedGivesTheSameResultsForAnyThreadCountAndChunkSize) {
    auto s = unevenPlan();
    const TrialResults one = analyse(*s, settings(400, 77, 1, 400));
    ASSERT_EQ(one.trialsRun, 400);
    // The plan is neither safe nor hopeless, so the comparison covers every table.
    EXPECT_GT(one.failed, 0);
    EXPECT_LT(one.failed, 400);
    expectSameResults(one, analyse(*s, settings(400, 77, 2, 1)));
    expectSameResults(one, analyse(*s, settings(400, 77, 2, 7)));
    expectSameResults(one, analyse(*s, settings(400, 77, 3, 0)));
}

TEST(Trials, ManyTrialsGiveTheSameResultsOnOneAndTwoThreadsKeptExactlyOrInHistograms) {
    // Enough trials that the bands are picked through counts, and the same again
    // streamed into histograms.
    auto s = unevenPlan();
    for (const int64_t limit : {kExactValueLimit, int64_t{0}}) {
        TrialSettings one = settings(20000, 5, 1);
        one.exactValueLimit = limit;
        TrialSettings two = one;
        two.threads = 2;
        two.chunk = 3;
        const TrialResults a = analyse(*s, one);
        EXPECT_EQ(a.exactBands, limit > 0);
        expectSameResults(a, analyse(*s, two));
    }
}

TEST(Trials, DifferentSeedsGiveDifferentFutures) {
    auto s = unevenPlan();
    const TrialResults a = analyse(*s, settings(200, 1));
    const TrialResults b = analyse(*s, settings(200, 2));
    EXPECT_NE(a.netWorth, b.netWorth);
    EXPECT_NE(a.median.generatorSeed, b.median.generatorSeed);
}

// Net worth per whole age, as the schedule's age rows show it.
class AgeNetWorth : public PlotSink {
  public:
    std::map<int, float> netWorth;
    bool begin() override { return true; }
    void header(float, int) override {}
    void accountName(int, const char*) override {}
    void rowStart(int, const PlotRow&, const float*, int, float) override {}
    void rowEnd(int, const PlotRow&, float) override {}
    void ageTotals(int age, const float (&v)[7]) override { netWorth[age] = v[6]; }
    void end(const Scenario&) override {}
};

TEST(Trials, BandsCollapseOntoTheFixedRunWhenEveryRangeIsZero) {
    auto s = test::newScenario(60, 90, 20);
    addAccount(*s, "Savings", test::kInvestment, 500000, 6, "1"); // range 0..0
    addAccount(*s, "House", test::kAsset, 250000, 2, "2");
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living costs", 60, 89, 20000);
    w.toAccountId = 1;
    AgeNetWorth fixed;
    auto copy = std::make_unique<Scenario>(*s);
    test::runList(*copy, {}, {}, &fixed);

    for (int64_t exactLimit : {kExactValueLimit, int64_t{0}}) { // exact, then histograms
        TrialSettings t = settings(50, 9, 2);
        t.exactValueLimit = exactLimit;
        const TrialResults r = analyse(*s, t);
        ASSERT_EQ(r.status, TrialStatus::Completed);
        EXPECT_EQ(r.exactBands, exactLimit > 0);
        EXPECT_EQ(r.successRate(), 1.0);
        EXPECT_TRUE(r.causes.empty());
        ASSERT_EQ(r.firstAge, 60);
        ASSERT_EQ(r.ageCount, 31); // 60 to the final row at 90
        for (int a = 0; a < r.ageCount; ++a)
            for (float band : r.netWorth[a])
                ASSERT_EQ(band, fixed.netWorth.at(60 + a)) << "age " << 60 + a;
    }
}

// 100,000.00 at 0 % paying 30,000.00 a year from 60: 70,000 at 61, 40,000 at 62,
// 10,000 at 63, where the withdrawal empties the account and 20,000.00 is still owed.
// The house's random rate changes the net worth of each trial but not that age.
std::unique_ptr<Scenario> planThatRunsDryAt63() {
    auto s = test::newScenario(60, 70, 0);
    addAccount(*s, "Nest egg", test::kInvestment, 100000, 0, "1");
    Account& house = addAccount(*s, "House", test::kAsset, 200000, 2, "2");
    house.randomMinRate = -5;
    house.randomMaxRate = 5;
    addEvent(*s, EventKind::Deposit, "Gift", 65, 65, 1000).toAccountId = 2;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living costs", 60, 69, 30000);
    w.toAccountId = 1;
    return s;
}

TEST(Trials, PlanThatAlwaysRunsDryFailsAtThatAgeNamingTheAccountAndPayment) {
    auto s = planThatRunsDryAt63();
    const TrialResults r = analyse(*s, settings(120, 5, 2));
    ASSERT_EQ(r.status, TrialStatus::Completed);
    EXPECT_EQ(r.failed, 120);
    EXPECT_EQ(r.successRate(), 0.0);
    EXPECT_EQ(r.failuresByAge[63 - 60], 120);
    EXPECT_EQ(failureAgeQuartiles(r), (std::array<int, 3>{63, 63, 63}));
    ASSERT_EQ(r.causes.size(), 1u);
    EXPECT_EQ(r.causes[0].account, "Nest egg");
    EXPECT_EQ(r.causes[0].event, "Living costs");
    EXPECT_EQ(r.causes[0].share, 1.0);
    EXPECT_TRUE(r.median.failed);
    EXPECT_EQ(r.median.failureAge, 63);
    EXPECT_NE(r.netWorth.back()[0], r.netWorth.back()[4]); // the house made them differ
}

TEST(Trials, PaymentsThatDrewOnTheDryAccountShareTheBlameByAmount) {
    // A second withdrawal, "Car", 5,000.00 a year, earlier in start-age order so it
    // draws first. Nest egg: 60: 100,000 - 5,000 - 30,000 = 65,000; 61: 30,000;
    // 62: the car takes 5,000, Living costs takes the last 25,000 and still owes 5,000.
    auto s = planThatRunsDryAt63();
    addEvent(*s, EventKind::Withdrawal, "Car", 59, 63, 5000).toAccountId = 1;
    const TrialResults r = analyse(*s, settings(20, 5, 1));
    ASSERT_EQ(r.failed, 20);
    EXPECT_EQ(r.failuresByAge[62 - 60], 20);
    ASSERT_EQ(r.causes.size(), 2u);
    EXPECT_EQ(r.causes[0].event, "Living costs"); // drew 25,000 of the 30,000
    EXPECT_NEAR(r.causes[0].share, 25000.0 / 30000.0, 1e-6);
    EXPECT_EQ(r.causes[1].event, "Car");
    EXPECT_NEAR(r.causes[1].share, 5000.0 / 30000.0, 1e-6);
}

TEST(Trials, MedianTrialReplaysWithTheSameNetWorthAtEveryAge) {
    auto s = unevenPlan();
    const TrialResults r = analyse(*s, settings(301, 4242, 2));
    ASSERT_EQ(r.status, TrialStatus::Completed);
    // With an odd count the median band of the final age is the median trial's value.
    EXPECT_EQ(r.netWorth.back()[2], r.median.netWorth.back());
    for (const TrialSample* sample : {&r.median, &r.worstDecile}) {
        auto scenario = std::make_unique<Scenario>(*s);
        auto state = std::make_unique<RunState>();
        AgeNetWorth replayed;
        ResultsList list;
        RunRequest request;
        request.lines = &list;
        request.plot = &replayed;
        ASSERT_TRUE(replayTrial(*scenario, *state, replayOf(r, *sample), request));
        EXPECT_FALSE(list.lines.empty());
        for (int a = 0; a < r.ageCount; ++a)
            ASSERT_EQ(replayed.netWorth.at(60 + a), sample->netWorth[a]) << "age " << 60 + a;
    }
    EXPECT_LE(r.worstDecile.netWorth.back(), r.median.netWorth.back());
}

TEST(Trials, CancelBeforeTheStartRunsNothingAndShowsNoResult) {
    auto s = unevenPlan();
    TrialControl control;
    control.cancel();
    const TrialResults r = runTrials(*s, settings(1000, 1, 2), control, 0, kToday);
    EXPECT_EQ(r.status, TrialStatus::Cancelled);
    EXPECT_EQ(r.trialsRun, 0);
    EXPECT_TRUE(r.netWorth.empty());
    EXPECT_TRUE(r.causes.empty());
}

TEST(Trials, CancelFromProgressStopsALongAnalysisAndKeepsNoPartialResult) {
    // A hundred years of 30 accounts and 60 payments: 100,000 trials take seconds, far
    // longer than the 50 ms to the first progress report, where it is cancelled.
    auto s = test::newScenario(20, 120, 20);
    for (int i = 0; i < 30; ++i) {
        Account& a = addAccount(*s, ("Account " + std::to_string(i)).c_str(), test::kInvestment,
                                100000, 5, "1");
        a.randomMinRate = -10;
        a.randomMaxRate = 20;
    }
    for (int i = 0; i < 60; ++i)
        addEvent(*s, EventKind::Withdrawal, "Costs", 20 + i, 120, 1000).toAccountId = 1;
    TrialControl control;
    int reports = 0;
    control.progress = [&](int done, int total) {
        ++reports;
        EXPECT_LE(done, total);
        control.cancel();
    };
    const TrialResults r = runTrials(*s, settings(kMaxTrials, 3, 2), control, 0, kToday);
    EXPECT_EQ(r.status, TrialStatus::Cancelled);
    EXPECT_GE(reports, 1);
    EXPECT_LT(r.trialsRun, kMaxTrials / 2); // stopped long before the end
    EXPECT_TRUE(r.netWorth.empty());
    EXPECT_TRUE(r.causes.empty());
    EXPECT_EQ(r.median.trial, -1);
}

// A start age far beyond any age (a damaged file may hold one; it is finite, so it
// loads) lists no ages instead of converting out of an int's range.
TEST(Trials, StartAgeBeyondAnyAgeListsNoAges) {
    auto s = unevenPlan();
    s->initial.startAge = 1e10f;
    const TrialTemplate t = makeTrialTemplate(*s, TrialRandomMode::Accounts, 1, 0, kToday);
    EXPECT_EQ(t.ageCount, 0);
}

} // namespace
} // namespace finplan
