// The Initial Values dialog without a display: the birthday rule, the order of the
// checks, the age range, and Cancel keeping only what the birthday rule changed.
#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/help.h"
#include "platform/recording_messages.h"
#include "shell/logic/initial_values_presenter.h"
#include "shell/logic/undo_stack.h"

#include "editor_test_support.h"

namespace finplan {
namespace {

using IV = InitialValuesPresenter;
using F = InitialValuesField;

class InitialValuesTest : public ::testing::Test {
  protected:
    std::unique_ptr<Scenario> scenario = emptyScenario();
    ScenarioSession session{*scenario};
    RecordingMessages messages;
    RecordingHelp help;
    FixedClock clock{LocalTime{2026, 3, 1, 9, 0, 0}}; // 59 days after 1 January
};

TEST_F(InitialValuesTest, AgeRangeOfExactlyAHundredIsAcceptedAndMoreIsRefused) {
    {
        IV d(session, messages, help, clock);
        EXPECT_EQ(typeAndPress(d, {{F::StartAge, "19"}, {F::EndAge, "120"}}, F::Ok), Press::Reject);
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, "The age range must be less than 100!");
        EXPECT_EQ(messages.entries[0].title, "Age Range Error!");
        EXPECT_EQ(messages.entries[0].icon, MessageIcon::Error);
        EXPECT_FLOAT_EQ(scenario->initial.endAge, 84.0f);
    }
    {
        IV d(session, messages, help, clock);
        EXPECT_EQ(typeAndPress(d, {{F::StartAge, "30"}, {F::EndAge, "130"}}, F::Ok), Press::Reject);
        EXPECT_EQ(messages.last()->title, "END AGE ERROR");
        EXPECT_EQ(messages.last()->text, "This age must be between 1.0 and 120.0.");
    }
    IV d(session, messages, help, clock);
    EXPECT_EQ(typeAndPress(d, {{F::StartAge, "20.5"}, {F::EndAge, "120"}}, F::Ok), Press::Accept);
    EXPECT_FLOAT_EQ(scenario->initial.startAge, 20.5f); // stored as typed, with its fraction
    IV again(session, messages, help, clock);
    EXPECT_EQ(typeAndPress(again, {{F::StartAge, "20"}, {F::EndAge, "120"}}, F::Ok), Press::Accept);
    EXPECT_FLOAT_EQ(scenario->initial.startAge, 20.0f);
    EXPECT_FLOAT_EQ(scenario->initial.endAge, 120.0f);
    EXPECT_TRUE(session.scenarioModified());
    EXPECT_TRUE(session.resultsStale());
}

TEST_F(InitialValuesTest, ChecksStopAtTheFirstFailureInOrder) {
    IV d(session, messages, help, clock);
    d.text(F::BirthMonth) = "13";
    d.text(F::BirthDay) = "32";
    d.text(F::StartAge) = "0";
    d.text(F::InflationRate) = "20.5";
    d.text(F::TaxRate) = "1001";
    d.text(F::PenaltyAge) = "0";
    d.text(F::PenaltyRate) = "-1";
    const std::pair<F, const char*> fixes[] = {{F::BirthMonth, "5"},  {F::BirthDay, "9"},
                                               {F::StartAge, "40"},   {F::InflationRate, "-20"},
                                               {F::TaxRate, "30"},    {F::PenaltyAge, "59.5"},
                                               {F::PenaltyRate, "10"}};
    for (auto [id, good] : fixes) {
        EXPECT_EQ(d.press(F::Ok), Press::Stay);
        EXPECT_EQ(d.takeRefusedField(), id); // where the dialog puts the focus back
        d.text(id) = good;
    }
    EXPECT_EQ(d.press(F::Ok), Press::Accept);
    EXPECT_FALSE(d.takeRefusedField());
    std::vector<std::string> titles;
    for (const auto& e : messages.entries)
        titles.push_back(e.title);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"BIRTH MONTH ERROR", "BIRTH DAY ERROR", "START AGE ERROR",
                                        "INFLATION RATE ERROR", "TAX RATE ERROR",
                                        "PENALTY AGE ERROR", "PENALTY RATE ERROR"}));
    EXPECT_EQ(messages.entries[3].text, "The inflation rate must be between -20.0% and 20.0%.");
    EXPECT_EQ(messages.entries[4].text, "This rate must be between 0.0% and 1000.0%.");
    const InitialValues& iv = scenario->initial;
    EXPECT_EQ(iv.birthMonth, 5);
    EXPECT_EQ(iv.birthDay, 9);
    EXPECT_FLOAT_EQ(iv.inflationRate, -20.0f);
    EXPECT_FLOAT_EQ(iv.penaltyAge, 59.5f);
}

TEST_F(InitialValuesTest, BirthdayRuleOnOpeningAndOnTheCheckbox) {
    scenario->initial.useBirthday = 1;
    scenario->initial.startAge = 30.9f;
    IV d(session, messages, help, clock);
    EXPECT_EQ(d.text(F::StartAge), "30.162"); // 30 + 59/365
    EXPECT_TRUE(d.field(F::UseBirthday).checked);
    d.toggle(F::UseBirthday);
    EXPECT_FALSE(d.field(F::UseBirthday).checked);
    EXPECT_EQ(d.text(F::StartAge), "30.000");
    d.text(F::BirthMonth) = "13";
    d.toggle(F::UseBirthday);
    EXPECT_FALSE(d.field(F::UseBirthday).checked);
    EXPECT_EQ(messages.last()->text, "The birth month value must between 1 and 12");
    d.text(F::BirthMonth) = "2";
    d.text(F::BirthDay) = "1";
    d.toggle(F::UseBirthday);
    EXPECT_TRUE(d.field(F::UseBirthday).checked);
    EXPECT_EQ(d.text(F::StartAge), "30.077"); // 28 days since 1 February
}

TEST_F(InitialValuesTest, CancelKeepsWhatTheBirthdayRuleChangedAndNothingElse) {
    scenario->initial.useBirthday = 1;
    scenario->initial.startAge = 30.0f;
    session.changed(ScenarioChange::RunCompleted);
    {
        IV d(session, messages, help, clock);
        d.press(F::Cancel);
    }
    // Opened on 1 March with a birthday on 1 January: the start age moved on.
    EXPECT_FLOAT_EQ(scenario->initial.startAge, 30.0f + 59.0f / 365.0f);
    EXPECT_TRUE(session.resultsStale());
    EXPECT_FALSE(session.scenarioModified());

    session.changed(ScenarioChange::RunCompleted);
    const float taxRate = scenario->initial.taxRate;
    IV d(session, messages, help, clock);
    d.text(F::BirthMonth) = "2";
    d.toggle(F::UseBirthday);                       // off
    d.toggle(F::UseBirthday);                       // on again with February
    typeAndPress(d, {{F::TaxRate, "2000"}}, F::Ok); // refused, then Cancel
    EXPECT_EQ(scenario->initial.birthMonth, 2);
    EXPECT_EQ(scenario->initial.useBirthday, 1);
    EXPECT_FLOAT_EQ(scenario->initial.startAge, 30.0f + 28.0f / 365.0f);
    EXPECT_FLOAT_EQ(scenario->initial.taxRate, taxRate);
    EXPECT_TRUE(session.resultsStale());
    EXPECT_TRUE(session.scenarioModified()); // a birthday typed and kept is worth saving

    // Nothing changed: the results stay as fresh as they were.
    session.changed(ScenarioChange::RunCompleted);
    IV again(session, messages, help, clock);
    again.press(F::Cancel);
    EXPECT_FALSE(session.resultsStale());
}

TEST_F(InitialValuesTest, ShowsTheTotalsOfTheAccounts) {
    addAccount(*scenario, "Cash", 2);
    Account& a = scenario->accounts.accounts[0];
    a.type = static_cast<int16_t>(AccountType::InvestmentSavings);
    a.initialAmount = 1234.5f;
    IV d(session, messages, help, clock);
    EXPECT_EQ(d.text(F::InvestmentSavings), "$1,234.50");
    EXPECT_EQ(d.text(F::InvestmentSavingsRate), "2.00   ");
    EXPECT_EQ(d.text(F::TotalInAccounts), "$1,234.50");
    EXPECT_FLOAT_EQ(scenario->initial.initialInvestmentSavings, 0.0f); // not until OK
}

} // namespace
} // namespace finplan
