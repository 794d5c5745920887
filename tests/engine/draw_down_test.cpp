// Draw-down in access order with taxes and penalties, and transfers.
#include <gtest/gtest.h>

#include "engine/draw_down.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

struct Harness {
    std::unique_ptr<Scenario> s = newScenario(50, 80, 15);
    std::unique_ptr<RunState> st = std::make_unique<RunState>();
    ResultsList list;
    SeededRandom random{1};
    RunFlags flags;
    ViewSettings view{true, false};

    Harness(float age) {
        st->beforeLoop = false;
        st->setAge(age);
        st->plotStartAge = 50;
        st->taxRateInEffect = 15;
        st->penaltyAge = 59;
        st->penaltyRate = 10;
    }
    RunContext ctx() { return RunContext{*s, *st, list, nullptr, nullptr, random, flags, view}; }
};

// Retirement 5,000.00 (penalty flag set) first, then Investment 20,000.00.
void twoAccounts(Harness& h) {
    addAccount(*h.s, "Ret", kRetirement, 5000, 0, "1").penaltyFlag = 1;
    addAccount(*h.s, "Inv", kInvestment, 20000, 0, "2");
    h.st->retirementTotal = 5000;
    h.st->investmentTotal = 20000;
}

TEST(DrawDown, EmptiesAccountsInOrderWithTaxAndPenalty) {
    struct Row {
        float age;
        float penalties;
    } rows[] = {{55, 500.0f}, {60, 0.0f}};
    for (const Row& row : rows) {
        Harness h(row.age);
        twoAccounts(h);
        RunContext ctx = h.ctx();
        drawDown(ctx, 0, 0, 8000, true);
        EXPECT_EQ(h.s->accounts.accounts[0].balance, 0.0f) << row.age;
        EXPECT_EQ(h.s->accounts.accounts[1].balance, 17000.0f);
        EXPECT_EQ(h.st->retirementTotal, 0.0f);
        EXPECT_EQ(h.st->investmentTotal, 17000.0f);
        EXPECT_FLOAT_EQ(h.st->tallies.taxes, 750.0f);
        EXPECT_FLOAT_EQ(h.st->tallies.taxesOnWithdrawals, 750.0f);
        EXPECT_FLOAT_EQ(h.st->tallies.penalties, row.penalties);
        EXPECT_EQ(h.list.lines, (std::vector<std::string>{"      $5,000.00 from Ret",
                                                          "      $3,000.00 from Inv"}));
    }
}

TEST(DrawDown, YearEndPaymentsRaiseNoTaxOrPenalty) {
    Harness h(55);
    twoAccounts(h);
    RunContext ctx = h.ctx();
    drawDown(ctx, 0, kTagDriver, 8000, false);
    EXPECT_EQ(h.st->tallies.taxes, 0.0f);
    EXPECT_EQ(h.st->tallies.penalties, 0.0f);
}

TEST(DrawDown, ShortfallDrivesFirstInvestmentAccountNegative) {
    Harness h(60);
    addAccount(*h.s, "House", kAsset, 90000, 0, "1");
    addAccount(*h.s, "Shares", kEquity, 5000, 0, "2");
    addAccount(*h.s, "Inv", kInvestment, 0, 0, "3");
    RunContext ctx = h.ctx();
    drawDown(ctx, 0, 0, 1000, true);
    EXPECT_EQ(h.s->accounts.accounts[2].balance, -1000.0f);
    EXPECT_EQ(h.st->investmentTotal, -1000.0f);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 90000.0f);
    EXPECT_EQ(h.list.lines, (std::vector<std::string>{
                                "      Savings depleted -- $1,000.00 withdrawn from Inv."}));
}

TEST(DrawDown, WithoutInvestmentAccountTheRestIsDropped) {
    Harness h(60);
    addAccount(*h.s, "TF", kTaxFree, 300, 0, "1");
    h.st->taxFreeTotal = 300;
    RunContext ctx = h.ctx();
    drawDown(ctx, 0, 0, 1000, true);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 0.0f);
    EXPECT_EQ(h.st->taxFreeTotal, 0.0f);
    EXPECT_EQ(h.list.lines, (std::vector<std::string>{"      $300.00 from TF"}));
}

TEST(DrawDown, LoanInstalmentLineIsScaledAndAlwaysWritten) {
    Harness h(60);
    h.view.showDetails = false;
    h.st->yearFraction = 0.5f;
    addAccount(*h.s, "Inv", kInvestment, 10000, 0, "1");
    h.st->investmentTotal = 10000;
    addEvent(*h.s, EventKind::Loan, "Car", 60, 65, 0);
    RunContext ctx = h.ctx();
    drawDown(ctx, 1000, 0, 1500, true);
    EXPECT_EQ(h.list.lines, (std::vector<std::string>{
                                "  Car - Withdraw $750.00 for monthly payments - principal=$500.00 "
                                "interest=$250.00"}));
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 9250.0f);
}

TEST(Transfer, RefusedWhenTheSourceIsShort) {
    Harness h(60);
    addAccount(*h.s, "Ret", kRetirement, 5000, 0, "1");
    addAccount(*h.s, "TF", kTaxFree, 0, 0, "2");
    h.st->retirementTotal = 5000;
    Event& e = addEvent(*h.s, EventKind::Transfer, "Move", 60, 60, 6000);
    e.fromAccountId = 1;
    e.toAccountId = 2;
    RunContext ctx = h.ctx();
    transferBetweenAccounts(ctx, 0, 6000);
    EXPECT_EQ(h.list.lines,
              (std::vector<std::string>{"  Move - Ret depleted $6,000.00 not transferred!"}));
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 5000.0f);

    h.list.beginRun();
    transferBetweenAccounts(ctx, 0, 4000);
    EXPECT_EQ(h.list.lines,
              (std::vector<std::string>{"  Move  Transfer $4,000.00 from Ret to TF "}));
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 1000.0f);
    EXPECT_EQ(h.s->accounts.accounts[1].balance, 4000.0f);
    EXPECT_EQ(h.st->retirementTotal, 1000.0f);
    EXPECT_EQ(h.st->taxFreeTotal, 4000.0f);
    EXPECT_FLOAT_EQ(h.st->tallies.taxesOnWithdrawals, 600.0f); // 4,000.00 x 15 %
}

TEST(DrawDownAndTransfer, NothingHappensBeforeThePlotStartAge) {
    Harness h(45);
    twoAccounts(h);
    Event& e = addEvent(*h.s, EventKind::Transfer, "Move", 45, 45, 100);
    e.fromAccountId = 2;
    e.toAccountId = 1;
    RunContext ctx = h.ctx();
    drawDown(ctx, 0, 0, 8000, true);
    transferBetweenAccounts(ctx, 0, 100);
    EXPECT_EQ(h.s->accounts.accounts[0].balance, 5000.0f);
    EXPECT_EQ(h.s->accounts.accounts[1].balance, 20000.0f);
    EXPECT_TRUE(h.list.lines.empty());
}

TEST(Transfer, DeletedAccountMovesNothing) {
    Harness h(60);
    twoAccounts(h);
    Event& e = addEvent(*h.s, EventKind::Transfer, "Move", 60, 60, 100);
    e.fromAccountId = 2;
    e.toAccountId = 99;
    RunContext ctx = h.ctx();
    transferBetweenAccounts(ctx, 0, 100);
    EXPECT_EQ(h.s->accounts.accounts[1].balance, 20000.0f);
    EXPECT_TRUE(h.list.lines.empty());
}

// The withdrawal tax goes into the tallies unrounded; only the tally is a float.
// 15 % of 80,847.671875 is 12,127.15078125, stored as 12,127.150390625. 15 % of
// 199,857.296875 is 29,978.59453125; the exact sum 42,105.744921875 is nearest to
// the float 42,105.74609375 ($42,105.75). Rounding the second tax to a float first
// (29,978.59375) would give 42,105.7421875 ($42,105.74).
TEST(DrawDownAndTransfer, WithdrawalTaxesAddTheUnroundedTax) {
    for (bool transfer : {false, true}) {
        Harness h(60);
        addAccount(*h.s, "Ret", kRetirement, 1000000, 0, "1");
        addAccount(*h.s, "Inv", kInvestment, 0, 0, "2");
        h.st->retirementTotal = 1000000;
        Event& e = addEvent(*h.s, EventKind::Transfer, "Move", 60, 60, 0);
        e.fromAccountId = 1;
        e.toAccountId = 2;
        RunContext ctx = h.ctx();
        for (float amount : {80847.671875f, 199857.296875f}) {
            if (transfer)
                transferBetweenAccounts(ctx, 0, amount);
            else
                drawDown(ctx, 0, 0, amount, true);
        }
        EXPECT_EQ(h.st->tallies.taxesOnWithdrawals, 42105.74609375f) << transfer;
        EXPECT_EQ(h.st->tallies.taxes, 42105.74609375f) << transfer;
    }
}

} // namespace
} // namespace finplan::test
