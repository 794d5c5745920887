// Fundamentals: a change of the tax and inflation rates and, optionally, of one
// account's rate (typed in the small Account Rate dialog).
#include "model/scenario_ops.h"
#include "shell/logic/event_editors.h"

namespace finplan {

namespace {

constexpr int kOkButton = 114, kCancelButton = 115;
constexpr int kDescription = 120, kStartAge = 119, kTaxRate = 121, kInflationRate = 122;

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
    : EventEditor(context, EventKind::Fundamentals, "Fundamentals", 262) {
    setButtons(kOkButton, kCancelButton);
    if (!ctx.session.editingEvent()) startFromPrevious(ctx.scenario, event);
    addDescription(kDescription);
    addEdit(kStartAge, "Start Age", numberText("%-6.2f", event.startAge));
    addEdit(kTaxRate, "Tax Rate", numberText("%-6.2f", event.newTaxRate), "%");
    addEdit(kInflationRate, "Inflation Rate", numberText("%-6.2f", event.newInflationRate), "%");
    addAccountCombo(kAccountCombo, "Select account.", event.rateAccountId, true);
    addButton(kChangeRate, "Press to change selected account's rate");
    addButton(kOkButton, "OK");
    addButton(kCancelButton, "Cancel");
    addButton(kHelp, "Help");
}

Press FundamentalsEditor::pressOther(int button) {
    if (button == kChangeRate) changeRate();
    return Press::Stay;
}

void FundamentalsEditor::activate(int id) {
    if (id == kAccountCombo) changeRate();
}

void FundamentalsEditor::changeRate() {
    const int id = chosenAccount(kAccountCombo);
    const int slot = findAccountIndex(ctx.scenario, id);
    if (field(kAccountCombo).selected <= 0 || slot < 0) return; // no account chosen
    const Account& account = ctx.scenario.accounts.accounts[slot];
    rateChanged = true;
    auto it = rates.try_emplace(id, account.currentRate).first;
    AccountRateDialog dialog(std::string(fieldText(account.name)), it->second, ctx.messages);
    ctx.host.runDialog(dialog);
}

bool FundamentalsEditor::readFields() {
    if (field(kAccountCombo).selected <= 0) {
        event.rateAccountId = -1;
    } else if (rateChanged) {
        const int id = chosenAccount(kAccountCombo);
        const int slot = findAccountIndex(ctx.scenario, id);
        auto it = rates.find(id);
        event.rateAccountId = static_cast<int16_t>(id);
        event.newAccountRate = it != rates.end() ? it->second
                               : slot >= 0       ? ctx.scenario.accounts.accounts[slot].currentRate
                                                 : event.newAccountRate;
    }
    if (!checkAge(kStartAge, event.startAge, "START AGE ERROR", true)) return false;
    if (!check(kTaxRate, event.newTaxRate, {0, 1000, text_id::kRate, "TAX RATE ERROR"}))
        return false;
    if (!check(kInflationRate, event.newInflationRate,
               {0, 1000, text_id::kRate, "INFLATION RATE ERROR"}))
        return false;
    event.endAge = event.startAge;
    return true;
}

AccountRateDialog::AccountRateDialog(const std::string& accountName, float& accountRate,
                                     Messages& shown)
    : rate(accountRate), messages(shown) {
    dialogTitle = "Account Rate";
    addReadOnly(kName, "Account Name", accountName);
    addEdit(kRate, "Rate", numberText("%-8.3f", rate), "%");
    addButton(kOk, "OK");
    addButton(kCancel, "Cancel");
    cancelId = kCancel;
    defaultId = kOk;
}

Press AccountRateDialog::press(int button) {
    if (button == kCancel) return Press::Reject;
    if (button != kOk) return Press::Stay;
    if (!passed(kRate, validateText(messages, text(kRate), rate,
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
