#include <gtest/gtest.h>

#include "results/event_descriptions.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

std::vector<std::string> linesOf(Scenario& s) {
    return describeEvents(s, true);
}

TEST(EventDescriptions, NoEventsNoLines) {
    auto s = newScenario(60, 80, 15);
    EXPECT_TRUE(linesOf(*s).empty());
}

TEST(EventDescriptions, EveryKind) {
    auto s = newScenario(60, 90, 15);
    s->initial.inflationRate = 3;
    addAccount(*s, "Savings", kInvestment, 0, 5, "1");
    addAccount(*s, "Boat", kAsset, 0, 0, "2");

    Event& f = addEvent(*s, EventKind::Fundamentals, "Same", 60, 60, 0);
    f.newTaxRate = 15;
    f.newInflationRate = 3;
    f.rateAccountId = -1;
    Event& f2 = addEvent(*s, EventKind::Fundamentals, "Later", 61, 61, 0);
    f2.newTaxRate = 20;
    f2.newInflationRate = 3;
    f2.rateAccountId = 1;
    f2.newAccountRate = 6;

    Event& d = addEvent(*s, EventKind::Deposit, "Pay", 62, 65, 1000);
    d.toAccountId = 1;
    d.applyRate = 2;
    d.applyInflation = 1;
    d.taxDeposit = 1;

    Event& l = addEvent(*s, EventKind::Loan, "Boat", 63, 68, 20000);
    l.toAccountId = 2;
    l.downPayment = 2000;
    l.loanRate = 7.5f;
    l.years = 5;
    l.monthlyPayment = 360.68f;
    l.sellAge = 70;

    Event& m = addEvent(*s, EventKind::Mortgage, "Home", 64, 70, 300000);
    m.downPayment = 60000;
    m.loanRate = 6;
    m.years = 30;
    m.monthlyPayment = 1438.92f;
    m.acceleratedMode = 2;
    m.acceleratedPayment = 100;
    m.appreciationRate = 3;
    m.yearlyPropertyTax = 4800;
    m.closingCosts = 7500;
    m.sellAge = 80;

    Event& t = addEvent(*s, EventKind::Transfer, "Move", 65, 70, 500);
    t.fromAccountId = 1;
    t.toAccountId = 2;

    Event& w = addEvent(*s, EventKind::Withdrawal, "Once", 70, 70, 500);
    w.oneTime = 1;
    Event& w2 = addEvent(*s, EventKind::Withdrawal, "Live", 71, 90, 30000);
    w2.useSmartWithdrawal = 1;

    const std::vector<std::string> expected = {
        " 60.0 Initial Rates  Tax=15.00% Inflation=3.00%",
        " 60.0 Same - Rate Change:   ",
        " 61.0 Later - Rate Change:  Tax=20.00%  Savings=6.00%",
        " 62.0 Pay - Deposit $1,000.00/yr. before taxes to Savings until age 65.00.",
        "        This deposit will be adjusted each year by 2.00%",
        "        This deposit will be adjusted each year by the current inflation rate.",
        " 63.0 Boat - $20,000.00 $2,000.00 down at 7.50% for  5 yrs. $360.68/Mon.",
        "        Loan amount deposited to Boat",
        "        Paying loan off at age 68.00.",
        "        Selling asset at age 70.00.",
        " 64.0 Home - $300,000.00 $60,000.00 down at 6.00% for 30 yrs. $1,438.92/Mon.",
        "        An additional $100.00/Mon. will be applied to the principal starting at age  60.",
        "        Appreciation rate = 3.00%.",
        "        Property Taxes = 4800.00    ",
        "        Closing Costs = 7500.00    ",
        "        Paying off property at age 70.00.",
        "        Selling property at age 80.00.",
        " 65.0 Move - Transfer $500.00/yr. from Savings to Boat until age 70.00.",
        " 70.0 Once - Withdraw $500.00.",
        " 71.0 Live - Withdraw $30,000.00(Smart value in effect)/yr. until age 90.00.",
    };
    EXPECT_EQ(linesOf(*s), expected);
    EXPECT_EQ(s->events[0].listLine, 1);
    EXPECT_EQ(s->events[4].listLine, 10);
    EXPECT_EQ(s->events[7].listLine, 19);
    EXPECT_EQ(s->events[8].listLine, 1000); // unused slots
}

TEST(EventDescriptions, RefinanceAndMortgageWithoutSale) {
    auto s = newScenario(60, 90, 15);
    Event& m = addEvent(*s, EventKind::Mortgage, "Refi", 60, 65, 200000);
    m.isRefinance = 1;
    m.downPayment = 20000;
    m.loanRate = 5;
    m.years = 15;
    m.monthlyPayment = 1423.43f;
    m.acceleratedMode = 1;
    m.acceleratedPayment = 50;
    const std::vector<std::string> expected = {
        " 60.0 Initial Rates  Tax=15.00% Inflation=4.00%",
        " 60.0 Refi - $180,000.00 at 5.00% for 15 yrs. $1,423.43/Mon.",
        "        Refinance - $20,000.00 to equity.",
        "        An Additional $50.00/Mon. is applied to the principal.",
        "        Appreciation rate = 0.00%.",
    };
    EXPECT_EQ(linesOf(*s), expected);
}

TEST(EventDescriptions, DeletedAccountLeavesTheNameOut) {
    auto s = newScenario(60, 90, 15);
    Event& f = addEvent(*s, EventKind::Fundamentals, "Gone", 60, 60, 0);
    f.newTaxRate = 15;
    f.newInflationRate = 4;
    f.rateAccountId = 7;
    f.newAccountRate = 3;
    EXPECT_EQ(linesOf(*s)[1], " 60.0 Gone - Rate Change:   ");
}

// A run leaves the events in its own order (by kind); a results file written after it
// still opens with the lines of the event list, in list order.
TEST(EventDescriptions, FileFormFollowsTheListOrderAfterARun) {
    auto s = newScenario(60, 90, 15);
    Event& f = addEvent(*s, EventKind::Fundamentals, "Rates", 65, 65, 0);
    f.newTaxRate = 20;
    f.newInflationRate = 4;
    f.rateAccountId = -1;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Spend", 60, 60, 500);
    w.oneTime = 1;
    const std::vector<std::string> expected = {
        " 60.0 Initial Rates  Tax=15.00% Inflation=4.00%",
        " 60.0 Spend - Withdraw $500.00.",
        " 65.0 Rates - Rate Change:  Tax=20.00%  ",
    };
    EXPECT_EQ(describeEvents(*s, false), expected);
}

} // namespace
} // namespace finplan::test
