#include <gtest/gtest.h>

#include "engine/loan_maths.h"

using namespace finplan;

TEST(PowerOf, MultipliesNMinusOneTimes) {
    EXPECT_FLOAT_EQ(powerOf(1.005f, 1), 1.005f);
    EXPECT_FLOAT_EQ(powerOf(3.0f, 0), 3.0f);
    EXPECT_FLOAT_EQ(powerOf(2.0f, 10), 1024.0f);
}

TEST(LoanPayment, MatchesTheAnnuityFormula) {
    // 100000 at 6%/12 over 30 years: 599.55 to the cent.
    EXPECT_NEAR(loanPayment(100000.0f, 0.005f, 360), 599.55f, 0.005f);
    // A zero rate (damaged file) spreads the principal evenly.
    EXPECT_FLOAT_EQ(loanPayment(1200.0f, 0.0f, 12), 100.0f);
}

TEST(AmortiseYear, FirstYearOfAThirtyYearLoan) {
    AmortisedYear y = amortiseYear(100000.0f, 0.005f, 360, 0, 11, 0.0f, 0);
    EXPECT_NEAR(y.principal, 1228.02f, 0.05f);
    EXPECT_NEAR(y.interest, 5966.59f, 0.05f);
    EXPECT_EQ(y.months, 12);
    EXPECT_NEAR(y.principal + y.interest, 12 * 599.55f, 0.1f);
}

TEST(AmortiseYear, LargeExtraPaymentEndsTheLoanInsideTheWindow) {
    // 5000 at 1%/month over 12 months with 2000 extra a month: paid off in month 2.
    AmortisedYear y = amortiseYear(5000.0f, 0.01f, 12, 0, 11, 2000.0f, 0);
    EXPECT_NEAR(y.principal, 5000.0f, 0.01f);
    EXPECT_EQ(y.months, 3);
}
