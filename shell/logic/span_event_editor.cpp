// Withdrawal, Deposit and Transfer share one shape: description, start and end age,
// amount, apply rate and their checkboxes; only the control ids, labels and a few
// rules differ, so one table per kind drives one editor.
#include "calculators/field_text.h"
#include "platform/help_contexts.h"
#include "shell/logic/event_editors.h"

namespace finplan {

struct SpanEventEditor::Layout {
    const char* title;
    int helpContext;
    ControlId description, startAge, endAge, amount, applyRate;
    const char* amountFormat;
    ControlId oneTime, inflation;
    const char* oneTimeLabel;
    const char* inflationLabel;
    // The end age keeps only its whole years also when it was checked (Deposit).
    bool truncateCheckedEndAge;
};

namespace {

using W = WithdrawalField;
using D = DepositField;
using T = TransferField;

const SpanEventEditor::Layout kWithdrawal{
    .title = "Withdrawal",
    .helpContext = help::kWithdrawal,
    .description = W::Description,
    .startAge = W::StartAge,
    .endAge = W::EndAge,
    .amount = W::Amount,
    .applyRate = W::ApplyRate,
    .amountFormat = "%-11.2f",
    .oneTime = W::OneTime,
    .inflation = W::ApplyInflation,
    .oneTimeLabel = "One time only withdrawal",
    .inflationLabel = "Apply inflation rate to withdrawal",
    .truncateCheckedEndAge = false,
};
const SpanEventEditor::Layout kDeposit{
    .title = "Deposit",
    .helpContext = help::kDeposit,
    .description = D::Description,
    .startAge = D::StartAge,
    .endAge = D::EndAge,
    .amount = D::Amount,
    .applyRate = D::ApplyRate,
    .amountFormat = "%-12.2f",
    .oneTime = D::OneTime,
    .inflation = D::ApplyInflation,
    .oneTimeLabel = "One time only deposit",
    .inflationLabel = "Apply inflation rate to deposits",
    .truncateCheckedEndAge = true,
};
const SpanEventEditor::Layout kTransfer{
    .title = "Transfer",
    .helpContext = help::kTransfer,
    .description = T::Description,
    .startAge = T::StartAge,
    .endAge = T::EndAge,
    .amount = T::Amount,
    .applyRate = T::ApplyRate,
    .amountFormat = "%-12.2f",
    .oneTime = T::OneTime,
    .inflation = T::ApplyInflation,
    .oneTimeLabel = "One transaction only",
    .inflationLabel = "Apply inflation rate to transfer",
    .truncateCheckedEndAge = false,
};

const SpanEventEditor::Layout& layoutOf(EventKind kind) {
    if (kind == EventKind::Deposit) return kDeposit;
    if (kind == EventKind::Transfer) return kTransfer;
    return kWithdrawal;
}

} // namespace

SpanEventEditor::SpanEventEditor(EditorContext& context, EventKind spanKind)
    : EventEditor(context, spanKind, layoutOf(spanKind).title, layoutOf(spanKind).helpContext),
      layout_(layoutOf(spanKind)) {
    const Layout& l = layout_;
    addDescription(l.description);
    addEdit(l.startAge, "Start Age", numberText("%-6.2f", event.startAge));
    addEdit(l.endAge, "End Age", numberText("%-6.2f", event.endAge));
    addEdit(l.amount, "Amount", numberText(l.amountFormat, event.amount));
    addEdit(l.applyRate, "Apply Rate", numberText("%-6.2f", event.applyRate), "%");
    if (kind == EventKind::Deposit)
        addAccountCombo(D::DepositTo, "Deposit to:", event.toAccountId, false);
    if (kind == EventKind::Transfer) {
        addAccountCombo(T::FromAccount, "From Account:", event.fromAccountId, false);
        addAccountCombo(T::ToAccount, "To Account:", event.toAccountId, false);
    }
    addFlag(l.oneTime, l.oneTimeLabel, event.oneTime);
    addFlag(l.inflation, l.inflationLabel, event.applyInflation);
    if (kind == EventKind::Deposit)
        addFlag(D::TaxDeposit, "Tax deposit at current tax rate", event.taxDeposit);
    if (kind == EventKind::Withdrawal) {
        addFlag(W::UseSmartWithdrawal, "Use smart withdrawal", event.useSmartWithdrawal);
        addEdit(W::MinimumSmartWithdrawal, "Minimum smart withdrawal",
                numberText("%-11.2f", event.minSmartWithdrawal));
    }
    addButton(StandardButton::Ok, "OK");
    addButton(StandardButton::Cancel, "Cancel");
    addButton(StandardButton::Help, "Help");
}

bool SpanEventEditor::readEndAge() {
    // A one-time event has no span: whatever is typed is read without a check.
    if (event.oneTime) {
        event.endAge = static_cast<float>(wholeNumber(parse(layout_.endAge)));
        return true;
    }
    return checkAge(layout_.endAge, event.endAge, "END AGE ERROR", layout_.truncateCheckedEndAge);
}

bool SpanEventEditor::readFields() {
    const Layout& l = layout_;
    if (!checkAge(l.startAge, event.startAge, "START AGE ERROR", true)) return false;
    if (!readEndAge()) return false;
    if (!event.oneTime && event.endAge < event.startAge)
        return refuse(l.endAge, "The End Age must not be less than the Start Age.",
                      "END AGE ERROR");
    if (!check(l.amount, event.amount, {1, 100000000, text_id::kAmount, "AMOUNT ERROR"}))
        return false;
    if (!check(l.applyRate, event.applyRate, {-20, 20, text_id::kAppliedRate, "APPLY RATE ERROR"}))
        return false;
    if (kind == EventKind::Withdrawal)
        event.minSmartWithdrawal = parse(W::MinimumSmartWithdrawal, 9);
    if (kind == EventKind::Deposit)
        event.toAccountId = static_cast<int16_t>(chosenAccount(D::DepositTo));
    if (kind == EventKind::Transfer) {
        event.fromAccountId = static_cast<int16_t>(chosenAccount(T::FromAccount));
        event.toAccountId = static_cast<int16_t>(chosenAccount(T::ToAccount));
    }
    return true;
}

} // namespace finplan
