// The six event editors and the Account Rate dialog of the Fundamentals editor.
#pragma once

#include <map>
#include <memory>

#include "shell/logic/event_editor.h"

namespace finplan {

// The editor of an event kind for the session's slot currentEvent (the caller has set up
// the slot protocol: beginAddEvent or beginEditEvent). Null for a kind without an editor.
std::unique_ptr<EventEditor> makeEventEditor(EditorContext& context, EventKind kind);

// Withdrawal, Deposit and Transfer: an amount over a span of ages.
class SpanEventEditor : public EventEditor {
  public:
    struct Layout;
    SpanEventEditor(EditorContext& context, EventKind kind);

  protected:
    bool readFields() override;

  private:
    bool readEndAge();
    const Layout& layout_;
};

// Loan and Mortgage: a payment computed from amount, down payment, rate and years.
class LoanEditor : public EventEditor {
  public:
    struct Ids; // the control ids and labels of one layout
    LoanEditor(EditorContext& context, EventKind kind);

  protected:
    bool readFields() override;
    Press pressOther(ControlId button) override;
    void toggle(ControlId id) override;

  private:
    bool isMortgage() const { return kind == EventKind::Mortgage; }
    void addMortgageFields();
    void takeHandOver();
    bool readMortgageExtras();
    void showPayment();
    Press acceleratedAnalysis();
    void notAvailable(const char* what);
    const Ids& ids_;
};

class FundamentalsEditor : public EventEditor {
  public:
    explicit FundamentalsEditor(EditorContext& context);

  protected:
    bool readFields() override;
    Press pressOther(ControlId button) override;
    void activate(ControlId id) override;

  private:
    void changeRate();
    bool rateChanged_ = false;
    std::map<int, float> rates_; // account id -> rate typed in the Account Rate dialog
};

// "Account Rate": the rate a Fundamentals event gives one account.
class AccountRateDialog : public DialogPresenter {
  public:
    AccountRateDialog(const std::string& accountName, float& rate, Messages& messages);
    Press press(ControlId button) override;

  private:
    float& rate_;
    Messages& messages_;
};

} // namespace finplan
