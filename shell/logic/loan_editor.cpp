// Loan and Mortgage: the same checks in the same order on partly different controls,
// the payment of the payment formula, and the mortgage's extras (taxes, costs,
// appreciation, accelerated payments and the calculator buttons).
#include "calculators/field_text.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/range_check.h"
#include "engine/loan_maths.h"
#include "model/scenario_ops.h"
#include "platform/help_contexts.h"
#include "shell/logic/event_editors.h"
#include "text/money_text.h"

namespace finplan {

struct LoanEditor::Ids {
    const char* title;
    int helpContext;
    ControlId description, ok, cancel, calculate;
    ControlId startAge, payoffAge, rate, amount, downPayment, sellAge, years, payment;
    const char* amountLabel;
    const char* downPaymentLabel;
    const char* sellAgeLabel;
    const char* yearsLabel;
};

namespace {

using L = LoanField;
using M = MortgageField;

const LoanEditor::Ids kLoan{
    .title = "Loan",
    .helpContext = help::kLoan,
    .description = L::Description,
    .ok = L::Ok,
    .cancel = L::Cancel,
    .calculate = L::Calculate,
    .startAge = L::StartAge,
    .payoffAge = L::PayoffAge,
    .rate = L::Rate,
    .amount = L::Amount,
    .downPayment = L::DownPayment,
    .sellAge = L::SellAge,
    .years = L::Years,
    .payment = L::MonthlyPayment,
    .amountLabel = "Amount",
    .downPaymentLabel = "Down Payment",
    .sellAgeLabel = "Sell asset age",
    .yearsLabel = "No of Years",
};
const LoanEditor::Ids kMortgage{
    .title = "Mortgage",
    .helpContext = help::kMortgage,
    .description = M::Description,
    .ok = M::Ok,
    .cancel = M::Cancel,
    .calculate = M::Calculate,
    .startAge = M::StartAge,
    .payoffAge = M::PayoffAge,
    .rate = M::Rate,
    .amount = M::Amount,
    .downPayment = M::DownPayment,
    .sellAge = M::SellAge,
    .years = M::Years,
    .payment = M::MonthlyPayment,
    .amountLabel = "Amount ",
    .downPaymentLabel = "Down Payment / Equity",
    .sellAgeLabel = "Sell Age",
    .yearsLabel = "No Of Years",
};

const LoanEditor::Ids& idsOf(EventKind kind) {
    return kind == EventKind::Mortgage ? kMortgage : kLoan;
}

const char* const kAcceleratedText =
    "This amount must be greater than or equal to  0.00 and less than 99999.99";
const char* const kAcceleratedTitle = "Additional Monthly Amount Error";

} // namespace

LoanEditor::LoanEditor(EditorContext& context, EventKind loanKind)
    : EventEditor(context, loanKind, idsOf(loanKind).title, idsOf(loanKind).helpContext),
      ids_(idsOf(loanKind)) {
    setButtons(ids_.ok, ids_.cancel);
    addDescription(ids_.description);
    addEdit(ids_.startAge, "Start Age", numberText("%-6.2f", event.startAge));
    addEdit(ids_.payoffAge, "Payoff Age", numberText("%-6.2f", event.endAge));
    addEdit(ids_.rate, "Rate", numberText("%-6.2f", event.loanRate), "%");
    addEdit(ids_.amount, ids_.amountLabel, numberText("%-12.2f", event.amount));
    if (isMortgage()) {
        addEdit(M::Taxes, "Taxes", numberText("%-6.2f", event.yearlyPropertyTax));
        addEdit(M::ClosingCosts, "Closing Costs", numberText("%-6.2f", event.closingCosts));
    }
    addEdit(ids_.downPayment, ids_.downPaymentLabel, numberText("%-12.2f", event.downPayment));
    if (!isMortgage())
        addEdit(ids_.sellAge, ids_.sellAgeLabel, numberText("%-6.2f", event.sellAge));
    addEdit(ids_.years, ids_.yearsLabel, wholeText("%-2d", event.years));
    if (isMortgage()) addMortgageFields();
    const std::string payment = numberText("%-11.2f", event.monthlyPayment);
    addReadOnly(ids_.payment, "Monthly Payment", isMortgage() ? formatMoney(payment) : payment);
    if (!isMortgage()) addAccountCombo(L::DepositTo, "Deposit To:", event.toAccountId, false);
    addButton(ids_.ok, "OK");
    addButton(ids_.cancel, "Cancel");
    addButton(ids_.calculate, "Calculate");
    if (isMortgage()) {
        const bool existing = ctx.session.editingEvent();
        addButton(M::Schedule, "Schedule");
        addButton(M::Refinance, "Do Refinancing Analysis", existing);
        addButton(M::Accelerated, "Do Accelerated Payment Analysis", existing);
        if (!existing) takeHandOver();
    }
    addButton(StandardButton::Help, "Help");
}

void LoanEditor::addMortgageFields() {
    addEdit(M::AppreciationRate, "Appreciation Rate", numberText("%-6.2f", event.appreciationRate),
            "%");
    addEdit(ids_.sellAge, ids_.sellAgeLabel, numberText("%-6.2f", event.sellAge));
    addFlag(M::TaxInflation, "Apply inflation rate to taxes", event.applyInflation);
    addCheck(M::AcceleratedFromStart,
             "Apply accelerated monthly payment starting at Mortgage Start Age",
             event.acceleratedMode == 1);
    addCheck(M::AcceleratedFromInitialStart,
             "Apply accelerated monthly payment starting at Initial Values Start Age",
             event.acceleratedMode == 2);
    addFlag(M::IsRefinance, "This is a refinance", event.isRefinance);
    addEdit(M::AcceleratedAmount, "Accelerated Payment Monthly Amount",
            numberText("%-12.2f", event.acceleratedPayment));
}

void LoanEditor::takeHandOver() {
    // "Use this mortgage in plan" left its texts for a new mortgage.
    auto handOver = takeMortgageHandOver(ctx.calculators.mortgage);
    if (!handOver) return;
    text(ids_.years) = handOver->years;
    text(ids_.amount) = handOver->amount;
    text(ids_.downPayment) = handOver->downPayment;
    text(ids_.rate) = handOver->rate;
    text(ids_.payment) = handOver->monthlyPayment;
}

void LoanEditor::toggle(ControlId id) {
    if (id != M::AcceleratedFromStart && id != M::AcceleratedFromInitialStart)
        return EventEditor::toggle(id);
    // The two accelerated boxes exclude each other; unchecking both means none.
    const int mode = id == M::AcceleratedFromStart ? 1 : 2;
    event.acceleratedMode = static_cast<int16_t>(event.acceleratedMode == mode ? 0 : mode);
    field(M::AcceleratedFromStart).checked = event.acceleratedMode == 1;
    field(M::AcceleratedFromInitialStart).checked = event.acceleratedMode == 2;
}

bool LoanEditor::readFields() {
    if (!checkAge(ids_.startAge, event.startAge, "START AGE ERROR", true)) return false;
    if (!checkAge(ids_.payoffAge, event.endAge, "PAYOFF AGE ERROR", true)) return false;
    if (event.endAge < event.startAge)
        return refuse(ids_.payoffAge, "The Payoff Age must not be less than the Start Age.",
                      "PAYOFF AGE ERROR");
    if (!check(ids_.rate, event.loanRate, {1, 1000, text_id::kLoanRate, "RATE ERROR"}))
        return false;
    const FieldRule amount{1, 100000000, text_id::kAmount, "AMOUNT ERROR"};
    if (!check(ids_.amount, event.amount, amount)) return false;
    if (isMortgage()) {
        const FieldRule cost{0, 100000000, text_id::kAmount, "AMOUNT ERROR"};
        if (!check(M::Taxes, event.yearlyPropertyTax, cost)) return false;
        if (!check(M::ClosingCosts, event.closingCosts, cost)) return false;
    }
    const char* downTitle = isMortgage() ? "DOWN PAYMENT ERROR" : "AMOUNT ERROR";
    if (!check(ids_.downPayment, event.downPayment, {0, 100000000, text_id::kAmount, downTitle}))
        return false;
    if (event.downPayment > event.amount)
        return refuse(ids_.downPayment, kDownPaymentAboveAmount, downTitle);
    if (!isMortgage() &&
        !check(ids_.sellAge, event.sellAge, {0, 120, text_id::kAge, "SELL AGE ERROR"}))
        return false;
    if (!check(ids_.years, event.years, {1, 100, text_id::kYears, "NO OF YEARS ERROR"}))
        return false;
    if (isMortgage() && !readMortgageExtras()) return false;
    event.sellAge = static_cast<float>(wholeNumber(event.sellAge));
    showPayment();
    if (!isMortgage()) {
        event.toAccountId = static_cast<int16_t>(chosenAccount(L::DepositTo));
        const int slot = findAccountIndex(ctx.scenario, event.toAccountId);
        // No account found: the loan keeps no rate of one.
        event.toAccountRate = slot >= 0 ? ctx.scenario.accounts.accounts[slot].rate : 0.0f;
    }
    return true;
}

bool LoanEditor::readMortgageExtras() {
    if (!check(M::AppreciationRate, event.appreciationRate,
               {-1000, 1000, text_id::kLoanRate, "RATE ERROR"}))
        return false;
    if (!check(ids_.sellAge, event.sellAge, {0, 120, text_id::kAge, "SELL AGE ERROR"}))
        return false;
    const float extra = readFieldNumber(text(M::AcceleratedAmount));
    if (!(extra >= 0 && extra <= 100000))
        return passed(M::AcceleratedAmount, refuseField(ctx.messages, kAcceleratedText,
                                                        kAcceleratedTitle, MessageIcon::Error));
    event.acceleratedPayment = extra;
    return true;
}

void LoanEditor::showPayment() {
    event.monthlyPayment = loanPayment(event.amount - event.downPayment,
                                       monthlyRate(event.loanRate), event.years * 12);
    const std::string payment = numberText("%-11.2f", event.monthlyPayment);
    text(ids_.payment) = isMortgage() ? formatMoney(payment) : payment;
}

void LoanEditor::notAvailable(const char* what) {
    ctx.messages.show(std::string(what) + " is not available yet in this build of the planner.",
                      "Not Available", MessageIcon::Information);
}

Press LoanEditor::pressOther(ControlId button) {
    if (button == ids_.calculate) {
        readFields(); // shows the payment when every check passed; counts nothing
        return Press::Stay;
    }
    if (!isMortgage()) return Press::Stay;
    if (button == M::Schedule) {
        if (!readFields()) return Press::Stay;
        if (!ctx.host.openCalculator({CalculatorKind::MortgageSchedule, event}))
            notAvailable("The Mortgage Schedule");
    } else if (button == M::Refinance) {
        if (!ctx.host.openCalculator({CalculatorKind::Refinance, event}))
            notAvailable("The Refinance Analysis");
    } else if (button == M::Accelerated) {
        return acceleratedAnalysis();
    }
    return Press::Stay;
}

Press LoanEditor::acceleratedAnalysis() {
    // The analysis starts from the texts as typed, without the editor's checks.
    AcceleratedMemory& m = ctx.calculators.accelerated;
    const float extra = readFieldNumber(text(M::AcceleratedAmount));
    if (!(extra >= 0 && extra <= 100000)) {
        refuseField(ctx.messages, kAcceleratedText, kAcceleratedTitle, MessageIcon::Error);
        return Press::Stay;
    }
    const int years = readIntText(text(ids_.years), kFieldBuffer - 1);
    const int start = wholeNumber(parse(ids_.startAge));
    const int planStart = wholeNumber(ctx.scenario.initial.startAge);
    m.loanAmount = parse(ids_.amount) - parse(ids_.downPayment);
    m.years = years;
    m.rate = parse(ids_.rate);
    m.monthlyRate = m.rate / 12 * 0.01f;
    m.yearsLeft =
        parse(ids_.startAge) >= ctx.scenario.initial.startAge ? years : years + start - planStart;
    if (extra != 0) m.additionalPayment = extra;
    Event typed = event;
    if (!ctx.host.openCalculator({CalculatorKind::Accelerated, typed}))
        notAvailable("The Accelerated Mortgage Payment Analysis");
    return Press::Stay;
}

} // namespace finplan
