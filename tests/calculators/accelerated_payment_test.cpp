#include "calculators/accelerated_payment.h"

#include <gtest/gtest.h>

#include "money_text.h"
#include "platform/recording_messages.h"

namespace finplan {
namespace {

using test::moneyValue;

class AcceleratedTest : public ::testing::Test {
  protected:
    AcceleratedPaymentAnalysis open(const char* extra) {
        AcceleratedPaymentAnalysis a(memory, messages, initial);
        a.loanAmount = "100000";
        a.numberOfYears = "30";
        a.yearsLeft = "30";
        a.rate = "8.0";
        a.additionalPayment = extra;
        return a;
    }
    AcceleratedMemory memory;
    RecordingMessages messages;
    InitialValues initial;
};

TEST_F(AcceleratedTest, OpeningShowsTheKeptValuesAndThePlanRates) {
    memory.loanAmount = 90000;
    memory.rate = 7.5f;
    memory.additionalPayment = 1250;
    initial.taxRate = 28;
    initial.inflationRate = 3;
    AcceleratedPaymentAnalysis a(memory, messages, initial);
    EXPECT_EQ(a.loanAmount, "90000.00     ");
    EXPECT_EQ(a.numberOfYears, " 30");
    EXPECT_EQ(a.yearsLeft, " 30");
    EXPECT_EQ(a.rate, "7.50  ");
    EXPECT_EQ(a.investedAmount, "$1,250.00");
    EXPECT_EQ(a.investmentRate, "5.00         ");
    EXPECT_EQ(a.taxRate, "28.00        ");
    EXPECT_EQ(a.inflationRate, "3.00         ");
    // The texts as opened read back as the same values (" 30" is three characters).
    ASSERT_TRUE(a.calculate());
    EXPECT_EQ(memory.years, 30);
    EXPECT_EQ(memory.yearsLeft, 30);
    EXPECT_EQ(memory.loanAmount, 90000.0f);
}

TEST_F(AcceleratedTest, NoAdditionalPaymentChangesNothing) {
    AcceleratedPaymentAnalysis a = open("0");
    ASSERT_TRUE(a.calculate());
    EXPECT_EQ(a.monthlyPayment, "$733.76");
    EXPECT_EQ(a.acceleratedMonthlyPayment, "$733.76");
    EXPECT_EQ(a.totalPayments, a.acceleratedTotalPayments);
    EXPECT_EQ(a.totalInterest, a.acceleratedTotalInterest);
    EXPECT_EQ(a.savings, "$0.00");
    EXPECT_EQ(a.worth, "$0.00");
    // 360 payments of 733.76 less the loan, within the float sums' drift.
    EXPECT_NEAR(moneyValue(a.totalInterest), 360 * 733.7646 - 100000, 2.0);
}

// 100 more a month from the first month pays the loan off in month 242 (balance
// b -> b(1 + r) - 833.76 falls below 0 there); 242/12 = 20.17.
TEST_F(AcceleratedTest, AHundredMoreAMonthPaysOffInMonth242) {
    AcceleratedPaymentAnalysis a = open("100");
    a.investmentRate = "5";
    a.taxRate = "0";
    a.inflationRate = "0";
    ASSERT_TRUE(a.calculate());
    EXPECT_EQ(a.paymentYears, "20.17 ");
    EXPECT_EQ(a.acceleratedMonthlyPayment, "$833.76");
    EXPECT_EQ(a.worthYears, " 20");
    EXPECT_EQ(a.investedAmount, "$100.00");
    // W starts at 1200 and 20 times becomes 1.05 W + 1200: 1200 (1.05^21 - 1) / 0.05.
    EXPECT_NEAR(moneyValue(a.worth), 42863.10, 0.05);
    EXPECT_GT(moneyValue(a.savings), 0.0);
    EXPECT_EQ(memory.additionalPayment, 100.0f);
    EXPECT_FLOAT_EQ(memory.monthlyRate, 0.08f / 12);
}

// Years Left 1: 348 ordinary payments, then 833.76 a month ends the loan in month 359.
TEST_F(AcceleratedTest, OneYearLeftAcceleratesOnlyTheLastYear) {
    AcceleratedPaymentAnalysis a = open("100");
    a.yearsLeft = "1";
    ASSERT_TRUE(a.calculate());
    EXPECT_EQ(a.paymentYears, "29.92 ");
}

TEST_F(AcceleratedTest, ComparisonIsTaxedAndDeflatedEveryYear) {
    AcceleratedPaymentAnalysis a = open("100");
    a.investmentRate = "10";
    a.taxRate = "50";
    a.inflationRate = "5";
    ASSERT_TRUE(a.calculate());
    // Each year: W + 0.05 W (half the 10 % return) less 5 % inflation of the taxed
    // amount only, then the year's 1200.
    double w = 1200;
    for (int k = 0; k < 20; ++k) {
        const double g = 0.10 * w;
        w -= g * 0.5;
        w -= w * 0.05;
        w += g + 1200;
    }
    EXPECT_NEAR(moneyValue(a.worth), w, 0.05 * w / 1e4);
}

TEST_F(AcceleratedTest, FieldLimits) {
    struct Case {
        const char* amount;
        const char* years;
        const char* left;
        const char* rate;
        const char* extra;
        const char* invest;
        const char* title; // nullptr: accepted
        const char* text;
    } cases[] = {
        {"10000000", "30", "30", "50", "0", "5", nullptr, ""},
        {"0", "30", "30", "8", "0", "5", "Amount Error!",
         "The mortgage amount must be greater than $0.00 and less than $10,000,000.00."},
        {"10000001", "30", "30", "8", "0", "5", "Amount Error!", nullptr},
        {"1000", "51", "30", "8", "0", "5", "Number of Years Error!",
         "The number of years must be greater than 0 and less than 50."},
        {"1000", "20", "21", "8", "0", "5", "Number of Years Left Error!",
         "The number of years left must be greater than 0 and less than the life of the "
         "mortgage."},
        {"1000", "20", "0", "8", "0", "5", "Number of Years Left Error!", nullptr},
        {"1000", "20", "20", "0", "0", "5", "Rate Error!",
         "The mortgage rate must be greater than 0.0% and less than 50.0%"},
        {"1000", "20", "20", "8", "100001", "5", "Additional Amount Error!",
         "The addition monthly payment must be greater than $0.00 and less than $100,000.00"},
        {"1000", "20", "20", "8", "0", "51", "Rate Error!",
         "The investment rate must be greater than 0.0% and less than 50.0%"},
    };
    for (const Case& c : cases) {
        RecordingMessages m;
        AcceleratedPaymentAnalysis a(memory, m, initial);
        a.loanAmount = c.amount, a.numberOfYears = c.years, a.yearsLeft = c.left;
        a.rate = c.rate, a.additionalPayment = c.extra, a.investmentRate = c.invest;
        a.taxRate = "0", a.inflationRate = "0";
        EXPECT_EQ(a.calculate(), c.title == nullptr) << c.amount << " " << c.years;
        if (c.title == nullptr) continue;
        ASSERT_EQ(m.entries.size(), 1u);
        EXPECT_EQ(m.last()->title, c.title);
        EXPECT_EQ(m.last()->icon, MessageIcon::Warning);
        if (c.text) {
            EXPECT_EQ(m.last()->text, c.text);
        }
    }
    AcceleratedPaymentAnalysis a = open("0");
    a.taxRate = "50.5";
    EXPECT_FALSE(a.calculate());
    EXPECT_EQ(messages.last()->text, "The tax rate must be greater than 0.0% and less than 50.0%");
    a.taxRate = "0";
    a.inflationRate = "-1";
    EXPECT_FALSE(a.calculate());
    EXPECT_EQ(messages.last()->text,
              "The inflation rate must be greater than 0.0% and less than 50.0%");
}

TEST_F(AcceleratedTest, HandOverFromTheMortgageEditor) {
    MortgageEditorTexts t{"40.00 ", "120000.00", "20000.00", "30", "7.00  ", "0.00"};
    memory.additionalPayment = 55;
    ASSERT_TRUE(handOverToAccelerated(memory, t, 45.0f, messages));
    EXPECT_EQ(memory.loanAmount, 100000.0f);
    EXPECT_EQ(memory.years, 30);
    EXPECT_EQ(memory.rate, 7.0f);
    EXPECT_EQ(memory.yearsLeft, 25);            // began at 40, the plan starts at 45
    EXPECT_EQ(memory.additionalPayment, 55.0f); // 0 leaves the kept amount

    t.startAge = "50";
    t.acceleratedPayment = "200";
    ASSERT_TRUE(handOverToAccelerated(memory, t, 45.0f, messages));
    EXPECT_EQ(memory.yearsLeft, 30);
    EXPECT_EQ(memory.additionalPayment, 200.0f);

    t.acceleratedPayment = "100001";
    EXPECT_FALSE(handOverToAccelerated(memory, t, 45.0f, messages));
    EXPECT_EQ(messages.last()->title, "Additional Monthly Amount Error");
    EXPECT_EQ(messages.last()->text,
              "This amount must be greater than or equal to  0.00 and less than 99999.99");
}

} // namespace
} // namespace finplan
