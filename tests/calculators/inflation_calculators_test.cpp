#include "calculators/inflation_calculators.h"

#include <gtest/gtest.h>

#include "money_text.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

class InflationTest : public ::testing::Test {
  protected:
    InflationCalculator open(const char* start, const char* end, const char* amount,
                             const char* rate) {
        InflationCalculator c(memory, messages);
        c.startAge = start, c.endAge = end, c.amount = amount, c.rate = rate;
        return c;
    }
    InflationMemory memory;
    RecordingMessages messages;
};

TEST_F(InflationTest, GrowsOncePerWholeAge) {
    InflationCalculator c = open("30", "40", "1000", "3");
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.inflatedAmount, "1343.92      "); // 1000 x 1.03^10 = 1343.916
    // Whole ages 30 up to 31: one year's growth.
    InflationCalculator once = open("30.5", "31.9", "1000", "3");
    ASSERT_TRUE(once.calculate());
    EXPECT_EQ(once.inflatedAmount, "1030.00      ");
    // 0 is accepted although the message speaks of 1; the kept values show again.
    InflationCalculator zero = open("0", "2", "100", "-50");
    ASSERT_TRUE(zero.calculate());
    EXPECT_EQ(zero.inflatedAmount, "25.00        ");
    InflationCalculator again(memory, messages);
    EXPECT_EQ(again.startAge, "0.00  ");
    EXPECT_EQ(again.amount, "100.00       ");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(InflationTest, RefusedFields) {
    struct Case {
        const char *start, *end, *amount, *rate, *title, *text;
    } cases[] = {
        {"121", "130", "1000", "3", "Start Age Error!", "Start age must be a value from 1 - 120."},
        {"-1", "30", "1000", "3", "Start Age Error!", "Start age must be a value from 1 - 120."},
        {"30", "121", "1000", "3", "End Age Error!", "End Age must be a value from 1 - 120."},
        {"30", "30", "1000", "3", "End Age Error!", "End Age must be greater the Start Age."},
        {"30", "40", "1000", "101", "Rate Error!",
         "Inflation Rate must be a value from -100 - 100."},
        {"30", "40", "0.5", "3", "Amount Error!",
         "This amount must be a value from 1.0 - 99999999.00"},
    };
    for (const Case& k : cases) {
        RecordingMessages m;
        InflationCalculator c(memory, m);
        c.startAge = k.start, c.endAge = k.end, c.amount = k.amount, c.rate = k.rate;
        EXPECT_FALSE(c.calculate()) << k.text;
        ASSERT_EQ(m.entries.size(), 1u);
        EXPECT_EQ(m.last()->title, k.title);
        EXPECT_EQ(m.last()->text, k.text);
        EXPECT_EQ(m.last()->icon, MessageIcon::Warning);
    }
}

class InvestmentTest : public ::testing::Test {
  protected:
    InvestmentCalculator open(const char* amount, const char* years, const char* r, const char* t,
                              const char* f) {
        InvestmentCalculator c(memory, messages);
        c.amount = amount, c.years = years, c.returnRate = r, c.taxRate = t, c.inflationRate = f;
        return c;
    }
    InvestmentMemory memory;
    RecordingMessages messages;
};

TEST_F(InvestmentTest, OpensWithOneYear) {
    InvestmentCalculator c(memory, messages);
    EXPECT_EQ(c.years, "  1");
    EXPECT_EQ(c.amount, "0.00  ");
    c.amount = "1000";
    c.returnRate = "10";
    ASSERT_TRUE(c.calculate());
    EXPECT_EQ(c.analysisYears, "1");
    EXPECT_EQ(c.worth, "$1,100.00");
}

TEST_F(InvestmentTest, HandWorkedAnalyses) {
    struct Case {
        const char *amount, *years, *r, *t, *f;
        const char *worth, *today, *effective, *taxShown, *inflationShown;
    } cases[] = {
        // 10 % untaxed for 2 years: 1000 x 1.21; no inflation, so today's value too.
        {"1000", "2", "10", "0", "0", "$1,210.00", "$1,210.00", "10.50%", "0.00%", "0.00%"},
        // Taxed at 100 %: no growth at all.
        {"1000", "5", "10", "100", "0", "$1,000.00", "$1,000.00", "0.00%", "100.00%", "0.00%"},
        // 20 % taxed at 50 % = 10 % after tax, deflated by 10 %: no real growth.
        {"1000", "3", "20", "50", "10", "$1,331.00", "$1,000.00", "0.00%", "50.00%", "10.00%"},
        // Negative returns are accepted.
        {"1000", "1", "-10", "0", "0", "$900.00", "$900.00", "-10.00%", "0.00%", "0.00%"},
    };
    for (const Case& k : cases) {
        InvestmentCalculator c = open(k.amount, k.years, k.r, k.t, k.f);
        ASSERT_TRUE(c.calculate()) << k.r;
        EXPECT_EQ(c.analysisYears, k.years);
        EXPECT_EQ(c.worth, k.worth) << k.r << " " << k.t;
        EXPECT_EQ(c.todaysValue, k.today) << k.r << " " << k.t;
        EXPECT_EQ(c.effectiveRate, k.effective) << k.r << " " << k.t;
        EXPECT_EQ(c.analysisTaxRate, k.taxShown);
        EXPECT_EQ(c.analysisInflationRate, k.inflationShown);
    }
}

TEST_F(InvestmentTest, RefusesNoAmountAndNoYears) {
    InvestmentCalculator c = open("0", "5", "1", "1", "1");
    EXPECT_FALSE(c.calculate());
    EXPECT_EQ(messages.last()->text, "The investment amount must be greater than $0.00.");
    EXPECT_EQ(messages.last()->title, "Amount Error!");
    c.amount = "10";
    c.years = "0";
    EXPECT_FALSE(c.calculate());
    EXPECT_EQ(messages.last()->text, "The number of years be greater than 0.");
    EXPECT_EQ(messages.last()->title, "Number of Years Error!");
    EXPECT_EQ(memory.amount, 10.0f); // the amount had passed
}

// An inflation of -100% divides by zero: the result is refused, not shown as "inf".
TEST_F(InvestmentTest, ResultThatIsNoNumberIsRefused) {
    InvestmentCalculator c = open("1000", "5", "8", "15", "-100");
    EXPECT_FALSE(c.calculate());
    EXPECT_EQ(messages.last()->title, "Result Error!");
    EXPECT_EQ(c.todaysValue.find("inf"), std::string::npos);
    EXPECT_EQ(c.todaysValue.find("nan"), std::string::npos);
}
} // namespace
} // namespace finplan
