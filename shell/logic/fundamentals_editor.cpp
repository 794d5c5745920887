// Fundamentals: a change of the tax and inflation rates and, optionally, of one
// account's rate (typed in the small Account Rate dialog).
#include "model/scenario_ops.h"
#include "platform/help_contexts.h"
#include "shell/logic/event_editors.h"

namespace finplan {

namespace {

using F = FundamentalsField;
using R = AccountRateField;

// The rates a new Fundamentals event starts from: those of the latest one before it.
void startFromPrevious(const Scenario& s, Event& e) {
    e.rateAccountId = -1;
    e.newTaxRate = s.initial.taxRate;
    e.newInflationRate = s.initial.inflationRate;
    for (int i = s.usedEventCount() - 1; i >= 0; --i) {
        const Event& previous = s.events[i];
        if (previous.eventKind() != EventKind::Fundamentals) continue;
        e.newTaxRate = previous.newTaxRate;
        e.newInflationRate = previous.newInflationRate;
        e.newAccountRate = previous.newAccountRate;
        return;
    }
}

} // namespace

FundamentalsEditor::FundamentalsEditor(EditorContext& context)
    : EventEditor(context, EventKind::Fundamentals, "Fundamentals", help::kFundamentals) {
    setButtons(F::Ok, F::Cancel);
    if (!ctx.session.editingEvent()) startFromPrevious(ctx.scenario, event);
    addDescription(F::Description);
    addEdit(F::StartAge, "Start Age", numberText("%-6.2f", event.startAge));
    addEdit(F::TaxRate, "Tax Rate", numberText("%-6.2f", event.newTaxRate), "%");
    addEdit(F::InflationRate, "Inflation Rate", numberText("%-6.2f", event.newInflationRate), "%");
    addAccountCombo(F::AccountCombo, "Select account.", event.rateAccountId, true);
    addButton(F::ChangeRate, "Press to change selected account's rate");
    addButton(F::Ok, "OK");
    addButton(F::Cancel, "Cancel");
    addButton(StandardButton::Help, "Help");
}

Press FundamentalsEditor::pressOther(ControlId button) {
    if (button == F::ChangeRate) changeRate();
    return Press::Stay;
}

void FundamentalsEditor::activate(ControlId id) {
    if (id == F::AccountCombo) changeRate();
}

void FundamentalsEditor::changeRate() {
    const int id = chosenAccount(F::AccountCombo);
    const int slot = findAccountIndex(ctx.scenario, id);
    if (field(F::AccountCombo).selected <= 0 || slot < 0) return; // no account chosen
    const Account& account = ctx.scenario.accounts.accounts[slot];
    rateChanged_ = true;
    auto it = rates_.try_emplace(id, account.currentRate).first;
    AccountRateDialog dialog(std::string(fieldText(account.name)), it->second, ctx.messages);
    ctx.host.runDialog(dialog);
}

bool FundamentalsEditor::readFields() {
    if (field(F::AccountCombo).selected <= 0) {
        event.rateAccountId = -1;
    } else if (rateChanged_) {
        const int id = chosenAccount(F::AccountCombo);
        const int slot = findAccountIndex(ctx.scenario, id);
        auto it = rates_.find(id);
        event.rateAccountId = static_cast<int16_t>(id);
        event.newAccountRate = it != rates_.end() ? it->second
                               : slot >= 0        ? ctx.scenario.accounts.accounts[slot].currentRate
                                                  : event.newAccountRate;
    }
    if (!checkAge(F::StartAge, event.startAge, "START AGE ERROR", true)) return false;
    if (!check(F::TaxRate, event.newTaxRate, {0, 1000, text_id::kRate, "TAX RATE ERROR"}))
        return false;
    if (!check(F::InflationRate, event.newInflationRate,
               {0, 1000, text_id::kRate, "INFLATION RATE ERROR"}))
        return false;
    event.endAge = event.startAge;
    return true;
}

AccountRateDialog::AccountRateDialog(const std::string& accountName, float& accountRate,
                                     Messages& shown)
    : rate_(accountRate), messages_(shown) {
    dialogTitle = "Account Rate";
    addReadOnly(R::Name, "Account Name", accountName);
    addEdit(R::Rate, "Rate", numberText("%-8.3f", rate_), "%");
    addButton(R::Ok, "OK");
    addButton(R::Cancel, "Cancel");
    cancelId = R::Cancel;
    defaultId = R::Ok;
}

Press AccountRateDialog::press(ControlId button) {
    if (button == R::Cancel) return Press::Reject;
    if (button != R::Ok) return Press::Stay;
    if (!passed(R::Rate, validateText(messages_, text(R::Rate), rate_,
                                      {-99, 99, text_id::kAccountRate, "RATE ERROR"})))
        return Press::Stay;
    return Press::Accept;
}

std::unique_ptr<EventEditor> makeEventEditor(EditorContext& context, EventKind kind) {
    switch (kind) {
    case EventKind::Withdrawal:
    case EventKind::Deposit:
    case EventKind::Transfer:
        return std::make_unique<SpanEventEditor>(context, kind);
    case EventKind::Loan:
    case EventKind::Mortgage:
        return std::make_unique<LoanEditor>(context, kind);
    case EventKind::Fundamentals:
        return std::make_unique<FundamentalsEditor>(context);
    default:
        return nullptr;
    }
}

} // namespace finplan
