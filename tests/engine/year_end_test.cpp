// Interest, growth, random rates, payments and the summary at the close of a year.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "engine/year_end.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

struct YearEndHarness {
    std::unique_ptr<Scenario> s = newScenario(60, 80, 20);
    std::unique_ptr<RunState> st = std::make_unique<RunState>();
    ResultsList list;
    SeededRandom random{1};
    RunFlags flags;
    ViewSettings view{true, false};
    YearEndHarness() {
        st->beforeLoop = false;
        st->setAge(60);
        st->plotStartAge = 60;
        st->taxRateInEffect = 20;
    }
    RunContext ctx() { return RunContext{*s, *st, list, nullptr, nullptr, random, flags, view}; }
};

TEST(YearEnd, InterestIsTaxedAndTheTaxDrawnDown) {
    struct Row {
        int accounts;
        const char* payLine;
        float balance;
    } rows[] = {
        {1, "  Pay $100.00 Tax On Savings Interest", 10400.0f},
        {2, "  Pay $200.00 Tax On Savings Interest", 10300.0f}, // both taxes from the first
    };
    for (const Row& row : rows) {
        YearEndHarness h;
        for (int i = 0; i < row.accounts; ++i) {
            addAccount(*h.s, i == 0 ? "A" : "B", kInvestment, 10000, 5, i == 0 ? "1" : "2");
            h.st->investmentTotal += 10000;
        }
        RunContext ctx = h.ctx();
        yearEnd(ctx);
        EXPECT_TRUE(has(h.list.lines, row.payLine)) << row.accounts;
        EXPECT_EQ(h.s->accounts.accounts[0].balance, row.balance);
    }
}

TEST(YearEnd, PartialYearHalvesGrowthButNotTheMortgageEquity) {
    YearEndHarness h;
    h.st->yearFraction = 0.5f;
    h.st->taxRateInEffect = 0;
    addAccount(*h.s, "Savings", kInvestment, 10000, 10, "1");
    h.st->investmentTotal = 10000;
    Event& m = addEvent(*h.s, EventKind::Mortgage, "Home", 60, 90, 100000);
    m.appreciationRate = 4;
    m.assetValue = 100000;
    RunContext ctx = h.ctx();
    yearEnd(ctx);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 10500.0f);
    EXPECT_EQ(h.st->equityTotal, 4000.0f); // a x 0.01 x value, unscaled
    EXPECT_EQ(m.assetValue, 102000.0f);    // scaled growth
    EXPECT_EQ(h.st->tallies.appreciation, 2000.0f);
    EXPECT_EQ(h.st->tallies.totalIncoming, 2500.0f);
}

TEST(YearEnd, NoInterestOnEmptyOrNegativeBalancesAndNoStatistics) {
    YearEndHarness h;
    h.flags.randomAccountRates = true;
    Account& a = addAccount(*h.s, "Zero", kInvestment, 0, 5, "1");
    a.randomMinRate = 2;
    a.randomMaxRate = 8;
    Account& b = addAccount(*h.s, "Owing", kTaxFree, -500, 5, "2");
    b.randomMinRate = 2;
    b.randomMaxRate = 8;
    RunContext ctx = h.ctx();
    yearEnd(ctx);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 0.0f);
    EXPECT_EQ(h.s->accounts.accounts[1].balance, -500.0f);
    EXPECT_EQ(h.s->accounts.accounts[0].rateStatCount, 0);
    EXPECT_EQ(h.s->accounts.accounts[1].rateStatCount, 0);
}

TEST(YearEnd, NegativeRandomRateOnAnAssetIsDepreciation) {
    YearEndHarness h;
    h.flags.randomAccountRates = true;
    Account& a = addAccount(*h.s, "Car", kAsset, 1000, 2, "1");
    a.randomMinRate = -3;
    a.randomMaxRate = -3;
    h.st->assetTotal = 1000;
    RunContext ctx = h.ctx();
    yearEnd(ctx);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 970.0f);
    EXPECT_EQ(h.st->tallies.depreciation, -30.0f);
    EXPECT_TRUE(has(h.list.lines, "  Account random interest rates in effect."));
    EXPECT_TRUE(has(h.list.lines, "      Car rate=-3.00%"));
    EXPECT_TRUE(has(h.list.lines, "       Depreciation=$30.00"));
    EXPECT_TRUE(has(h.list.lines, "    Total Outgoing=$30.00"));
}

TEST(YearEnd, GroupWithoutRangeKeepsOwnRatesAndWritesNoRateLine) {
    YearEndHarness h;
    h.flags.randomGroupRates = true;
    h.st->taxRateInEffect = 0;
    std::strcpy(h.s->groups.groupName[0], "Flat");
    std::strcpy(h.s->groups.groupName[1], "Stocks");
    h.s->groups.groupRandomMinRate[1] = 7;
    h.s->groups.groupRandomMaxRate[1] = 7;
    addAccount(*h.s, "Bonds", kInvestment, 1000, 3, "1").groupIndex = 0;
    addAccount(*h.s, "Fund", kInvestment, 1000, 3, "2").groupIndex = 1;
    addAccount(*h.s, "Fund2", kInvestment, 1000, 3, "3").groupIndex = 1;
    RunContext ctx = h.ctx();
    yearEnd(ctx);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 1030.0f);
    EXPECT_EQ(h.s->accounts.accounts[1].balance, 1070.0f);
    EXPECT_EQ(h.s->accounts.accounts[2].balance, 1070.0f);
    const auto count =
        std::count_if(h.list.lines.begin(), h.list.lines.end(),
                      [](const std::string& l) { return l.find(" rate=") != std::string::npos; });
    EXPECT_EQ(count, 1); // the group's rate is reported once
    EXPECT_TRUE(has(h.list.lines, "      Stocks rate=7.00%"));
    EXPECT_EQ(h.st->groupStats[1].count, 1.0f);
    // Own 3 % against drawn 7 %: not a bad year.
    EXPECT_EQ(h.st->badYear, 0);
}

TEST(YearEnd, DrawnRatesBelowOwnRatesMakeABadYear) {
    YearEndHarness h;
    h.flags.randomAccountRates = true;
    Account& a = addAccount(*h.s, "Fund", kRetirement, 1000, 8, "1");
    a.randomMinRate = 2;
    a.randomMaxRate = 2;
    h.st->badYearRun = 1;
    RunContext ctx = h.ctx();
    yearEnd(ctx);
    EXPECT_EQ(h.st->badYear, 1);
    EXPECT_EQ(h.st->rateShortfall, 6.0f);
    EXPECT_EQ(h.st->badYearRun, 2);
}

TEST(YearEnd, SummaryIncomingIsTheSumOfItsParts) {
    auto s = newScenario(60, 61, 10);
    addAccount(*s, "Inv", kInvestment, 10000, 5, "1");
    addAccount(*s, "Roth", kTaxFree, 10000, 4, "2");
    addAccount(*s, "Land", kAsset, 10000, 3, "3");
    Event& d = addEvent(*s, EventKind::Deposit, "Gift", 60, 60, 1000);
    d.toAccountId = 1;
    d.oneTime = 1;
    auto r = runList(*s, ViewSettings{true, true});
    // Deposit 1,000.00; interest 550.00 (taxable), 400.00 (not), growth 300.00.
    EXPECT_TRUE(has(r->list.lines, "    Total Incoming=$2,250.00"));
    EXPECT_TRUE(has(r->list.lines, "       Deposits=$1,000.00"));
    EXPECT_TRUE(has(r->list.lines, "       Taxable Income=$550.00"));
    EXPECT_TRUE(has(r->list.lines, "       Non Taxable Income=$400.00"));
    EXPECT_TRUE(has(r->list.lines, "       Appreciation=$300.00"));
    EXPECT_TRUE(has(r->list.lines, "    Total Outgoing=$55.00"));
    EXPECT_TRUE(has(r->list.lines, "       Taxes on savings interest=$55.00"));
    EXPECT_TRUE(has(r->list.lines, "End Of Year Account Summary:"));
    EXPECT_TRUE(has(r->list.lines, "  Inv=$11,495.00          "));
}

TEST(RandomRuns, SameSeedSameSchedule) {
    auto make = [] {
        auto s = newScenario(50, 70, 15);
        Account& a = addAccount(*s, "Stocks", kInvestment, 100000, 7, "1");
        a.randomMinRate = -10;
        a.randomMaxRate = 25;
        Account& b = addAccount(*s, "Bonds", kRetirement, 50000, 4, "2");
        b.groupIndex = 0;
        std::strcpy(s->groups.groupName[0], "Fixed");
        s->groups.groupRandomMinRate[0] = 1;
        s->groups.groupRandomMaxRate[0] = 6;
        Event& w = addEvent(*s, EventKind::Withdrawal, "Live", 55, 70, 9000);
        w.useSmartWithdrawal = 1;
        return s;
    };
    for (RunFlags flags : {RunFlags{true, false}, RunFlags{false, true}}) {
        auto s1 = make();
        auto s2 = make();
        auto s3 = make();
        auto a = runList(*s1, ViewSettings{true, true}, flags, nullptr, 99);
        auto b = runList(*s2, ViewSettings{true, true}, flags, nullptr, 99);
        auto c = runList(*s3, ViewSettings{true, true}, flags, nullptr, 100);
        EXPECT_EQ(a->list.lines, b->list.lines);
        EXPECT_NE(a->list.lines, c->list.lines);
        EXPECT_TRUE(has(a->list.lines, "Rate Statistics:"));
    }
}

// Ranges of one point give fixed rates, so the statistics of a two-year run (60, 61)
// are known: count 2, average, min and max all the drawn rate. A group named with
// one character does not exist: its accounts keep their own rates and it has no line.
TEST(RandomRuns, RateStatisticsOfBothModes) {
    auto make = [] {
        auto s = newScenario(60, 62, 0);
        Account& a = addAccount(*s, "A", kInvestment, 1000, 3, "1");
        a.randomMinRate = a.randomMaxRate = 5;
        a.groupIndex = 0;
        addAccount(*s, "B", kTaxFree, 1000, 3, "2").groupIndex = 0;
        Account& c = addAccount(*s, "C", kInvestment, 1000, 2, "3");
        c.randomMinRate = c.randomMaxRate = -2;
        c.groupIndex = 1;
        for (auto& name : s->groups.groupName)
            std::memset(name, 0, sizeof name);
        std::strcpy(s->groups.groupName[0], "Stocks");
        s->groups.groupRandomMinRate[0] = s->groups.groupRandomMaxRate[0] = 4;
        std::strcpy(s->groups.groupName[1], "X");
        s->groups.groupRandomMinRate[1] = s->groups.groupRandomMaxRate[1] = 7;
        return s;
    };
    auto statistics = [](const std::vector<std::string>& lines) {
        auto at = std::find(lines.begin(), lines.end(), "Rate Statistics:");
        return at == lines.end() ? std::vector<std::string>{}
                                 : std::vector<std::string>(at + 1, lines.end());
    };
    auto count = [](const std::vector<std::string>& lines, const std::string& line) {
        return std::count(lines.begin(), lines.end(), line);
    };

    auto sa = make();
    auto acc = runList(*sa, ViewSettings{true, false}, RunFlags{true, false});
    EXPECT_EQ(statistics(acc->list.lines),
              (std::vector<std::string>{
                  "Average A Rate = 5.00   Number = 2   Min = 5.00   Max = 5.00  ",
                  "Average C Rate = -2.00  Number = 2   Min = -2.00  Max = -2.00 "}));
    EXPECT_EQ(count(acc->list.lines, "      A rate=5.00%"), 2);
    EXPECT_EQ(count(acc->list.lines, "      C rate=-2.00%"), 2);
    // 1,000.00 at -2 % for two years; no tax on a loss.
    EXPECT_FLOAT_EQ(sa->accounts.accounts[2].balance, 960.4f);

    auto sg = make();
    auto grp = runList(*sg, ViewSettings{true, false}, RunFlags{false, true});
    EXPECT_EQ(statistics(grp->list.lines),
              (std::vector<std::string>{
                  "Average Stocks Rate    = 4.00   Number = 2   Min = 4.00   Max = 4.00  "}));
    EXPECT_EQ(count(grp->list.lines, "      Stocks rate=4.00%"), 2); // once a year for A and B
    EXPECT_FLOAT_EQ(sg->accounts.accounts[0].balance, 1081.6f);      // 4 %, not its own 3 %
    EXPECT_FLOAT_EQ(sg->accounts.accounts[2].balance, 1040.4f);      // its own 2 %
}

} // namespace
} // namespace finplan::test
