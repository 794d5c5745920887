#include "calculators/mortgage_calculator.h"

#include <gtest/gtest.h>

#include <limits>

#include "calculators/field_text.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

class MortgageCalculatorTest : public ::testing::Test {
  protected:
    MortgageCalculatorMemory memory;
    RecordingMessages messages;
};

TEST_F(MortgageCalculatorTest, FirstOpeningShowsDefaultsAndRefusesTheZeroAmount) {
    MortgageCalculator calc(memory, messages);
    EXPECT_EQ(calc.amount, "0.0");
    EXPECT_EQ(calc.downPayment, "0.0");
    EXPECT_EQ(calc.rate, "8.0");
    EXPECT_EQ(calc.years, "30");
    EXPECT_EQ(calc.monthlyPayment, "0.0");
    EXPECT_FALSE(calc.calculate());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last()->title, "AMOUNT ERROR");
    EXPECT_EQ(messages.last()->text,
              "This amount must be greater than 0.00 and less than 99999999.00.");
    EXPECT_EQ(messages.last()->icon, MessageIcon::Error);
}

TEST_F(MortgageCalculatorTest, ThirtyYearsAtEightPercentPays733_76AndIsKept) {
    {
        MortgageCalculator calc(memory, messages);
        calc.amount = "100000";
        calc.downPayment = "0";
        EXPECT_TRUE(calc.calculate());
        // 0.08/12 x 100000 / (1 - 1.0066667^-360) = 733.7646, left-aligned in 9.
        EXPECT_EQ(calc.monthlyPayment, "733.76   ");
    }
    MortgageCalculator again(memory, messages);
    EXPECT_EQ(again.amount, "100000");
    EXPECT_EQ(again.monthlyPayment, "733.76   ");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(MortgageCalculatorTest, DownPaymentEqualOrLargerThanTheAmount) {
    MortgageCalculator calc(memory, messages);
    calc.amount = "100000";
    calc.downPayment = "100000";
    EXPECT_TRUE(calc.calculate());
    EXPECT_EQ(calc.monthlyPayment, "0.00     ");
    // A larger one would borrow a negative amount: refused as the mortgage editor
    // refuses it, and "Use this mortgage in plan" hands over no payment for it.
    calc.downPayment = "100000.5";
    EXPECT_FALSE(calc.calculate());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.last()->text, "The Down Payment must not be more than the Amount.");
    EXPECT_EQ(messages.last()->title, "DOWN PAYMENT ERROR");
    EXPECT_EQ(calc.monthlyPayment, "0.00     ");
    calc.useInPlan();
    EXPECT_EQ(takeMortgageHandOver(memory)->monthlyPayment, "$0.0");
}

TEST_F(MortgageCalculatorTest, RefusedFieldsInCheckingOrder) {
    struct Case {
        const char* rate;
        const char* amount;
        const char* down;
        const char* years;
        const char* title;
        const char* text;
    };
    const char* s2 = "This amount must be greater than 0.00 and less than 99999999.00.";
    const char* s5 = "The number of years must be between 1 and 100.";
    const char* s6 = "Loan/Mortgage rates must be greater than 0.0 and less than 1000.0.";
    const Case cases[] = {
        {"0.5", "100000", "0", "30", "RATE ERROR", s6}, // 1.0 is the real lower bound
        {"1000.1", "100000", "0", "30", "RATE ERROR", s6},
        {"8", "200000000", "0", "30", "AMOUNT ERROR", s2},
        {"8", "100000", "-1", "30", "DOWN PAYMENT ERROR", s2},
        {"8", "100000", "0", "0", "NO OF YEARS ERROR", s5},
        {"8", "100000", "0", "101", "NO OF YEARS ERROR", s5},
        {"8", "100000", "0", "abc", "NO OF YEARS ERROR", s5},
        {"abc", "0", "0", "0", "RATE ERROR", s6}, // rate is checked first
    };
    for (const Case& c : cases) {
        RecordingMessages m;
        MortgageCalculator calc(memory, m);
        calc.rate = c.rate;
        calc.amount = c.amount;
        calc.downPayment = c.down;
        calc.years = c.years;
        EXPECT_FALSE(calc.calculate()) << c.rate << " " << c.amount << " " << c.years;
        ASSERT_EQ(m.entries.size(), 1u);
        EXPECT_EQ(m.last()->title, c.title) << c.rate << " " << c.amount << " " << c.years;
        EXPECT_EQ(m.last()->text, c.text);
    }
}

TEST_F(MortgageCalculatorTest, ARefusedFieldKeepsItsTextButNotItsValue) {
    MortgageCalculator calc(memory, messages);
    calc.amount = "5000";
    calc.downPayment = "-3";
    EXPECT_FALSE(calc.calculate());
    EXPECT_EQ(memory.amount, 5000.0f);
    EXPECT_EQ(memory.downPaymentText, "-3");
    EXPECT_EQ(memory.downPayment, 0.0f);
    MortgageCalculator again(memory, messages);
    EXPECT_EQ(again.downPayment, "-3");
}

TEST_F(MortgageCalculatorTest, HandOverCarriesTheTextsAndThePaymentOfThoseTexts) {
    MortgageCalculator calc(memory, messages);
    calc.amount = "250000";
    calc.years = "15";
    calc.useInPlan();
    EXPECT_TRUE(memory.handOver);
    auto handOver = takeMortgageHandOver(memory);
    ASSERT_TRUE(handOver.has_value());
    EXPECT_EQ(handOver->amount, "250000");
    EXPECT_EQ(handOver->years, "15");
    EXPECT_EQ(handOver->rate, "8.0");
    // 250,000 at the kept 8.0 % over 15 years, nothing down:
    // 250000 * i / (1 - (1 + i)^-180) with i = 0.08 / 12.
    EXPECT_EQ(handOver->monthlyPayment, "$2,389.13");
    EXPECT_FALSE(memory.handOver);
    EXPECT_FALSE(takeMortgageHandOver(memory).has_value());

    MortgageCalculator second(memory, messages);
    second.amount = "1000000";
    second.downPayment = "0";
    second.years = "30";
    ASSERT_TRUE(second.calculate());
    second.useInPlan();
    EXPECT_EQ(takeMortgageHandOver(memory)->monthlyPayment, "$7,337.65");

    // Calculated once, then other values typed: the payment follows the values handed
    // over (250,000 - 50,000 at 5.5 % over 15 years), not the earlier Calculate.
    MortgageCalculator third(memory, messages);
    third.amount = "100000";
    ASSERT_TRUE(third.calculate());
    third.amount = "250000";
    third.downPayment = "50000";
    third.rate = "5.5";
    third.years = "15";
    third.useInPlan();
    EXPECT_EQ(takeMortgageHandOver(memory)->monthlyPayment, "$1,634.16");

    // Values that make no mortgage hand over no payment.
    third.rate = "abc";
    third.useInPlan();
    EXPECT_EQ(takeMortgageHandOver(memory)->monthlyPayment, "$0.0");
}

TEST(FieldText, ReadsAsTheDialogDoes) {
    EXPECT_FLOAT_EQ(readFloatText("  12.5abc", 9), 12.5f);
    EXPECT_FLOAT_EQ(readFloatText("-3", 9), -3.0f);
    EXPECT_FLOAT_EQ(readFloatText("abc", 9), 0.0f);
    EXPECT_FLOAT_EQ(readFloatText("1e3", 9), 1000.0f);
    EXPECT_FLOAT_EQ(readFloatText("1234567890123", 9), 123456789.0f); // only 9 read
    EXPECT_FLOAT_EQ(readFloatText("inf", 9), 0.0f);
    EXPECT_FLOAT_EQ(readFloatText("nan", 9), 0.0f);
    EXPECT_FLOAT_EQ(readFloatText("0x10", 9), 0.0f);
    EXPECT_GT(readFloatText("1e99", 9), 1e38f); // huge, but a number
    // Beyond a double: too large is refused by any range, too small is 0.
    EXPECT_EQ(readFloatText("1e400", 9), std::numeric_limits<float>::max());
    EXPECT_EQ(readFloatText("1e-400", 9), 0.0f);
    EXPECT_EQ(readFloatText("-1e-400", 9), 0.0f);
    EXPECT_EQ(readIntText("40.00 ", 9), 40);
    EXPECT_EQ(readIntText(" -7", 9), -7);
    EXPECT_EQ(readIntText("99999999999999", 20), 2147483647);
    EXPECT_EQ(readIntText("x1", 9), 0);
    EXPECT_EQ(wholeNumber(-2.7f), -2);
    EXPECT_EQ(wholeNumber(1e30f), kWholeNumberLimit);
    EXPECT_EQ(wholeNumber(std::numeric_limits<float>::quiet_NaN()), 0);
}

} // namespace
} // namespace finplan
