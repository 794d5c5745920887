// Every checked field of every editor given a text that is not one number, and the
// plans no editor accepts because two of their fields contradict each other.
#include <gtest/gtest.h>

#include <functional>

#include "calculators/calculator_memory.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/recording_messages.h"
#include "shell/logic/account_info_presenter.h"
#include "shell/logic/event_editors.h"
#include "shell/logic/groups_presenter.h"
#include "shell/logic/initial_values_presenter.h"
#include "shell/logic/undo_stack.h"

#include "editor_test_support.h"

namespace finplan {
namespace {

using IV = InitialValuesField;

class TypedFieldsTest : public ::testing::Test {
  public:
    // A new editor of `kind` on an empty scenario, as Add opens it.
    std::unique_ptr<DialogPresenter> editor(EventKind kind) {
        session.beginAddEvent();
        return makeEventEditor(context, kind);
    }

    std::unique_ptr<Scenario> scenario = emptyScenario();
    ScenarioSession session{*scenario};
    RecordingMessages messages;
    RecordingHelp help;
    CalculatorMemory calculators;
    ScriptedHost host;
    FixedClock clock{LocalTime{2026, 3, 1, 9, 0, 0}};
    EditorContext context{session, *scenario, messages, help, calculators, host};
    float accountRate = 5;
};

// A dialog filled with texts OK accepts, and its checked fields with their titles.
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<DialogPresenter>(TypedFieldsTest&)> open;
    ControlId ok;
    Texts good;
    std::vector<std::pair<ControlId, const char*>> fields;
};

TEST_F(TypedFieldsTest, EveryEditorRefusesATextThatIsNotOneNumberAndGoesBackToIt) {
    auto open = [](EventKind kind) {
        return [kind](TypedFieldsTest& t) { return t.editor(kind); };
    };
    const DialogCase cases[] = {
        {"Withdrawal",
         open(EventKind::Withdrawal),
         StandardButton::Ok,
         {{WithdrawalField::StartAge, "65"},
          {WithdrawalField::EndAge, "90"},
          {WithdrawalField::Amount, "$40,000"},
          {WithdrawalField::ApplyRate, "3 %"}},
         {{WithdrawalField::StartAge, "START AGE ERROR"},
          {WithdrawalField::EndAge, "END AGE ERROR"},
          {WithdrawalField::Amount, "AMOUNT ERROR"},
          {WithdrawalField::ApplyRate, "APPLY RATE ERROR"}}},
        {"Deposit",
         open(EventKind::Deposit),
         StandardButton::Ok,
         {{DepositField::StartAge, "65"},
          {DepositField::EndAge, "90"},
          {DepositField::Amount, "40000"},
          {DepositField::ApplyRate, "3"}},
         {{DepositField::StartAge, "START AGE ERROR"},
          {DepositField::EndAge, "END AGE ERROR"},
          {DepositField::Amount, "AMOUNT ERROR"},
          {DepositField::ApplyRate, "APPLY RATE ERROR"}}},
        {"Transfer",
         open(EventKind::Transfer),
         StandardButton::Ok,
         {{TransferField::StartAge, "65"},
          {TransferField::EndAge, "90"},
          {TransferField::Amount, "40000"},
          {TransferField::ApplyRate, "3"}},
         {{TransferField::StartAge, "START AGE ERROR"},
          {TransferField::EndAge, "END AGE ERROR"},
          {TransferField::Amount, "AMOUNT ERROR"},
          {TransferField::ApplyRate, "APPLY RATE ERROR"}}},
        {"Loan",
         open(EventKind::Loan),
         LoanField::Ok,
         {{LoanField::StartAge, "40"},
          {LoanField::PayoffAge, "45"},
          {LoanField::Rate, "6"},
          {LoanField::Amount, "20000"},
          {LoanField::DownPayment, "2000"},
          {LoanField::SellAge, "0"},
          {LoanField::Years, "5"}},
         {{LoanField::StartAge, "START AGE ERROR"},
          {LoanField::PayoffAge, "PAYOFF AGE ERROR"},
          {LoanField::Rate, "RATE ERROR"},
          {LoanField::Amount, "AMOUNT ERROR"},
          {LoanField::DownPayment, "AMOUNT ERROR"},
          {LoanField::SellAge, "SELL AGE ERROR"},
          {LoanField::Years, "NO OF YEARS ERROR"}}},
        {"Mortgage",
         open(EventKind::Mortgage),
         MortgageField::Ok,
         {{MortgageField::StartAge, "40"},
          {MortgageField::PayoffAge, "70"},
          {MortgageField::Rate, "5.5"},
          {MortgageField::Amount, "250000"},
          {MortgageField::Taxes, "3000"},
          {MortgageField::ClosingCosts, "0"},
          {MortgageField::DownPayment, "50000"},
          {MortgageField::Years, "30"},
          {MortgageField::AppreciationRate, "3"},
          {MortgageField::SellAge, "0"},
          {MortgageField::AcceleratedAmount, "0"}},
         {{MortgageField::StartAge, "START AGE ERROR"},
          {MortgageField::PayoffAge, "PAYOFF AGE ERROR"},
          {MortgageField::Rate, "RATE ERROR"},
          {MortgageField::Amount, "AMOUNT ERROR"},
          {MortgageField::Taxes, "AMOUNT ERROR"},
          {MortgageField::ClosingCosts, "AMOUNT ERROR"},
          {MortgageField::DownPayment, "DOWN PAYMENT ERROR"},
          {MortgageField::Years, "NO OF YEARS ERROR"},
          {MortgageField::AppreciationRate, "RATE ERROR"},
          {MortgageField::SellAge, "SELL AGE ERROR"},
          {MortgageField::AcceleratedAmount, "Additional Monthly Amount Error"}}},
        {"Fundamentals",
         open(EventKind::Fundamentals),
         FundamentalsField::Ok,
         {{FundamentalsField::StartAge, "60"},
          {FundamentalsField::TaxRate, "25"},
          {FundamentalsField::InflationRate, "3"}},
         {{FundamentalsField::StartAge, "START AGE ERROR"},
          {FundamentalsField::TaxRate, "TAX RATE ERROR"},
          {FundamentalsField::InflationRate, "INFLATION RATE ERROR"}}},
        {"Account Rate",
         [](TypedFieldsTest& t) {
             return std::make_unique<AccountRateDialog>("Savings", t.accountRate, t.messages);
         },
         AccountRateField::Ok,
         {{AccountRateField::Rate, "5"}},
         {{AccountRateField::Rate, "RATE ERROR"}}},
        {"Initial Data",
         [](TypedFieldsTest& t) {
             return std::make_unique<InitialValuesPresenter>(t.session, t.messages, t.help,
                                                             t.clock);
         },
         IV::Ok,
         {{IV::BirthMonth, "1"},
          {IV::BirthDay, "1"},
          {IV::StartAge, "40"},
          {IV::EndAge, "90"},
          {IV::InflationRate, "3"},
          {IV::TaxRate, "25"},
          {IV::PenaltyAge, "59.5"},
          {IV::PenaltyRate, "10"}},
         {{IV::BirthMonth, "BIRTH MONTH ERROR"},
          {IV::BirthDay, "BIRTH DAY ERROR"},
          {IV::StartAge, "START AGE ERROR"},
          {IV::EndAge, "END AGE ERROR"},
          {IV::InflationRate, "INFLATION RATE ERROR"},
          {IV::TaxRate, "TAX RATE ERROR"},
          {IV::PenaltyAge, "PENALTY AGE ERROR"},
          {IV::PenaltyRate, "PENALTY RATE ERROR"}}},
    };
    for (const DialogCase& c : cases) {
        for (const auto& [id, title] : c.fields) {
            for (const char* typed : {"", "abc", "12,34"}) {
                *scenario = *emptyScenario(); // the editors' context keeps this object
                const auto before = scenarioContentBytes(*scenario);
                messages.entries.clear();
                auto d = c.open(*this);
                Texts texts = c.good;
                texts[id] = typed;
                for (const auto& [field, text] : texts)
                    d->text(field) = text;
                const std::string what =
                    std::string(c.name) + " " + std::to_string(id.number()) + " '" + typed + "'";
                EXPECT_EQ(d->press(c.ok), Press::Stay) << what;
                EXPECT_EQ(d->takeRefusedField(), id) << what;
                ASSERT_EQ(messages.entries.size(), 1u) << what;
                EXPECT_EQ(messages.entries[0].title, title) << what;
                EXPECT_EQ(scenarioContentBytes(*scenario), before) << what;
            }
        }
        // The good texts, money marks and "%" included, pass.
        auto d = c.open(*this);
        for (const auto& [field, text] : c.good)
            d->text(field) = text;
        EXPECT_EQ(d->press(c.ok), Press::Accept) << c.name;
    }
}

TEST_F(TypedFieldsTest, AccountAndGroupBoundsRefuseATextThatIsNotOneNumber) {
    for (const char* typed : {"", "abc", "12,34"}) {
        using A = AccountInfoField;
        for (A id : {A::InitialAmount, A::Rate, A::RandomMinimumRate, A::RandomMaximumRate}) {
            messages.entries.clear();
            AccountInfoPresenter p(session, AccountDialogMode::Add, 0, messages, help);
            typeAccount(p, {"401(k)", "$250,000", "5", "2", "8", "1"});
            p.text(id) = typed;
            EXPECT_FALSE(p.ok()) << static_cast<int>(id) << " '" << typed << "'";
            EXPECT_EQ(p.takeRefusedField(), id);
            ASSERT_EQ(messages.entries.size(), 1u);
            EXPECT_EQ(messages.entries[0].title,
                      id == A::InitialAmount ? "AMOUNT ERROR" : "RATE ERROR");
            EXPECT_EQ(scenario->accounts.accountCount, 0);
        }
        for (int bound : {0, 1}) {
            messages.entries.clear();
            GroupsPresenter g(session, messages, help);
            typeGroup(g, 2, {"Stocks", "$5", "9 %"});
            (bound == 0 ? g.text(groupMinimumField(2)) : g.text(groupMaximumField(2))) = typed;
            EXPECT_FALSE(g.ok()) << bound << " '" << typed << "'";
            EXPECT_EQ(g.takeRefusedField(),
                      bound == 0 ? groupMinimumField(2) : groupMaximumField(2));
            ASSERT_EQ(messages.entries.size(), 1u);
            EXPECT_EQ(messages.entries[0].text, "The rate must be between -50.00% and 100.00%.");
        }
    }
    GroupsPresenter g(session, messages, help);
    typeGroup(g, 2, {"Stocks", "$5", "9 %"});
    ASSERT_TRUE(g.ok());
    EXPECT_FLOAT_EQ(scenario->groups.groupRandomMinRate[2], 5.0f); // "$5" was read as 0
}

TEST_F(TypedFieldsTest, PlansWhoseFieldsContradictEachOtherAreRefusedNamingBoth) {
    struct Case {
        const char* name;
        EventKind kind; // Empty: the Initial Data dialog
        ControlId ok;
        Texts texts;
        ControlId refused;
        const char* title;
        const char* text;
    };
    const Texts withdrawal = {{WithdrawalField::StartAge, "70"},
                              {WithdrawalField::EndAge, "65"},
                              {WithdrawalField::Amount, "100"},
                              {WithdrawalField::ApplyRate, "0"}};
    const Texts loan = {{LoanField::StartAge, "45"},   {LoanField::PayoffAge, "40"},
                        {LoanField::Rate, "6"},        {LoanField::Amount, "20000"},
                        {LoanField::DownPayment, "0"}, {LoanField::SellAge, "0"},
                        {LoanField::Years, "5"}};
    const Texts mortgage = {{MortgageField::StartAge, "45"},
                            {MortgageField::PayoffAge, "40"},
                            {MortgageField::Rate, "6"},
                            {MortgageField::Amount, "200000"},
                            {MortgageField::Taxes, "0"},
                            {MortgageField::ClosingCosts, "0"},
                            {MortgageField::DownPayment, "0"},
                            {MortgageField::Years, "30"},
                            {MortgageField::AppreciationRate, "0"},
                            {MortgageField::SellAge, "0"},
                            {MortgageField::AcceleratedAmount, "0"}};
    auto with = [](Texts t, Texts changes) {
        for (const auto& [id, text] : changes)
            t[id] = text;
        return t;
    };
    const char* endBeforeStart = "The End Age must not be less than the Start Age.";
    const char* payoffBeforeStart = "The Payoff Age must not be less than the Start Age.";
    const char* downAboveAmount = "The Down Payment must not be more than the Amount.";
    const Case cases[] = {
        {"Initial Data",
         EventKind::Empty,
         IV::Ok,
         {{IV::StartAge, "70"}, {IV::EndAge, "65"}},
         IV::EndAge,
         "Age Range Error!",
         "The End Age must not be less than the Start Age!"},
        {"Withdrawal", EventKind::Withdrawal, StandardButton::Ok, withdrawal,
         WithdrawalField::EndAge, "END AGE ERROR", endBeforeStart},
        {"Deposit",
         EventKind::Deposit,
         StandardButton::Ok,
         {{DepositField::StartAge, "70"},
          {DepositField::EndAge, "69.9"},
          {DepositField::Amount, "100"},
          {DepositField::ApplyRate, "0"}},
         DepositField::EndAge,
         "END AGE ERROR",
         endBeforeStart},
        {"Loan", EventKind::Loan, LoanField::Ok, loan, LoanField::PayoffAge, "PAYOFF AGE ERROR",
         payoffBeforeStart},
        {"Loan", EventKind::Loan, LoanField::Ok,
         with(loan, {{LoanField::PayoffAge, "50"}, {LoanField::DownPayment, "20000.01"}}),
         LoanField::DownPayment, "AMOUNT ERROR", downAboveAmount},
        {"Mortgage", EventKind::Mortgage, MortgageField::Ok, mortgage, MortgageField::PayoffAge,
         "PAYOFF AGE ERROR", payoffBeforeStart},
        {"Mortgage", EventKind::Mortgage, MortgageField::Ok,
         with(mortgage, {{MortgageField::PayoffAge, "75"}, {MortgageField::DownPayment, "250000"}}),
         MortgageField::DownPayment, "DOWN PAYMENT ERROR", downAboveAmount},
    };
    for (const Case& c : cases) {
        *scenario = *emptyScenario();
        messages.entries.clear();
        auto d = c.kind == EventKind::Empty
                     ? std::unique_ptr<DialogPresenter>(
                           std::make_unique<InitialValuesPresenter>(session, messages, help, clock))
                     : editor(c.kind);
        for (const auto& [field, text] : c.texts)
            d->text(field) = text;
        EXPECT_EQ(d->press(c.ok), Press::Stay) << c.name;
        EXPECT_EQ(d->takeRefusedField(), c.refused) << c.name;
        ASSERT_EQ(messages.entries.size(), 1u) << c.name;
        EXPECT_EQ(messages.entries[0].title, c.title) << c.name;
        EXPECT_EQ(messages.entries[0].text, c.text) << c.name;
        EXPECT_EQ(scenario->eventCount, 0) << c.name;
    }
    // Equal ages and a one-time event whose end age is ignored stay accepted.
    auto d = editor(EventKind::Withdrawal);
    for (const auto& [field, text] : with(withdrawal, {{WithdrawalField::EndAge, "70"}}))
        d->text(field) = text;
    EXPECT_EQ(d->press(StandardButton::Ok), Press::Accept);
    auto once = editor(EventKind::Withdrawal);
    once->toggle(WithdrawalField::OneTime);
    for (const auto& [field, text] : with(withdrawal, {{WithdrawalField::EndAge, "abc"}}))
        once->text(field) = text;
    EXPECT_EQ(once->press(StandardButton::Ok), Press::Accept);
    InitialValuesPresenter iv(session, messages, help, clock);
    EXPECT_EQ(typeAndPress(iv, {{IV::StartAge, "65"}, {IV::EndAge, "65"}}, IV::Ok), Press::Accept);
}

} // namespace
} // namespace finplan
