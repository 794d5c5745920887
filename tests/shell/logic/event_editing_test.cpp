// The event editors without a display: the order of their checks and what each one
// tells, what OK stores, the slot protocol of Add, Edit, Copy and Delete, and undo.
#include <gtest/gtest.h>

#include "calculators/calculator_memory.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/recording_messages.h"
#include "shell/logic/event_editing.h"
#include "shell/logic/event_editors.h"
#include "shell/logic/event_list_presenter.h"
#include "shell/logic/undo_stack.h"

#include "editor_test_support.h"

namespace finplan {
namespace {

class EventEditingTest : public ::testing::Test {
  protected:
    std::vector<std::string> titles() const {
        std::vector<std::string> out;
        for (const auto& e : messages.entries)
            out.push_back(e.title);
        return out;
    }
    std::unique_ptr<Scenario> scenario = emptyScenario();
    ScenarioSession session{*scenario};
    RecordingMessages messages;
    RecordingHelp help;
    CalculatorMemory calculators;
    UndoStack undo;
    FixedClock clock{LocalTime{2026, 3, 1, 9, 0, 0}};
    ScriptedHost host;
    EventEditing editing{session, messages, help, calculators, undo, clock, host};
};

const Texts kGoodWithdrawal = {{WithdrawalField::Description, "Living expenses"},
                               {WithdrawalField::StartAge, "65.7"},
                               {WithdrawalField::EndAge, "90"},
                               {WithdrawalField::Amount, "40000"},
                               {WithdrawalField::ApplyRate, "3"},
                               {WithdrawalField::MinimumSmartWithdrawal, "20000"}};

TEST_F(EventEditingTest, WithdrawalChecksInTableOrderAndRefusalsChangeNothing) {
    const auto before = scenarioContentBytes(*scenario);
    host.scripts.push_back([](DialogPresenter& d) {
        Texts bad = kGoodWithdrawal;
        bad[WithdrawalField::StartAge] = "0";
        bad[WithdrawalField::EndAge] = "121";
        bad[WithdrawalField::Amount] = "0";
        bad[WithdrawalField::ApplyRate] = "20.01";
        for (const auto& [id, text] : bad)
            d.text(id) = text;
        // Each press fixes the field the previous one refused.
        for (ControlId id : {WithdrawalField::StartAge, WithdrawalField::EndAge,
                             WithdrawalField::Amount, WithdrawalField::ApplyRate}) {
            EXPECT_EQ(d.press(StandardButton::Ok), Press::Stay);
            EXPECT_EQ(d.takeRefusedField(), id); // the dialog's focus goes back there
            d.text(id) = kGoodWithdrawal.at(id);
        }
        return d.press(StandardButton::Cancel);
    });
    EXPECT_FALSE(editing.addEvent(EventKind::Withdrawal));
    EXPECT_EQ(titles(), (std::vector<std::string>{"START AGE ERROR", "END AGE ERROR",
                                                  "AMOUNT ERROR", "APPLY RATE ERROR"}));
    EXPECT_EQ(messages.entries[0].text, "This age must be between 1.0 and 120.0.");
    EXPECT_EQ(messages.entries[2].text,
              "This amount must be greater than 0.00 and less than 99999999.00.");
    EXPECT_EQ(messages.entries[3].text, "The Applied Rate must be between -20.0% and 20.0%");
    EXPECT_EQ(scenarioContentBytes(*scenario), before);
    EXPECT_TRUE(session.cancelledEdit());
    EXPECT_FALSE(undo.canUndo());
}

TEST_F(EventEditingTest, WithdrawalOkStoresTheFieldsWithWholeStartAge) {
    host.scripts.push_back([](DialogPresenter& d) {
        d.toggle(WithdrawalField::ApplyInflation);
        return typeAndPress(d, kGoodWithdrawal, StandardButton::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Withdrawal));
    ASSERT_EQ(scenario->eventCount, 1);
    const Event& e = scenario->events[0];
    EXPECT_EQ(e.eventKind(), EventKind::Withdrawal);
    EXPECT_STREQ(e.description, "Living expenses");
    EXPECT_FLOAT_EQ(e.startAge, 65.0f);
    EXPECT_FLOAT_EQ(e.endAge, 90.0f);
    EXPECT_FLOAT_EQ(e.amount, 40000.0f);
    EXPECT_FLOAT_EQ(e.applyRate, 3.0f);
    EXPECT_EQ(e.applyInflation, 1);
    EXPECT_FLOAT_EQ(e.minSmartWithdrawal, 20000.0f);
    EXPECT_TRUE(session.scenarioModified());
    EXPECT_TRUE(session.resultsStale());
    EXPECT_EQ(undo.undoText(), "Undo Add Withdrawal 'Living expenses'");
}

TEST_F(EventEditingTest, OneTimeWithdrawalTakesAnyEndAgeAsIs) {
    host.scripts.push_back([](DialogPresenter& d) {
        d.toggle(WithdrawalField::OneTime);
        Texts t = kGoodWithdrawal;
        t[WithdrawalField::EndAge] = "soon";
        return typeAndPress(d, t, StandardButton::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Withdrawal));
    EXPECT_EQ(scenario->events[0].oneTime, 1);
    EXPECT_FLOAT_EQ(scenario->events[0].endAge, 0.0f);
}

TEST_F(EventEditingTest, DepositStoresTheChosenAccountByIdInNameOrder) {
    addAccount(*scenario, "Savings", 5);   // id 0
    addAccount(*scenario, "Brokerage", 7); // id 1, listed first
    host.scripts.push_back([](DialogPresenter& d) {
        EXPECT_EQ(d.field(DepositField::DepositTo).items,
                  (std::vector<std::string>{"Brokerage", "Savings"}));
        d.choose(DepositField::DepositTo, 1);
        return typeAndPress(d,
                            {{DepositField::Description, "Pay"},
                             {DepositField::StartAge, "40"},
                             {DepositField::EndAge, "60.9"},
                             {DepositField::Amount, "100"}},
                            StandardButton::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Deposit));
    EXPECT_EQ(scenario->events[0].toAccountId, 0);
    EXPECT_FLOAT_EQ(scenario->events[0].endAge, 60.0f); // the deposit's end age is whole too
    // The account table itself keeps its order.
    EXPECT_STREQ(scenario->accounts.accounts[0].name, "Savings");
    // An untouched combo keeps what the slot had: 0 for a new event.
    host.scripts.push_back(typing({{DepositField::Description, "More"},
                                   {DepositField::StartAge, "41"},
                                   {DepositField::EndAge, "60"},
                                   {DepositField::Amount, "5"}},
                                  StandardButton::Ok));
    ASSERT_TRUE(editing.addEvent(EventKind::Deposit));
    EXPECT_EQ(scenario->events[1].toAccountId, 0);
}

TEST_F(EventEditingTest, LoanComputesItsPaymentAndRefusesZeroYears) {
    addAccount(*scenario, "Car", -10);
    const Texts loan = {{LoanField::Description, "Car loan"},
                        {LoanField::StartAge, "40"},
                        {LoanField::PayoffAge, "70"},
                        {LoanField::Rate, "8"},
                        {LoanField::Amount, "100000"},
                        {LoanField::DownPayment, "0"},
                        {LoanField::SellAge, "0"},
                        {LoanField::Years, "0"}};
    host.scripts.push_back([&](DialogPresenter& d) {
        EXPECT_EQ(typeAndPress(d, loan, LoanField::Calculate),
                  Press::Reject); // Calculate refused, then Cancel
        return Press::Reject;
    });
    EXPECT_FALSE(editing.addEvent(EventKind::Loan));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "NO OF YEARS ERROR");
    EXPECT_EQ(messages.entries[0].text, "The number of years must be between 1 and 100.");

    host.scripts.push_back([&](DialogPresenter& d) {
        Texts t = loan;
        t[LoanField::Years] = "30";
        for (const auto& [id, text] : t)
            d.text(id) = text;
        d.choose(LoanField::DepositTo, 0);
        EXPECT_EQ(d.press(LoanField::Calculate), Press::Stay); // Calculate shows the payment only
        EXPECT_EQ(d.text(LoanField::MonthlyPayment), "733.76     ");
        return d.press(LoanField::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Loan));
    const Event& e = scenario->events[0];
    EXPECT_NEAR(e.monthlyPayment, 733.76f, 0.005f);
    EXPECT_EQ(e.years, 30);
    EXPECT_EQ(e.toAccountId, 0);
    EXPECT_FLOAT_EQ(e.toAccountRate, -10.0f);
}

const Texts kMortgage = {
    {MortgageField::Description, "House"}, {MortgageField::StartAge, "47"},
    {MortgageField::PayoffAge, "77"},      {MortgageField::Rate, "6"},
    {MortgageField::Amount, "380000"},     {MortgageField::Taxes, "3000"},
    {MortgageField::ClosingCosts, "0"},    {MortgageField::DownPayment, "76000"},
    {MortgageField::Years, "30"},          {MortgageField::AppreciationRate, "3"},
    {MortgageField::SellAge, "0"},         {MortgageField::AcceleratedAmount, "0"}};

TEST_F(EventEditingTest, MortgageChecksInOrderWithItsOwnTitles) {
    host.scripts.push_back([](DialogPresenter& d) {
        Texts t = kMortgage;
        t[MortgageField::Taxes] = "-1";
        t[MortgageField::DownPayment] = "-5";
        t[MortgageField::AppreciationRate] = "1001";
        t[MortgageField::SellAge] = "121";
        t[MortgageField::AcceleratedAmount] = "100001";
        for (const auto& [id, text] : t)
            d.text(id) = text;
        for (ControlId id :
             {MortgageField::Taxes, MortgageField::DownPayment, MortgageField::AppreciationRate,
              MortgageField::SellAge, MortgageField::AcceleratedAmount}) {
            EXPECT_EQ(d.press(MortgageField::Ok), Press::Stay);
            EXPECT_EQ(d.takeRefusedField(), id);
            d.text(id) = kMortgage.at(id);
        }
        return d.press(MortgageField::Cancel);
    });
    editing.addEvent(EventKind::Mortgage);
    EXPECT_EQ(titles(),
              (std::vector<std::string>{"AMOUNT ERROR", "DOWN PAYMENT ERROR", "RATE ERROR",
                                        "SELL AGE ERROR", "Additional Monthly Amount Error"}));
    EXPECT_EQ(messages.entries[4].text,
              "This amount must be greater than or equal to  0.00 and less than 99999.99");
    EXPECT_EQ(scenario->eventCount, 0);
}

TEST_F(EventEditingTest, MortgageAcceleratedBoxesExcludeEachOther) {
    host.scripts.push_back([](DialogPresenter& d) {
        d.toggle(MortgageField::AcceleratedFromStart);
        d.toggle(MortgageField::AcceleratedFromInitialStart);
        EXPECT_FALSE(d.field(MortgageField::AcceleratedFromStart).checked);
        EXPECT_TRUE(d.field(MortgageField::AcceleratedFromInitialStart).checked);
        return typeAndPress(d, kMortgage, MortgageField::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Mortgage));
    EXPECT_EQ(scenario->events[0].acceleratedMode, 2);
    host.scripts.push_back([](DialogPresenter& d) {
        d.toggle(MortgageField::AcceleratedFromInitialStart); // the checked one: none now
        return d.press(MortgageField::Ok);
    });
    ASSERT_TRUE(editing.editEvent(0));
    EXPECT_EQ(scenario->events[0].acceleratedMode, 0);
}

TEST_F(EventEditingTest, MortgageTakesTheCalculatorsHandOverAndItsButtonsGoToTheHook) {
    calculators.mortgage = {"100000", "0.0", "8.0", "30", "733.76", 0, 0, 0, 0, 0, true};
    host.scripts.push_back([](DialogPresenter& d) {
        EXPECT_EQ(d.text(MortgageField::Amount), "100000");
        EXPECT_EQ(d.text(MortgageField::Years), "30");
        EXPECT_EQ(d.text(MortgageField::MonthlyPayment), "$733.76");
        for (const FormButton& b : d.buttons()) // the analyses: only for an existing mortgage
            EXPECT_EQ(b.enabled,
                      b.id != MortgageField::Refinance && b.id != MortgageField::Accelerated);
        d.text(MortgageField::Description) = "Home";
        d.text(MortgageField::StartAge) = "40";
        d.text(MortgageField::PayoffAge) = "70";
        EXPECT_EQ(d.press(MortgageField::Schedule), Press::Stay);
        return d.press(MortgageField::Cancel);
    });
    editing.addEvent(EventKind::Mortgage);
    EXPECT_FALSE(calculators.mortgage.handOver);
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].kind, CalculatorKind::MortgageSchedule);
    EXPECT_FLOAT_EQ(host.requests[0].mortgage.amount, 100000.0f);
    EXPECT_NE(messages.last()->text.find("not available yet"), std::string::npos);
    EXPECT_EQ(scenario->eventCount, 0); // the schedule never stores the event
}

TEST_F(EventEditingTest, AcceleratedAnalysisHandsOverTheTypedMortgage) {
    scenario->initial.startAge = 45;
    host.scripts.push_back(typing(kMortgage, MortgageField::Ok));
    ASSERT_TRUE(editing.addEvent(EventKind::Mortgage));
    host.calculatorsAvailable = true;
    host.scripts.push_back([](DialogPresenter& d) {
        d.text(MortgageField::StartAge) = "40";
        d.text(MortgageField::AcceleratedAmount) = "250";
        EXPECT_EQ(d.press(MortgageField::Accelerated), Press::Stay);
        return d.press(MortgageField::Cancel);
    });
    editing.editEvent(0);
    const AcceleratedMemory& m = calculators.accelerated;
    EXPECT_FLOAT_EQ(m.loanAmount, 304000.0f);
    EXPECT_EQ(m.years, 30);
    EXPECT_EQ(m.yearsLeft, 25); // 30 + 40 - 45: the mortgage began before the plan
    EXPECT_FLOAT_EQ(m.additionalPayment, 250.0f);
    EXPECT_EQ(host.requests.back().kind, CalculatorKind::Accelerated);
}

TEST_F(EventEditingTest, FundamentalsStartFromThePreviousRateChange) {
    host.scripts.push_back([](DialogPresenter& d) {
        EXPECT_EQ(d.text(FundamentalsField::TaxRate), "15.00 "); // the initial values' rates
        EXPECT_EQ(d.text(FundamentalsField::InflationRate), "4.00  ");
        return typeAndPress(d,
                            {{FundamentalsField::Description, "Retire"},
                             {FundamentalsField::StartAge, "60"},
                             {FundamentalsField::TaxRate, "25"}},
                            FundamentalsField::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Fundamentals));
    EXPECT_EQ(scenario->events[0].rateAccountId, -1);
    EXPECT_FLOAT_EQ(scenario->events[0].endAge, 60.0f);
    host.scripts.push_back([](DialogPresenter& d) {
        EXPECT_EQ(d.text(FundamentalsField::TaxRate), "25.00 ");
        EXPECT_EQ(d.text(FundamentalsField::InflationRate), "4.00  ");
        return d.press(FundamentalsField::Cancel);
    });
    editing.addEvent(EventKind::Fundamentals);
}

TEST_F(EventEditingTest, FundamentalsGiveTheChosenAccountTheRateTyped) {
    addAccount(*scenario, "Bonds", 4);
    host.scripts.push_back([&](DialogPresenter& d) {
        d.choose(FundamentalsField::AccountCombo, 1);
        host.scripts.push_back([](DialogPresenter& rate) {
            EXPECT_EQ(rate.text(AccountRateField::Rate), "4.000   ");
            rate.text(AccountRateField::Rate) = "99.5";
            EXPECT_EQ(rate.press(AccountRateField::Ok), Press::Stay);
            return typeAndPress(rate, {{AccountRateField::Rate, "-2.5"}}, AccountRateField::Ok);
        });
        d.press(FundamentalsField::ChangeRate);
        return typeAndPress(
            d, {{FundamentalsField::Description, "Crash"}, {FundamentalsField::StartAge, "70"}},
            FundamentalsField::Ok);
    });
    ASSERT_TRUE(editing.addEvent(EventKind::Fundamentals));
    EXPECT_EQ(messages.entries[0].text, "This rate must be between -99.0% and 99.0%");
    EXPECT_EQ(scenario->events[0].rateAccountId, scenario->accounts.accounts[0].id);
    EXPECT_FLOAT_EQ(scenario->events[0].newAccountRate, -2.5f);
    EXPECT_FLOAT_EQ(scenario->accounts.accounts[0].currentRate, 4.0f);
}

TEST_F(EventEditingTest, EditKeepsTheCountAndCopyThenCancelLeavesTheBytes) {
    host.scripts.push_back(typing(kGoodWithdrawal, StandardButton::Ok));
    editing.addEvent(EventKind::Withdrawal);
    host.scripts.push_back(typing({{WithdrawalField::Amount, "50000"}}, StandardButton::Ok));
    ASSERT_TRUE(editing.editEvent(0));
    EXPECT_EQ(scenario->eventCount, 1);
    EXPECT_FLOAT_EQ(scenario->events[0].amount, 50000.0f);
    EXPECT_FALSE(session.editingEvent());
    EXPECT_EQ(undo.undoText(), "Undo Edit Withdrawal 'Living expenses'");

    session.changed(ScenarioChange::SavedAs);
    const auto before = scenarioContentBytes(*scenario);
    host.scripts.push_back(typing({{WithdrawalField::Amount, "1"}}, StandardButton::Cancel));
    EXPECT_FALSE(editing.copyEvent(0));
    EXPECT_EQ(scenarioContentBytes(*scenario), before);
    EXPECT_FALSE(session.scenarioModified());
    EXPECT_FALSE(session.copyPending());
    // No editor at all (a window that cannot show one) changes nothing either.
    EXPECT_FALSE(editing.copyEvent(0));
    EXPECT_EQ(scenarioContentBytes(*scenario), before);

    host.scripts.push_back(typing({{WithdrawalField::StartAge, "70"}}, StandardButton::Ok));
    ASSERT_TRUE(editing.copyEvent(0));
    ASSERT_EQ(scenario->eventCount, 2);
    EXPECT_FLOAT_EQ(scenario->events[0].startAge, 65.0f); // the copy, unchanged
    EXPECT_FLOAT_EQ(scenario->events[1].startAge, 70.0f); // the one edited
    EXPECT_EQ(undo.undoText(), "Undo Copy Withdrawal 'Living expenses'");
}

TEST_F(EventEditingTest, UndoThenRedoOfEachChangeGivesTheSameBytes) {
    std::vector<std::function<void()>> changes = {
        [&] {
            host.scripts.push_back(typing(kGoodWithdrawal, StandardButton::Ok));
            editing.addEvent(EventKind::Withdrawal);
        },
        [&] {
            host.scripts.push_back(typing({{WithdrawalField::Amount, "7"}}, StandardButton::Ok));
            editing.editEvent(0);
        },
        [&] {
            host.scripts.push_back(typing({{WithdrawalField::StartAge, "66"}}, StandardButton::Ok));
            editing.copyEvent(0);
        },
        [&] { editing.deleteEvent(1); },
        [&] {
            host.scripts.push_back(
                typing({{InitialValuesField::TaxRate, "22"}}, InitialValuesField::Ok));
            editing.editInitialValues();
        },
    };
    for (auto& change : changes) {
        const auto before = scenarioContentBytes(*scenario);
        const std::size_t steps = undo.undoCount();
        change();
        ASSERT_EQ(undo.undoCount(), steps + 1) << undo.undoText();
        const auto after = scenarioContentBytes(*scenario);
        ASSERT_TRUE(undo.undo(session));
        EXPECT_EQ(scenarioContentBytes(*scenario), before) << undo.redoText();
        ASSERT_TRUE(undo.redo(session));
        EXPECT_EQ(scenarioContentBytes(*scenario), after) << undo.undoText();
    }
}

TEST_F(EventEditingTest, TheHundredAndFiftyFirstEventIsRefused) {
    for (int i = 0; i < kMaxEvents; ++i) {
        Event& e = scenario->events[scenario->eventCount++];
        e.startAge = 40;
        e.kind = static_cast<int16_t>(EventKind::Withdrawal);
    }
    EXPECT_FALSE(editing.addEvent(EventKind::Deposit));
    EXPECT_FALSE(editing.copyEvent(3));
    EXPECT_TRUE(host.titles.empty()); // no editor opened
    ASSERT_EQ(messages.entries.size(), 2u);
    EXPECT_EQ(messages.entries[0].title, "Event Limit");
    EXPECT_EQ(scenario->eventCount, kMaxEvents);
}

TEST_F(EventEditingTest, TheChooserOpensEachEditorAndStaysOpen) {
    int shown = 0;
    host.scripts.push_back([](DialogPresenter& d) {
        EXPECT_EQ(d.title(), "Add Event");
        d.press(AddEventButton::Withdrawal);
        d.press(AddEventButton::Fundamentals); // (cancelled: no script left for it)
        return d.press(AddEventButton::Ok);
    });
    host.scripts.push_back(typing(kGoodWithdrawal, StandardButton::Ok));
    editing.chooseEvents([&] { ++shown; });
    EXPECT_EQ(host.titles, (std::vector<std::string>{"Add Event", "Withdrawal", "Fundamentals"}));
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(scenario->eventCount, 1);
}

TEST_F(EventEditingTest, ListCopyWithoutOkChangesNothingAndDeleteReselects) {
    for (const char* name : {"A", "B"}) {
        Texts t = kGoodWithdrawal;
        t[WithdrawalField::Description] = name;
        host.scripts.push_back(typing(t, StandardButton::Ok));
        editing.addEvent(EventKind::Withdrawal);
    }
    EventListPresenter list(*scenario, &editing);
    list.refill();
    session.changed(ScenarioChange::SavedAs);
    const auto before = scenarioContentBytes(*scenario);
    const auto lines = list.lines();
    list.copy(3); // the editor cannot open: nothing is added, nothing marked changed
    EXPECT_EQ(scenarioContentBytes(*scenario), before);
    EXPECT_FALSE(session.scenarioModified());
    EXPECT_EQ(list.lines(), lines);
    EXPECT_EQ(list.selectedLine(), 3);
    host.scripts.push_back(typing({}, StandardButton::Cancel));
    list.copy(1);
    EXPECT_EQ(scenarioContentBytes(*scenario), before);

    list.remove(0); // the initial-values line
    EXPECT_EQ(scenario->eventCount, 2);
    const std::size_t n = list.lines().size();
    list.remove(static_cast<int>(n) - 1); // the last line of B
    EXPECT_EQ(scenario->eventCount, 1);
    EXPECT_TRUE(session.scenarioModified());
    EXPECT_EQ(list.selectedLine(), static_cast<int>(list.lines().size()) - 1);
    EXPECT_EQ(undo.undoText(), "Undo Delete Withdrawal 'B'");
}

TEST_F(EventEditingTest, ListLineZeroOpensTheInitialValues) {
    EventListPresenter list(*scenario, &editing);
    list.refill();
    host.scripts.push_back(typing({{InitialValuesField::TaxRate, "33"}}, InitialValuesField::Ok));
    list.edit(0);
    EXPECT_EQ(host.titles, std::vector<std::string>{"Initial Data"});
    EXPECT_FLOAT_EQ(scenario->initial.taxRate, 33.0f);
}

} // namespace
} // namespace finplan
