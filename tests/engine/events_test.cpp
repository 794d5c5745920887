// What each kind of event does in a run, checked from the rules by hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/loan_maths.h"
#include "tests/engine/scenario_builder.h"
#include "text/money_text.h"

namespace finplan::test {
namespace {

bool has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> eventLines(const std::vector<std::string>& lines, const char* prefix) {
    std::vector<std::string> out;
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

TEST(Deposit, GrowsByItsApplyRateEachYear) {
    struct Row {
        int16_t oneTime;
        std::vector<std::string> expected;
    } rows[] = {
        {0,
         {"  Dep - Deposit $1,000.00 to Savings", "  Dep - Deposit $1,030.00 to Savings",
          "  Dep - Deposit $1,060.90 to Savings"}},
        {1, {"  Dep - Deposit $1,000.00 to Savings"}},
    };
    for (const Row& row : rows) {
        auto s = newScenario(60, 64, 0);
        addAccount(*s, "Savings", kInvestment, 0, 0, "1");
        Event& e = addEvent(*s, EventKind::Deposit, "Dep", 60, 62, 1000);
        e.applyRate = 3;
        e.toAccountId = 1;
        e.oneTime = row.oneTime;
        auto r = runList(*s);
        EXPECT_EQ(eventLines(r->list.lines, "  Dep"), row.expected) << "oneTime " << row.oneTime;
    }
}

TEST(Deposit, TaxedDepositIsReportedWithoutAWithdrawal) {
    auto s = newScenario(60, 61, 25);
    addAccount(*s, "Savings", kInvestment, 0, 0, "1");
    Event& e = addEvent(*s, EventKind::Deposit, "Pay", 60, 60, 1000);
    e.taxDeposit = 1;
    e.toAccountId = 1;
    auto r = runList(*s, ViewSettings{true, false});
    EXPECT_TRUE(has(r->list.lines,
                    "  Pay - Deposit $750.00 to Savings. $250.00 tax deducted from deposit."));
    EXPECT_TRUE(has(r->list.lines, "  Deposit Taxes = $250.00."));
    EXPECT_EQ(s->accounts.accounts[0].balance, 750.0f);
}

struct EventHarness {
    std::unique_ptr<Scenario> s = newScenario(60, 80, 0);
    std::unique_ptr<RunState> st = std::make_unique<RunState>();
    ResultsList list;
    SeededRandom random{1};
    EventHarness() {
        st->beforeLoop = false;
        st->setAge(60);
        st->plotStartAge = 60;
        st->taxRateInEffect = 0;
    }
    RunContext ctx() { return RunContext{*s, *st, list, nullptr, nullptr, random, {}, {}}; }
};

TEST(Withdrawal, SmartValueShrinksInABadYear) {
    struct Row {
        float minimum;
        int badYearRun;
        float expected;
    } rows[] = {
        {0, 1, 36808.0f},     // 40,000 x (1 - 2.66 x 3 %)
        {38000, 1, 38000.0f}, // raised to the minimum
        {0, 2, 24040.0f},     // second bad year in a row: 40,000 x (1 - 2.66 x 15 %)
    };
    for (const Row& row : rows) {
        EventHarness h;
        addAccount(*h.s, "Savings", kInvestment, 400000, 0, "1");
        h.st->investmentTotal = 400000; // below 13 x 40,000
        h.st->badYear = 1;
        h.st->rateShortfall = 3.0f;
        h.st->badYearRun = row.badYearRun;
        Event& e = addEvent(*h.s, EventKind::Withdrawal, "Live", 60, 70, 40000);
        e.useSmartWithdrawal = 1;
        e.minSmartWithdrawal = row.minimum;
        RunContext ctx = h.ctx();
        processEvent(ctx, 0);
        EXPECT_FLOAT_EQ(h.st->tallies.withdrawals, row.expected) << row.minimum;
    }
}

TEST(Withdrawal, PartialFirstYearWithdrawsHalf) {
    EventHarness h;
    addAccount(*h.s, "Savings", kInvestment, 100000, 0, "1");
    h.st->yearFraction = 0.5f;
    addEvent(*h.s, EventKind::Withdrawal, "Live", 60, 70, 10000);
    RunContext ctx = h.ctx();
    processEvent(ctx, 0);
    EXPECT_EQ(h.list.lines, (std::vector<std::string>{"  Live - Withdraw $5,000.00"}));
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 95000.0f);
}

TEST(Fundamentals, RepeatingTheRatesWritesOnlyTheHeading) {
    EventHarness h;
    h.st->taxRateInEffect = 15;
    h.st->inflationRateInEffect = 4;
    Event& e = addEvent(*h.s, EventKind::Fundamentals, "Same", 60, 60, 0);
    e.newTaxRate = 15;
    e.newInflationRate = 4;
    e.rateAccountId = -1;
    RunContext ctx = h.ctx();
    processEvent(ctx, 0);
    EXPECT_EQ(h.list.lines, (std::vector<std::string>{"  Same - Rate Changes: "}));
    EXPECT_EQ(e.eventState, 2);
}

TEST(Fundamentals, ChangesTakeEffectAtOnce) {
    EventHarness h;
    addAccount(*h.s, "Savings", kInvestment, 0, 5, "1");
    Event& e = addEvent(*h.s, EventKind::Fundamentals, "New", 60, 60, 0);
    e.newTaxRate = 28;
    e.newInflationRate = 2.5f;
    e.rateAccountId = 1;
    e.newAccountRate = 7;
    RunContext ctx = h.ctx();
    processEvent(ctx, 0);
    EXPECT_EQ(h.list.lines,
              (std::vector<std::string>{"  New - Rate Changes: ", "     Savings = 7.00%",
                                        "     Tax Rate = 28.00%", "     Inflation Rate = 2.50%"}));
    EXPECT_EQ(h.s->accounts.accounts[0].currentRate, 7.0f);
    EXPECT_EQ(h.st->taxRateInEffect, 28.0f);
}

TEST(Mortgage, RefinanceDownPaymentGoesToEquityWithoutWithdrawal) {
    EventHarness h;
    addAccount(*h.s, "Savings", kInvestment, 50000, 0, "1");
    Event& e = addEvent(*h.s, EventKind::Mortgage, "Refi", 60, 90, 200000);
    e.isRefinance = 1;
    e.downPayment = 20000;
    e.loanRate = 6;
    e.years = 30;
    e.sellAge = 0;
    RunContext ctx = h.ctx();
    processEvent(ctx, 0);
    ASSERT_GE(h.list.lines.size(), 1u);
    EXPECT_EQ(h.list.lines[0], "  Refi - $20,000.00 to equity.");
    // The down payment is equity at once; the year's principal moves from the debt
    // and the property to equity.
    const float p = amortiseYear(180000, monthlyRate(6), 360, 0, 11, 0, 0).principal;
    EXPECT_FLOAT_EQ(h.st->equityTotal, 20000.0f + p);
    EXPECT_FLOAT_EQ(h.st->liabilities, 180000.0f - p);
    EXPECT_FLOAT_EQ(h.st->assetTotal, 180000.0f - p);
    // Only the first year's instalments left savings.
    const float paid = 50000.0f - h.s->accounts.accounts[0].balance;
    EXPECT_NEAR(paid, 12 * loanPayment(180000, monthlyRate(6), 360), 0.05);
}

TEST(Loan, DeletedAccountKeepsTheDebtAndWritesNoGarbage) {
    EventHarness h;
    addAccount(*h.s, "Savings", kInvestment, 50000, 0, "1");
    Event& e = addEvent(*h.s, EventKind::Loan, "Gone", 60, 65, 10000);
    e.toAccountId = 42;
    e.loanRate = 10;
    e.years = 5;
    RunContext ctx = h.ctx();
    processEvent(ctx, 0);
    for (const auto& l : h.list.lines)
        EXPECT_EQ(l.find("from loan"), std::string::npos) << l;
    EXPECT_EQ(h.st->tallies.loans, 10000.0f);
    EXPECT_GT(h.st->liabilities, 0.0f);
}

// A mortgage paid off at its payoff age and sold later: the remaining principal
// leaves the books once, and the sale removes the whole property value.
TEST(DoubleCounting, MortgagePaidOffThenSold) {
    auto s = newScenario(60, 66, 0);
    addAccount(*s, "Savings", kInvestment, 1000000, 0, "1");
    Event& e = addEvent(*s, EventKind::Mortgage, "Home", 60, 62, 100000);
    e.loanRate = 6;
    e.years = 30;
    e.sellAge = 64;
    auto r = runList(*s);
    EXPECT_NEAR(r->state->equityTotal, 0.0f, 0.02f);
    EXPECT_NEAR(r->state->assetTotal, 0.0f, 0.02f);
    EXPECT_EQ(r->state->liabilities, 0.0f);
    EXPECT_TRUE(has(r->list.lines, "  Home - Sold property for $100,000.00"));
    // Two years of instalments, the payoff and the sale money: savings are down by
    // exactly the interest of the two years.
    const AmortisedYear y1 = amortiseYear(100000, monthlyRate(6), 360, 0, 11, 0, 0);
    const AmortisedYear y2 = amortiseYear(100000, monthlyRate(6), 360, 12, 23, 0, 0);
    EXPECT_NEAR(s->accounts.accounts[0].balance, 1000000.0f - y1.interest - y2.interest, 0.2f);
}

// A loan into a savings account sold before its payoff age: the remaining principal
// is paid from savings and leaves the liabilities.
TEST(DoubleCounting, SavingsLoanSoldBeforePayoff) {
    auto s = newScenario(60, 64, 0);
    addAccount(*s, "Savings", kInvestment, 50000, 0, "1");
    Event& e = addEvent(*s, EventKind::Loan, "Cash", 60, 70, 10000);
    e.toAccountId = 1;
    e.loanRate = 12;
    e.years = 10;
    e.sellAge = 62;
    auto r = runList(*s);
    EXPECT_EQ(r->state->liabilities, 0.0f);
    const float principal = amortiseYear(10000, monthlyRate(12), 120, 0, 11, 0, 0).principal +
                            amortiseYear(10000, monthlyRate(12), 120, 12, 23, 0, 0).principal;
    EXPECT_TRUE(has(r->list.lines, "   Paid off loan with " + money(10000 - principal)));
    EXPECT_TRUE(std::any_of(r->list.lines.begin(), r->list.lines.end(), [](const std::string& l) {
        return l.rfind("    Total Principal=", 0) == 0;
    }));
}

// A loan into an Equity account sold before its payoff age: the sale removes the
// grown value from equity and settles the remaining principal once. At 60 the loan
// puts 12,000.00 into Eq; Eq's 5 % makes it (and the loan-bought value) 12,600.00 by
// the sale at 61. Savings then hold 100,000 - (p + i) + 12,600 - (12,000 - p), that
// is 100,600 less the first year's interest, and nothing is owed any more.
TEST(DoubleCounting, EquityLoanSoldBeforePayoff) {
    auto s = newScenario(60, 63, 0);
    addAccount(*s, "Inv", kInvestment, 100000, 0, "1");
    addAccount(*s, "Eq", kEquity, 0, 5, "2");
    Event& e = addEvent(*s, EventKind::Loan, "Car", 60, 70, 12000);
    e.toAccountId = 2;
    e.loanRate = 6;
    e.years = 10;
    e.sellAge = 61;
    auto r = runList(*s);
    const AmortisedYear y = amortiseYear(12000, monthlyRate(6), 120, 0, 11, 0, 0);
    EXPECT_TRUE(has(r->list.lines, "  Car - Sold equity for $12,600.00"));
    EXPECT_TRUE(has(r->list.lines, "      Deposited $12,600.00 to Inv"));
    EXPECT_TRUE(has(r->list.lines, "   Paid off loan with " + money(12000 - y.principal)));
    EXPECT_EQ(r->state->liabilities, 0.0f);
    EXPECT_EQ(r->state->equityTotal, 0.0f);
    EXPECT_EQ(s->accounts.accounts[1].balance, 0.0f);
    EXPECT_NEAR(s->accounts.accounts[0].balance, 100600.0f - y.interest, 0.02f);
    EXPECT_NEAR(r->state->netWorth(), 100600.0f - y.interest, 0.02f);
}

TEST(Loan, AssetLoanSaleDepositsItsValueAndSettlesTheDebt) {
    auto s = newScenario(60, 63, 0);
    addAccount(*s, "Savings", kInvestment, 50000, 0, "1");
    addAccount(*s, "Boat", kAsset, 0, 10, "2");
    Event& e = addEvent(*s, EventKind::Loan, "Boat", 60, 70, 20000);
    e.toAccountId = 2;
    e.loanRate = 6;
    e.years = 10;
    e.sellAge = 62;
    auto r = runList(*s);
    EXPECT_EQ(r->state->liabilities, 0.0f);
    // The loan-bought value grew 10 % a year at 60 and 61.
    EXPECT_TRUE(has(r->list.lines, "  Boat - Sold asset for $24,200.00"));
    EXPECT_TRUE(has(r->list.lines, "      Deposited $24,200.00 to Savings"));
}

// Extra principal "from the start age" on a mortgage taken before the scenario
// starts: no extra while the years before 60 run, and from 60 on the extra counts
// from month E = (60 - 50) x 12 = 120, as if it had always been planned from there.
// Mode 1 pays the extra from the loan's first month.
TEST(Mortgage, ExtraPrincipalFromTheStartAge) {
    struct Row {
        int16_t mode;
        AmortisedYear year60;
        float paidBefore;
    } rows[] = {
        {2, amortiseYear(100000, monthlyRate(6), 360, 120, 131, 100, 120),
         amortiseYear(100000, monthlyRate(6), 360, 0, 119, 0, 0).principal},
        {1, amortiseYear(100000, monthlyRate(6), 360, 120, 131, 100, 0),
         amortiseYear(100000, monthlyRate(6), 360, 0, 119, 100, 0).principal},
    };
    for (const Row& row : rows) {
        auto s = newScenario(60, 61, 0);
        addAccount(*s, "Savings", kInvestment, 1000000, 0, "1");
        Event& m = addEvent(*s, EventKind::Mortgage, "Home", 50, 90, 100000);
        m.loanRate = 6;
        m.years = 30;
        m.acceleratedMode = row.mode;
        m.acceleratedPayment = 100;
        auto r = runList(*s);
        const float p = row.year60.principal;
        const float i = row.year60.interest;
        EXPECT_TRUE(has(r->list.lines, "  Home - Withdraw " + money(p + i) +
                                           " for monthly payments - principal=" + money(p) +
                                           " interest=" + money(i)))
            << row.mode;
        EXPECT_NEAR(r->state->liabilities, 100000.0f - row.paidBefore - p, 0.05f) << row.mode;
    }
}

TEST(Mortgage, PropertyTaxesGrowWithTheInflationInForce) {
    auto s = newScenario(60, 65, 0);
    s->initial.inflationRate = 10;
    addAccount(*s, "Savings", kInvestment, 1000000, 0, "1");
    Event& m = addEvent(*s, EventKind::Mortgage, "Home", 60, 90, 100000);
    m.loanRate = 6;
    m.years = 30;
    m.yearlyPropertyTax = 1000;
    m.applyInflation = 1;
    // At 63 inflation drops to 0: the taxes are the base amount again, since every
    // year is compounded at the rate in force.
    Event& f = addEvent(*s, EventKind::Fundamentals, "Calm", 63, 63, 0);
    f.newTaxRate = 0;
    f.newInflationRate = 0;
    f.rateAccountId = -1;
    f.kind = static_cast<int16_t>(EventKind::Fundamentals);
    auto r = runList(*s);
    EXPECT_EQ(eventLines(r->list.lines, "  Withdraw"),
              (std::vector<std::string>{"  Withdraw $1,000.00 for property taxes",
                                        "  Withdraw $1,100.00 for property taxes",
                                        "  Withdraw $1,210.00 for property taxes",
                                        "  Withdraw $1,000.00 for property taxes",
                                        "  Withdraw $1,000.00 for property taxes"}));
}

// A year with nothing left to pay changes no amount and says so, so the run needs no
// checkpoint after it; property taxes still to pay make it a year that acts.
TEST(Loan, AYearWithNothingLeftToPayActsOnlyForPropertyTaxes) {
    struct Row {
        EventKind kind;
        float propertyTax;
        bool acts; // at 62, after the two years of instalments
    } rows[] = {
        {EventKind::Loan, 0, false},
        {EventKind::Mortgage, 1200, true},
    };
    for (const Row& row : rows) {
        EventHarness h;
        addAccount(*h.s, "Savings", kInvestment, 100000, 0, "1");
        Event& e = addEvent(*h.s, row.kind, "Debt", 60, 62, 20000);
        e.toAccountId = 1;
        e.loanRate = 5;
        e.years = 2;
        e.yearlyPropertyTax = row.propertyTax;
        RunContext ctx = h.ctx();
        for (int age = 60; age <= 61; ++age) {
            h.st->setAge(static_cast<float>(age));
            EXPECT_TRUE(processEvent(ctx, 0)) << age;
        }
        h.st->setAge(62);
        const float balance = h.s->accounts.accounts[0].balance;
        EXPECT_EQ(processEvent(ctx, 0), row.acts) << static_cast<int>(row.kind);
        EXPECT_EQ(h.s->accounts.accounts[0].balance == balance, !row.acts);
    }
}

} // namespace
} // namespace finplan::test
