#include "calculators/refinance_analysis.h"

#include <gtest/gtest.h>

#include <memory>

#include "money_text.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

using test::moneyValue;

class RefinanceTest : public ::testing::Test {
  protected:
    // An existing 30-year mortgage of 100000 at 8 % taken at 40.
    RefinanceAnalysis existing(const char* refiRate, const char* refiAmount = "0") {
        RefinanceAnalysis r(memory, messages);
        r.startAge = "40";
        r.amount = "100000";
        r.rate = "8";
        r.years = "30";
        r.refiAge = "40";
        r.refiAmount = refiAmount;
        r.refiRate = refiRate;
        r.refiYears = "30";
        return r;
    }
    RefinanceMemory memory;
    RecordingMessages messages;
};

TEST_F(RefinanceTest, TaxRateFallsBackTo20WhenNotAboveZero) {
    EXPECT_EQ(refinanceTaxRate(15.0f), 15.0f);
    EXPECT_EQ(refinanceTaxRate(0.0f), 20.0f);
    EXPECT_EQ(refinanceTaxRate(-3.0f), 20.0f);
}

TEST_F(RefinanceTest, FromTheMenuEveryFieldHasItsTemplateAndTheStartAgeIsRefused) {
    RefinanceAnalysis r(memory, messages);
    EXPECT_EQ(r.startAge, "0");
    EXPECT_EQ(r.amount, "0.0");
    EXPECT_EQ(r.refiYears, "0");
    EXPECT_FALSE(r.includePoints);
    EXPECT_FALSE(r.doAnalysis(15.0f));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last()->title, "AGE ERROR");
    EXPECT_EQ(messages.last()->text, "This age must be between 1.0 and 120.0.");
}

TEST_F(RefinanceTest, RefusedFieldsInCheckingOrder) {
    struct Case {
        const char* field;
        const char* text;
        const char* title;
    } cases[] = {{"startAge", "121", "AGE ERROR"},   {"amount", "0.5", "AMOUNT ERROR"},
                 {"rate", "0.9", "RATE ERROR"},      {"refiAge", "0.5", "AGE ERROR"},
                 {"refiRate", "1001", "RATE ERROR"}, {"points", "1e38", "POINTS ERROR"},
                 {"points", "-1", "POINTS ERROR"},   {"refiAmount", "3e38", "Result Error!"}};
    for (const Case& c : cases) {
        RecordingMessages m;
        RefinanceAnalysis r(memory, m);
        r.startAge = "40", r.amount = "100000", r.rate = "8", r.years = "30";
        r.refiAge = "45", r.refiRate = "6", r.refiYears = "30";
        const std::string field = c.field;
        if (field == "startAge") r.startAge = c.text;
        if (field == "amount") r.amount = c.text;
        if (field == "rate") r.rate = c.text;
        if (field == "refiAge") r.refiAge = c.text;
        if (field == "refiRate") r.refiRate = c.text;
        if (field == "points") r.points = c.text;
        if (field == "refiAmount") r.refiAmount = c.text, r.points = "50";
        r.includePoints = true;
        EXPECT_FALSE(r.doAnalysis(15.0f)) << c.field;
        ASSERT_EQ(m.entries.size(), 1u) << c.field;
        EXPECT_EQ(m.last()->title, c.title) << c.field;
    }
}

// The refinanced age and rate are read into the kept values and then checked, so a
// refused one stays kept (and shows at the next opening from the Mortgage editor).
TEST_F(RefinanceTest, RefusedRefinancedAgeAndRateAreKeptAsRead) {
    RefinanceAnalysis r = existing("6");
    r.refiAge = "0.5";
    EXPECT_FALSE(r.doAnalysis(15.0f));
    EXPECT_EQ(memory.age, 0.5f);
    r.refiAge = "45";
    r.refiAmount = "90000";
    r.refiRate = "1001";
    EXPECT_FALSE(r.doAnalysis(15.0f));
    EXPECT_EQ(memory.age, 45.0f);
    EXPECT_EQ(memory.amount, 90000.0f);
    EXPECT_EQ(memory.rate, 1001.0f);
}

// Refinancing at the mortgage's start at 6 % with no costs: C starts at 0, and in the
// first month G - C = (io - in)(1 - t) + i d (1 - t), where the old interest io =
// 666.67 exceeds the new interest in (6 % on 99932.90, 499.66) and the payment
// difference d is positive, so it breaks even in the refinancing month itself.
TEST_F(RefinanceTest, BreaksEvenInTheRefinancingMonth) {
    RefinanceAnalysis r = existing("6");
    ASSERT_TRUE(r.doAnalysis(15.0f));
    EXPECT_EQ(r.monthsToBreakEven, "0   ");
    // The amount 0 became the balance after the first payment: 100000 - 67.10.
    EXPECT_NEAR(moneyValue(r.refinancedAmount), 99932.90, 0.011);
    EXPECT_EQ(r.totalMortgageCosts, "$0.00");
    // 6 % for 30 years on 99932.90: 599.55 x 0.999329 = 599.15.
    EXPECT_NEAR(moneyValue(r.refiMonthlyPayment), 599.15, 0.011);
    EXPECT_EQ(memory.includeClosingCosts, 0);
}

// At 10 % the new balance stays above the old one and the new interest above the old
// interest every month, while the payment difference is negative: G - C only falls,
// so every one of the 360 refinanced months is counted.
TEST_F(RefinanceTest, NeverBreaksEvenCountsEveryRefinancedMonth) {
    RefinanceAnalysis r = existing("10");
    ASSERT_TRUE(r.doAnalysis(15.0f));
    EXPECT_EQ(r.monthsToBreakEven, "360 ");
    // Refinancing the remaining 20 years at 50: the same reasoning holds, and only the
    // 240 months from the refinancing on are counted.
    RefinanceAnalysis later = existing("10");
    later.refiAge = "50";
    later.refiYears = "20";
    memory.amount = 0;
    ASSERT_TRUE(later.doAnalysis(0.0f));
    EXPECT_EQ(later.monthsToBreakEven, "240 ");
}

// Closing costs 1000 and 1 point, both financed, on a typed amount of 100000:
// amount 101000, C = 1 % of 101000 + 1000 = 2010, then points on 101000 make 102010.
TEST_F(RefinanceTest, FinancedCostsAreAddedAgainByASecondAnalysis) {
    RefinanceAnalysis r = existing("5", "100000");
    r.closingCosts = "1000";
    r.includeClosingCosts = true;
    r.points = "1";
    r.includePoints = true;
    ASSERT_TRUE(r.doAnalysis(15.0f));
    EXPECT_EQ(r.totalMortgageCosts, "$2,010.00");
    EXPECT_EQ(r.refinancedAmount, "$102,010.00");
    // G starts at 1000 + 1020.10 > C, and 5 % saves money: break-even at once, and the
    // field shows the amount with the financed costs.
    EXPECT_EQ(r.monthsToBreakEven, "0   ");
    EXPECT_EQ(r.refiAmount, "102010.00   ");
    EXPECT_EQ(memory.includeClosingCosts, 1);
    EXPECT_EQ(memory.includePoints, 1);

    ASSERT_TRUE(r.doAnalysis(15.0f));
    // 102010 + 1000 = 103010; C = 1030.10 + 1000; amount 103010 + 1030.10.
    EXPECT_EQ(r.totalMortgageCosts, "$2,030.10");
    EXPECT_EQ(r.refinancedAmount, "$104,040.10");
}

TEST_F(RefinanceTest, OpenedFromTheMortgageEditorShowsTheEventAndTheKeptValues) {
    Event e;
    e.kind = static_cast<int16_t>(EventKind::Mortgage);
    e.startAge = 40;
    e.amount = 120000;
    e.downPayment = 20000;
    e.loanRate = 8;
    e.years = 30;
    e.monthlyPayment = 733.76f;
    memory.age = 45;
    memory.rate = 6;
    memory.years = 15;
    memory.payment = 1234.5f;
    memory.includePoints = 1;
    RefinanceAnalysis r(memory, messages, &e);
    EXPECT_EQ(r.startAge, "40.00 ");
    EXPECT_EQ(r.amount, "100000.00   ");
    EXPECT_EQ(r.rate, "8.00  ");
    EXPECT_EQ(r.years, "30");
    EXPECT_EQ(r.monthlyPayment, "$733.76");
    EXPECT_EQ(r.refiAge, "45.00 ");
    EXPECT_EQ(r.refiYears, "15");
    EXPECT_EQ(r.refiMonthlyPayment, "$1,234.50");
    EXPECT_TRUE(r.includePoints);
    EXPECT_FALSE(r.includeClosingCosts);

    r.refiAmount = "90000";
    r.includeClosingCosts = true;
    r.ok();
    EXPECT_EQ(memory.amount, 90000.0f);
    EXPECT_EQ(memory.includeClosingCosts, 1);
}

TEST_F(RefinanceTest, AnAbsurdRefinancedTermEndsPromptly) {
    RefinanceAnalysis r = existing("10");
    r.refiYears = "2000000000";
    EXPECT_TRUE(r.doAnalysis(15.0f));
}

} // namespace
} // namespace finplan
