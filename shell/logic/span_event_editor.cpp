// Withdrawal, Deposit and Transfer share one shape: description, start and end age,
// amount, apply rate and their checkboxes; only the control ids, labels and a few
// rules differ, so one table per kind drives one editor.
#include "calculators/field_text.h"
#include "shell/logic/event_editors.h"

namespace finplan {

struct SpanEventEditor::Layout {
    const char* title;
    int helpContext;
    int description, startAge, endAge, amount, applyRate;
    const char* amountFormat;
    int oneTime, inflation;
    const char* oneTimeLabel;
    const char* inflationLabel;
    // The end age keeps only its whole years also when it was checked (Deposit).
    bool truncateCheckedEndAge;
};

namespace {

const SpanEventEditor::Layout kWithdrawal{"Withdrawal",
                                          516,
                                          101,
                                          103,
                                          104,
                                          102,
                                          110,
                                          "%-11.2f",
                                          109,
                                          108,
                                          "One time only withdrawal",
                                          "Apply inflation rate to withdrawal",
                                          false};
const SpanEventEditor::Layout kDeposit{"Deposit",
                                       257,
                                       101,
                                       102,
                                       103,
                                       104,
                                       114,
                                       "%-12.2f",
                                       111,
                                       112,
                                       "One time only deposit",
                                       "Apply inflation rate to deposits",
                                       true};
const SpanEventEditor::Layout kTransfer{"Transfer",
                                        261,
                                        107,
                                        102,
                                        103,
                                        101,
                                        122,
                                        "%-12.2f",
                                        120,
                                        121,
                                        "One transaction only",
                                        "Apply inflation rate to transfer",
                                        false};

const SpanEventEditor::Layout& layoutOf(EventKind kind) {
    if (kind == EventKind::Deposit) return kDeposit;
    if (kind == EventKind::Transfer) return kTransfer;
    return kWithdrawal;
}

// Withdrawal: the smart-withdrawal box and its minimum.
constexpr int kSmart = 111, kSmartMinimum = 112;
// Deposit: the account and the tax box.
constexpr int kDepositTo = 105, kTaxDeposit = 115;
// Transfer: the two accounts.
constexpr int kFrom = 108, kTo = 109;

} // namespace

SpanEventEditor::SpanEventEditor(EditorContext& context, EventKind spanKind)
    : EventEditor(context, spanKind, layoutOf(spanKind).title, layoutOf(spanKind).helpContext),
      layout(layoutOf(spanKind)) {
    const Layout& l = layout;
    addDescription(l.description);
    addEdit(l.startAge, "Start Age", numberText("%-6.2f", event.startAge));
    addEdit(l.endAge, "End Age", numberText("%-6.2f", event.endAge));
    addEdit(l.amount, "Amount", numberText(l.amountFormat, event.amount));
    addEdit(l.applyRate, "Apply Rate", numberText("%-6.2f", event.applyRate), "%");
    if (kind == EventKind::Deposit)
        addAccountCombo(kDepositTo, "Deposit to:", event.toAccountId, false);
    if (kind == EventKind::Transfer) {
        addAccountCombo(kFrom, "From Account:", event.fromAccountId, false);
        addAccountCombo(kTo, "To Account:", event.toAccountId, false);
    }
    addFlag(l.oneTime, l.oneTimeLabel, event.oneTime);
    addFlag(l.inflation, l.inflationLabel, event.applyInflation);
    if (kind == EventKind::Deposit)
        addFlag(kTaxDeposit, "Tax deposit at current tax rate", event.taxDeposit);
    if (kind == EventKind::Withdrawal) {
        addFlag(kSmart, "Use smart withdrawal", event.useSmartWithdrawal);
        addEdit(kSmartMinimum, "Minimum smart withdrawal",
                numberText("%-11.2f", event.minSmartWithdrawal));
    }
    addButton(kOk, "OK");
    addButton(kCancel, "Cancel");
    addButton(kHelp, "Help");
}

bool SpanEventEditor::readEndAge() {
    // A one-time event has no span: whatever is typed is read without a check.
    if (event.oneTime) {
        event.endAge = static_cast<float>(wholeNumber(parse(layout.endAge)));
        return true;
    }
    return checkAge(layout.endAge, event.endAge, "END AGE ERROR", layout.truncateCheckedEndAge);
}

bool SpanEventEditor::readFields() {
    const Layout& l = layout;
    if (!checkAge(l.startAge, event.startAge, "START AGE ERROR", true)) return false;
    if (!readEndAge()) return false;
    if (!event.oneTime && event.endAge < event.startAge)
        return refuse(l.endAge, "The End Age must not be less than the Start Age.",
                      "END AGE ERROR");
    if (!check(l.amount, event.amount, {1, 100000000, text_id::kAmount, "AMOUNT ERROR"}))
        return false;
    if (!check(l.applyRate, event.applyRate, {-20, 20, text_id::kAppliedRate, "APPLY RATE ERROR"}))
        return false;
    if (kind == EventKind::Withdrawal) event.minSmartWithdrawal = parse(kSmartMinimum, 9);
    if (kind == EventKind::Deposit)
        event.toAccountId = static_cast<int16_t>(chosenAccount(kDepositTo));
    if (kind == EventKind::Transfer) {
        event.fromAccountId = static_cast<int16_t>(chosenAccount(kFrom));
        event.toAccountId = static_cast<int16_t>(chosenAccount(kTo));
    }
    return true;
}

} // namespace finplan
