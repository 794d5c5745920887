// The worked run: 100,000.00 at 5 % with a 10,000.00 withdrawal at 60 and 61 and a
// 20 % tax rate ends at 86,944.00 at 62.
#include <gtest/gtest.h>

#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

std::unique_ptr<Scenario> workedScenario() {
    auto s = newScenario(60, 62, 20);
    addAccount(*s, "Savings", kInvestment, 100000.0f, 5.0f, "1");
    addEvent(*s, EventKind::Withdrawal, "Spending", 60, 61, 10000.0f);
    return s;
}

TEST(WorkedRun, ListShowsTheYearsOfTheExample) {
    auto s = workedScenario();
    auto r = runList(*s);
    ASSERT_TRUE(r->ok);
    const std::vector<std::string> expected = {
        dashes(184),
        ageRow("60.0", {"$100,000.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$100,000.00"}),
        dashes(185),
        "Financial Events:",
        "  Spending - Withdraw $10,000.00",
        // 90,000.00 earns 4,500.00; 20 % of it is 900.00, drawn from savings.
        "  Pay $900.00 Tax On Savings Interest",
        dashes(184),
        ageRow("61.0", {"$93,600.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$93,600.00"}),
        dashes(185),
        "Financial Events:",
        "  Spending - Withdraw $10,000.00",
        // 83,600.00 earns 4,180.00; tax 836.00.
        "  Pay $836.00 Tax On Savings Interest",
        dashes(175),
        ageRow("62.0", {"$86,944.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$86,944.00"}),
        dashes(175),
    };
    EXPECT_EQ(r->list.lines, expected);
    EXPECT_EQ(s->accounts.accounts[0].balance, 86944.0f);
    EXPECT_EQ(s->events[0].eventState, 2);
}

TEST(WorkedRun, ListRemembersTagsAndAgeRows) {
    auto s = workedScenario();
    auto r = runList(*s);
    EXPECT_EQ(r->list.ageLine(60), 1);
    EXPECT_EQ(r->list.ageLine(61), 7);
    EXPECT_EQ(r->list.ageLine(62), 13);
    int tag = 0;
    ASSERT_TRUE(r->list.tagOf(4, tag));
    EXPECT_EQ(tag, 0); // the withdrawal is event 0
    ASSERT_TRUE(r->list.tagOf(5, tag));
    EXPECT_EQ(tag, -1);
    EXPECT_FALSE(r->list.tagOf(15, tag));
}

TEST(WorkedRun, SecondRunGivesTheSameSchedule) {
    auto s = workedScenario();
    auto first = runList(*s);
    auto second = runList(*s);
    EXPECT_EQ(first->list.lines, second->list.lines);
}

// With details the Initial Rates block (heading, one account, tax, inflation and
// appreciation: lines 0..4) comes first; the tags and the age index count those
// lines too, so a double-click or Go To finds the line it shows.
TEST(WorkedRun, TagsAndAgeRowsCountTheInitialRatesBlock) {
    auto s = workedScenario();
    auto r = runList(*s, ViewSettings{true, false});
    ASSERT_GT(r->list.lines.size(), 6u);
    EXPECT_EQ(r->list.lines[0], "Initial Rates:");
    EXPECT_EQ(r->list.lines[1], " Savings = 5.00%");
    EXPECT_EQ(r->list.lines[2], " Tax = 20.00%");
    EXPECT_EQ(r->list.lines[5], dashes(184));
    EXPECT_EQ(r->list.ageLine(60), 6);
    EXPECT_EQ(r->list.lines[6].substr(0, 4), "60.0");
    const int expectedTags[] = {0, 8000, 7000, 7000, 7000, -1, -1, -1, -1, 0};
    for (int i = 0; i < 10; ++i) {
        int tag = 12345;
        ASSERT_TRUE(r->list.tagOf(i, tag));
        EXPECT_EQ(tag, expectedTags[i]) << "line " << i << ": " << r->list.lines[i];
    }
}

TEST(RunDriver, EventBeforeStartAgeRunsButShowsNothingUntilStart) {
    // A loan taken at 40 still counts at 60, while savings start from their initial
    // amounts at 60.
    auto s = newScenario(60, 61, 0);
    addAccount(*s, "Savings", kInvestment, 1000.0f, 0.0f, "1");
    addAccount(*s, "Boat", kAsset, 0.0f, 0.0f, "2");
    Event& loan = addEvent(*s, EventKind::Loan, "Boat loan", 40, 80, 5000.0f);
    loan.toAccountId = 2;
    loan.loanRate = 12;
    loan.years = 100; // the instalments are tiny; only the debt matters here
    auto r = runList(*s);
    ASSERT_FALSE(r->list.lines.empty());
    EXPECT_EQ(r->list.lines[0], dashes(184));
    EXPECT_EQ(r->list.lines[1].substr(0, 4), "60.0");
    EXPECT_EQ(r->state->loopStartAge, 40.0f);
    EXPECT_GT(r->state->liabilities, 4000.0f);
}

TEST(RunDriver, SmallTotalsAreClearedBeforeTheAgeRow) {
    auto s = newScenario(60, 61, 0);
    addAccount(*s, "Savings", kInvestment, 0.4f, 0.0f, "1");
    addAccount(*s, "Other", kTaxFree, -0.7f, 0.0f, "2");
    auto r = runList(*s);
    EXPECT_EQ(r->list.lines[1],
              ageRow("60.0", {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}));
    EXPECT_EQ(r->list.lines.back(), dashes(175));
    EXPECT_EQ(r->list.lines[r->list.lines.size() - 2],
              ageRow("61.0", {"$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00", "$0.00"}));
}

TEST(RunDriver, FractionalEndAgeGivesTheNextWholeFinalRow) {
    auto s = newScenario(60, 61.5f, 0);
    auto r = runList(*s);
    EXPECT_EQ(r->list.lines[r->list.lines.size() - 2].substr(0, 4), "62.0");
}

TEST(RunDriver, BirthdayStartShowsTheExactAgeAndScalesTheFirstYear) {
    auto s = newScenario(60, 62, 0);
    s->initial.useBirthday = 1;
    // 7 December with a birthday on 7 September: 91 days, a fraction of 91/365.
    s->initial.birthMonth = 9;
    s->initial.birthDay = 7;
    addAccount(*s, "Savings", kInvestment, 10000.0f, 10.0f, "1");
    auto r = runList(*s);
    const float start = 60.0f + 91.0f / 365.0f;
    EXPECT_EQ(s->initial.startAge, start);
    EXPECT_EQ(r->list.lines[1].substr(0, 5), "60.25");
    EXPECT_NEAR(r->state->yearFraction, 1.0f, 0);
    // The first year earns 10 % of 10,000.00 for 1 - 91/365 of a year.
    const float f = 1 - (start - 60.0f);
    const float first = 10000.0f + static_cast<float>(10000.0f * 10.0f * 0.01 * f);
    EXPECT_NEAR(s->accounts.accounts[0].balance, first * 1.1f, 0.01f);
}

} // namespace
} // namespace finplan::test
