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

using IV = InitialValuesPresenter;

class TypedFieldsTest : public ::testing::Test {
  public:
    // A new editor of `kind` on an empty scenario, as Add opens it.
    std::unique_ptr<DialogPresenter> editor(EventKind kind) {
        scenario->editingEvent = false;
        scenario->currentEvent = scenario->eventCount;
        return makeEventEditor(context, kind);
    }

    std::unique_ptr<Scenario> scenario = emptyScenario();
    RecordingMessages messages;
    RecordingHelp help;
    CalculatorMemory calculators;
    ScriptedHost host;
    FixedClock clock{LocalTime{2026, 3, 1, 9, 0, 0}};
    EditorContext context{*scenario, messages, help, calculators, host};
    float accountRate = 5;
};

// A dialog filled with texts OK accepts, and its checked fields with their titles.
struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<DialogPresenter>(TypedFieldsTest&)> open;
    int ok;
    Texts good;
    std::vector<std::pair<int, const char*>> fields;
};

TEST_F(TypedFieldsTest, EveryEditorRefusesATextThatIsNotOneNumberAndGoesBackToIt) {
    auto open = [](EventKind kind) {
        return [kind](TypedFieldsTest& t) { return t.editor(kind); };
    };
    const DialogCase cases[] = {
        {"Withdrawal",
         open(EventKind::Withdrawal),
         EventEditor::kOk,
         {{103, "65"}, {104, "90"}, {102, "$40,000"}, {110, "3 %"}},
         {{103, "START AGE ERROR"},
          {104, "END AGE ERROR"},
          {102, "AMOUNT ERROR"},
          {110, "APPLY RATE ERROR"}}},
        {"Deposit",
         open(EventKind::Deposit),
         EventEditor::kOk,
         {{102, "65"}, {103, "90"}, {104, "40000"}, {114, "3"}},
         {{102, "START AGE ERROR"},
          {103, "END AGE ERROR"},
          {104, "AMOUNT ERROR"},
          {114, "APPLY RATE ERROR"}}},
        {"Transfer",
         open(EventKind::Transfer),
         EventEditor::kOk,
         {{102, "65"}, {103, "90"}, {101, "40000"}, {122, "3"}},
         {{102, "START AGE ERROR"},
          {103, "END AGE ERROR"},
          {101, "AMOUNT ERROR"},
          {122, "APPLY RATE ERROR"}}},
        {"Loan",
         open(EventKind::Loan),
         107,
         {{102, "40"},
          {103, "45"},
          {105, "6"},
          {104, "20000"},
          {119, "2000"},
          {118, "0"},
          {106, "5"}},
         {{102, "START AGE ERROR"},
          {103, "PAYOFF AGE ERROR"},
          {105, "RATE ERROR"},
          {104, "AMOUNT ERROR"},
          {119, "AMOUNT ERROR"},
          {118, "SELL AGE ERROR"},
          {106, "NO OF YEARS ERROR"}}},
        {"Mortgage",
         open(EventKind::Mortgage),
         109,
         {{102, "40"},
          {103, "70"},
          {106, "5.5"},
          {104, "250000"},
          {116, "3000"},
          {117, "0"},
          {105, "50000"},
          {107, "30"},
          {113, "3"},
          {114, "0"},
          {122, "0"}},
         {{102, "START AGE ERROR"},
          {103, "PAYOFF AGE ERROR"},
          {106, "RATE ERROR"},
          {104, "AMOUNT ERROR"},
          {116, "AMOUNT ERROR"},
          {117, "AMOUNT ERROR"},
          {105, "DOWN PAYMENT ERROR"},
          {107, "NO OF YEARS ERROR"},
          {113, "RATE ERROR"},
          {114, "SELL AGE ERROR"},
          {122, "Additional Monthly Amount Error"}}},
        {"Fundamentals",
         open(EventKind::Fundamentals),
         114,
         {{119, "60"}, {121, "25"}, {122, "3"}},
         {{119, "START AGE ERROR"}, {121, "TAX RATE ERROR"}, {122, "INFLATION RATE ERROR"}}},
        {"Account Rate",
         [](TypedFieldsTest& t) {
             return std::make_unique<AccountRateDialog>("Savings", t.accountRate, t.messages);
         },
         AccountRateDialog::kOk,
         {{AccountRateDialog::kRate, "5"}},
         {{AccountRateDialog::kRate, "RATE ERROR"}}},
        {"Initial Data",
         [](TypedFieldsTest& t) {
             return std::make_unique<IV>(*t.scenario, t.messages, t.help, t.clock);
         },
         IV::kOk,
         {{IV::kBirthMonth, "1"},
          {IV::kBirthDay, "1"},
          {IV::kStartAge, "40"},
          {IV::kEndAge, "90"},
          {IV::kInflationRate, "3"},
          {IV::kTaxRate, "25"},
          {IV::kPenaltyAge, "59.5"},
          {IV::kPenaltyRate, "10"}},
         {{IV::kBirthMonth, "BIRTH MONTH ERROR"},
          {IV::kBirthDay, "BIRTH DAY ERROR"},
          {IV::kStartAge, "START AGE ERROR"},
          {IV::kEndAge, "END AGE ERROR"},
          {IV::kInflationRate, "INFLATION RATE ERROR"},
          {IV::kTaxRate, "TAX RATE ERROR"},
          {IV::kPenaltyAge, "PENALTY AGE ERROR"},
          {IV::kPenaltyRate, "PENALTY RATE ERROR"}}},
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
                    std::string(c.name) + " " + std::to_string(id) + " '" + typed + "'";
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
        const std::pair<int, std::string AccountInfoTexts::*> fields[] = {
            {105, &AccountInfoTexts::initialAmount},
            {106, &AccountInfoTexts::rate},
            {108, &AccountInfoTexts::randomMinRate},
            {109, &AccountInfoTexts::randomMaxRate}};
        for (const auto& [id, member] : fields) {
            messages.entries.clear();
            AccountInfoPresenter p(*scenario, AccountDialogMode::Add, 0, messages);
            p.texts = {"401(k)", "$250,000", "5", "2", "8", "1"};
            p.texts.*member = typed;
            EXPECT_FALSE(p.ok()) << id << " '" << typed << "'";
            EXPECT_EQ(p.refusedField(), id);
            ASSERT_EQ(messages.entries.size(), 1u);
            EXPECT_EQ(messages.entries[0].title, id == 105 ? "AMOUNT ERROR" : "RATE ERROR");
            EXPECT_EQ(scenario->accounts.accountCount, 0);
        }
        for (int bound : {0, 1}) {
            messages.entries.clear();
            GroupsPresenter g(*scenario, messages);
            g.rows[2] = {"Stocks", "$5", "9 %"};
            (bound == 0 ? g.rows[2].minRate : g.rows[2].maxRate) = typed;
            EXPECT_FALSE(g.ok()) << bound << " '" << typed << "'";
            EXPECT_EQ(g.refusedField(),
                      bound == 0 ? GroupsPresenter::minimumId(2) : GroupsPresenter::maximumId(2));
            ASSERT_EQ(messages.entries.size(), 1u);
            EXPECT_EQ(messages.entries[0].text, "The rate must be between -50.00% and 100.00%.");
        }
    }
    GroupsPresenter g(*scenario, messages);
    g.rows[2] = {"Stocks", "$5", "9 %"};
    ASSERT_TRUE(g.ok());
    EXPECT_FLOAT_EQ(scenario->groups.groupRandomMinRate[2], 5.0f); // "$5" was read as 0
}

TEST_F(TypedFieldsTest, PlansWhoseFieldsContradictEachOtherAreRefusedNamingBoth) {
    struct Case {
        const char* name;
        EventKind kind; // Empty: the Initial Data dialog
        int ok;
        Texts texts;
        int refused;
        const char* title;
        const char* text;
    };
    const Texts withdrawal = {{103, "70"}, {104, "65"}, {102, "100"}, {110, "0"}};
    const Texts loan = {{102, "45"}, {103, "40"}, {105, "6"}, {104, "20000"},
                        {119, "0"},  {118, "0"},  {106, "5"}};
    const Texts mortgage = {{102, "45"}, {103, "40"}, {106, "6"}, {104, "200000"},
                            {116, "0"},  {117, "0"},  {105, "0"}, {107, "30"},
                            {113, "0"},  {114, "0"},  {122, "0"}};
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
         IV::kOk,
         {{IV::kStartAge, "70"}, {IV::kEndAge, "65"}},
         IV::kEndAge,
         "Age Range Error!",
         "The End Age must not be less than the Start Age!"},
        {"Withdrawal", EventKind::Withdrawal, EventEditor::kOk, withdrawal, 104, "END AGE ERROR",
         endBeforeStart},
        {"Deposit",
         EventKind::Deposit,
         EventEditor::kOk,
         {{102, "70"}, {103, "69.9"}, {104, "100"}, {114, "0"}},
         103,
         "END AGE ERROR",
         endBeforeStart},
        {"Loan", EventKind::Loan, 107, loan, 103, "PAYOFF AGE ERROR", payoffBeforeStart},
        {"Loan", EventKind::Loan, 107, with(loan, {{103, "50"}, {119, "20000.01"}}), 119,
         "AMOUNT ERROR", downAboveAmount},
        {"Mortgage", EventKind::Mortgage, 109, mortgage, 103, "PAYOFF AGE ERROR",
         payoffBeforeStart},
        {"Mortgage", EventKind::Mortgage, 109, with(mortgage, {{103, "75"}, {105, "250000"}}), 105,
         "DOWN PAYMENT ERROR", downAboveAmount},
    };
    for (const Case& c : cases) {
        *scenario = *emptyScenario();
        messages.entries.clear();
        auto d = c.kind == EventKind::Empty ? std::unique_ptr<DialogPresenter>(std::make_unique<IV>(
                                                  *scenario, messages, help, clock))
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
    for (const auto& [field, text] : with(withdrawal, {{104, "70"}}))
        d->text(field) = text;
    EXPECT_EQ(d->press(EventEditor::kOk), Press::Accept);
    auto once = editor(EventKind::Withdrawal);
    once->toggle(109);
    for (const auto& [field, text] : with(withdrawal, {{104, "abc"}}))
        once->text(field) = text;
    EXPECT_EQ(once->press(EventEditor::kOk), Press::Accept);
    IV iv(*scenario, messages, help, clock);
    EXPECT_EQ(typeAndPress(iv, {{IV::kStartAge, "65"}, {IV::kEndAge, "65"}}, IV::kOk),
              Press::Accept);
}

} // namespace
} // namespace finplan
