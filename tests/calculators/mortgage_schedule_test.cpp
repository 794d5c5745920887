#include "calculators/mortgage_schedule.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace finplan {
namespace {

double number(const std::string& cell) {
    return std::stod(cell);
}

class MortgageScheduleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mortgage.kind = static_cast<int16_t>(EventKind::Mortgage);
        mortgage.startAge = 40;
        mortgage.amount = 100000;
        mortgage.loanRate = 8;
        mortgage.years = 30;
        initial.startAge = 40;
    }
    Event mortgage;
    InitialValues initial;
    MortgageSchedule schedule;
};

TEST_F(MortgageScheduleTest, ThirtyYearsFromFortyGiveThirtyOneRows) {
    mortgage.principalPaid = 999; // left over from a run: the schedule starts afresh
    schedule.fill(mortgage, initial);
    ASSERT_EQ(schedule.rowCount(), 31);
    EXPECT_EQ(schedule.cell(0, 0), " 40");
    EXPECT_EQ(schedule.cell(0, 1), "          0.00");
    EXPECT_EQ(schedule.cell(0, 3), "            0.00");
    EXPECT_EQ(schedule.cell(0, 8), "       100000.00");
    EXPECT_EQ(schedule.cell(0, 9), "       100000.00");
    EXPECT_EQ(schedule.cell(1, 0), " 41");
    EXPECT_EQ(schedule.cell(30, 0), " 70");
    // First year: principal 835.36 and interest 7969.81 of twelve 733.76 payments.
    EXPECT_NEAR(number(schedule.cell(1, 1)), 835.36, 0.02);
    EXPECT_NEAR(number(schedule.cell(1, 2)), 7969.81, 0.02);
    EXPECT_NEAR(number(schedule.cell(1, 5)), 12 * 733.7646, 0.02);
    EXPECT_NEAR(number(schedule.cell(1, 9)), 100000 - 835.36, 0.02);
    // Paid off: the whole amount is equity, nothing is owed.
    EXPECT_NEAR(number(schedule.cell(30, 3)), 100000, 0.5);
    EXPECT_EQ(schedule.cell(30, 9), "            0.00");
    EXPECT_EQ(mortgage.monthsElapsed, 360);
    EXPECT_EQ(schedule.cell(31, 0), "");
    EXPECT_EQ(schedule.cell(0, 10), "");
}

TEST_F(MortgageScheduleTest, SellAgeOrPayoffAgeEndsTheList) {
    mortgage.sellAge = 50;
    schedule.fill(mortgage, initial);
    ASSERT_EQ(schedule.rowCount(), 11);
    EXPECT_EQ(schedule.cell(10, 0), " 50");
    mortgage.sellAge = 0;
    mortgage.endAge = 45.5f; // the row for 46 is the first at or past it
    schedule.fill(mortgage, initial);
    ASSERT_EQ(schedule.rowCount(), 7);
    EXPECT_EQ(schedule.cell(6, 0), " 46");
}

TEST_F(MortgageScheduleTest, MortgagesOutsideTheLimitsGiveNoRows) {
    struct Case {
        const char* what;
        void (*change)(Event&);
    } cases[] = {
        {"down payment equals amount", [](Event& e) { e.downPayment = e.amount; }},
        {"rate above 100", [](Event& e) { e.loanRate = 100.5f; }},
        {"start age 0", [](Event& e) { e.startAge = 0; }},
        {"end before start", [](Event& e) { e.endAge = 30; }},
        {"sold before start", [](Event& e) { e.sellAge = 30; }},
        {"101 years", [](Event& e) { e.years = 101; }},
        {"start age 1e10", [](Event& e) { e.startAge = 1e10f; }},
    };
    for (const Case& c : cases) {
        Event e = mortgage;
        c.change(e);
        schedule.fill(e, initial);
        EXPECT_EQ(schedule.rowCount(), 0) << c.what;
    }
}

// A plan start age far beyond any life (a damaged file may hold one): extra payments
// "from the plan start" never begin, so the schedule is the plain one.
TEST_F(MortgageScheduleTest, PlanStartFarBeyondAnyLifeNeverStartsTheExtraPayments) {
    schedule.fill(mortgage, initial);
    const MortgageSchedule plain = schedule;
    mortgage.acceleratedMode = 2;
    mortgage.acceleratedPayment = 500;
    for (float planStart : {1e10f, 3e38f}) {
        initial.startAge = planStart;
        schedule.fill(mortgage, initial);
        ASSERT_EQ(schedule.rowCount(), 31) << planStart;
        EXPECT_EQ(schedule.allRows(), plain.allRows()) << planStart;
    }
}

TEST_F(MortgageScheduleTest, AppreciationRaisesThePropertyValueOnly) {
    schedule.fill(mortgage, initial);
    for (int r = 0; r < schedule.rowCount(); ++r) {
        EXPECT_EQ(schedule.cell(r, 7), schedule.cell(r, 6)) << r; // no appreciation
        EXPECT_EQ(schedule.cell(r, 8), "       100000.00") << r;
    }
    mortgage.appreciationRate = 5;
    mortgage.downPayment = 20000;
    schedule.fill(mortgage, initial);
    EXPECT_EQ(schedule.cell(1, 8), "       105000.00");
    EXPECT_EQ(schedule.cell(2, 8), "       110250.00");
    // Inflated equity = equity + the value gained: 20000 + principal + 5000.
    EXPECT_NEAR(number(schedule.cell(1, 7)) - number(schedule.cell(1, 6)), 5000, 0.01);
}

TEST_F(MortgageScheduleTest, AcceleratedFromThePlanStartBeginsInItsYear) {
    schedule.fill(mortgage, initial);
    const MortgageSchedule plain = schedule;
    mortgage.acceleratedPayment = 100;
    mortgage.acceleratedMode = 2;
    initial.startAge = 45;
    schedule.fill(mortgage, initial);
    for (int r = 1; r <= 5; ++r)
        EXPECT_EQ(schedule.cell(r, 1), plain.cell(r, 1)) << r;
    // The year from 45 (months 60..71) pays more principal: month k of the year pays
    // 100 more plus the interest saved on the earlier extra, 100 (1 + r)^k in all, so
    // the year pays 100 ((1 + r)^12 - 1) / r = 1244.99 more with r = 0.08 / 12.
    const double more = number(schedule.cell(6, 1)) - number(plain.cell(6, 1));
    EXPECT_NEAR(more, 1244.99, 0.03);

    // From the mortgage's start the extra counts at once.
    mortgage.acceleratedMode = 1;
    schedule.fill(mortgage, initial);
    EXPECT_GT(number(schedule.cell(1, 1)) - number(plain.cell(1, 1)), 1200.0);
}

TEST_F(MortgageScheduleTest, ColumnWidthsAndWindowState) {
    EXPECT_STREQ(MortgageSchedule::header(0), "Age");
    EXPECT_STREQ(MortgageSchedule::header(9), "Property Liability");
    EXPECT_EQ(MortgageSchedule::columnWidth(0, 645), 33);
    EXPECT_EQ(MortgageSchedule::columnWidth(9, 645), 90);
    EXPECT_EQ(MortgageSchedule::columnWidth(1, 330), 38); // 310 x 77 / 625 = 38.19
    ScheduleWindowState state;
    EXPECT_TRUE(scheduleNeedsNewWidths(state, 645));
    EXPECT_FALSE(scheduleNeedsNewWidths(state, 600));
    EXPECT_TRUE(scheduleNeedsNewWidths(state, 700));
    scheduleWindowClosed(state);
    EXPECT_TRUE(scheduleNeedsNewWidths(state, 300));
}

} // namespace
} // namespace finplan
