// Rates from outside the scenario (market history): groups that follow a market earn
// its rate through the random-group path, the year's inflation stands before any event
// and against a rate change, and property taxes grow by each year's own inflation.
#include <gtest/gtest.h>

#include "engine/market_rates.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

std::vector<std::string> linesStarting(const std::vector<std::string>& lines, const char* prefix) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

struct Market {
    std::vector<float> groups;
    std::vector<float> inflation;
    MarketRates rates;
    Market(int years, std::vector<float> groupRate0, std::vector<float> infl)
        : groups(static_cast<std::size_t>(years) * kMaxGroups, 0.0f), inflation(std::move(infl)) {
        for (int k = 0; k < years; ++k)
            groups[k * kMaxGroups] = groupRate0[k];
        rates.years = years;
        rates.follows[0] = true;
        rates.groupRates = groups.data();
        rates.inflation = inflation.empty() ? nullptr : inflation.data();
    }
};

std::unique_ptr<ListRun> runMarket(Scenario& s, const MarketRates& m, ViewSettings view = {}) {
    auto r = std::make_unique<ListRun>();
    SeededRandom random(1);
    const FixedClock clock = testClock();
    RunRequest request;
    request.view = view;
    request.lines = &r->list;
    request.market = &m;
    recomputeTotals(s);
    r->ok = runScenario(s, *r->state, request, random, clock);
    return r;
}

TEST(MarketRates, FollowingGroupsEarnTheYearsRateOthersTheirOwn) {
    auto s = newScenario(60, 63, 0);
    std::strcpy(s->groups.groupName[0], "Stocks");
    addAccount(*s, "Fund", kTaxFree, 1000, 5, "1").groupIndex = 0;
    addAccount(*s, "Cash", kTaxFree, 1000, 5, "2").groupIndex = 3; // a group with no name
    const Market m(3, {10, -20, 50}, {});
    auto r = runMarket(*s, m.rates, ViewSettings{true, false});
    // 1000 -> 1100 -> 880 -> 1320; the cash keeps 5 %.
    EXPECT_NEAR(s->accounts.accounts[0].balance, 1320.0f, 0.01f);
    EXPECT_NEAR(s->accounts.accounts[1].balance, 1157.63f, 0.01f);
    EXPECT_EQ(linesStarting(r->list.lines, "      Stocks rate="),
              (std::vector<std::string>{"      Stocks rate=10.00%", "      Stocks rate=-20.00%",
                                        "      Stocks rate=50.00%"}));
    EXPECT_EQ(linesStarting(r->list.lines, "Average"),
              (std::vector<std::string>{
                  "Average Stocks Rate    = 13.33  Number = 3   Min = -20.00 Max = 50.00 "}));
}

TEST(MarketRates, HistoricalInflationStandsAgainstARateChangeAndPropertyTaxesStepYearByYear) {
    auto s = newScenario(60, 65, 0);
    s->initial.inflationRate = 3;
    addAccount(*s, "Savings", kInvestment, 1000000, 0, "1").groupIndex = 5;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living", 60, 64, 1000);
    w.toAccountId = 1;
    w.applyInflation = 1;
    Event& m = addEvent(*s, EventKind::Mortgage, "Home", 60, 90, 100000);
    m.loanRate = 6;
    m.years = 30;
    m.yearlyPropertyTax = 1000;
    m.applyInflation = 1;
    // Its tax rate applies; its inflation gives way to history's.
    Event& f = addEvent(*s, EventKind::Fundamentals, "Calm", 62, 62, 0);
    f.newTaxRate = 0;
    f.newInflationRate = 0;
    f.rateAccountId = -1;
    const Market market(5, {0, 0, 0, 0, 0}, {10, 20, 50, -10, 0});
    auto r = runMarket(*s, market.rates);
    // Each year's amount is last year's grown by last year's inflation:
    // 1000, 1100, 1320, 1980, 1782.
    const std::vector<std::string> expected{
        "  Withdraw $1,000.00 for property taxes", "  Withdraw $1,100.00 for property taxes",
        "  Withdraw $1,320.00 for property taxes", "  Withdraw $1,980.00 for property taxes",
        "  Withdraw $1,782.00 for property taxes"};
    EXPECT_EQ(linesStarting(r->list.lines, "  Withdraw $"), expected);
    EXPECT_EQ(
        linesStarting(r->list.lines, "  Living - Withdraw"),
        (std::vector<std::string>{"  Living - Withdraw $1,000.00", "  Living - Withdraw $1,100.00",
                                  "  Living - Withdraw $1,320.00", "  Living - Withdraw $1,980.00",
                                  "  Living - Withdraw $1,782.00"}));
}

} // namespace
} // namespace finplan::test
