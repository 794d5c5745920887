// The Account Information dialog: the account's texts, the type and group choices, the
// penalty box and the OK checks. The dialog works on a draft of the account, so Cancel
// or a refused check leaves the scenario as it was.
#pragma once

#include <string>
#include <vector>

#include "model/scenario_session.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

enum class AccountDialogMode {
    Add = 0,     // a new account in slot accountCount
    Edit = 1,    // the account in the selected slot
    Import = 99, // an account the tab import has just filled in slot accountCount
};

class AccountInfoPresenter : public DialogPresenter {
  public:
    AccountInfoPresenter(ScenarioSession& session, AccountDialogMode mode, int slot,
                         Messages& messages, Help& help);

    AccountDialogMode mode() const { return dialogMode_; }
    Press press(ControlId button) override;
    void toggle(ControlId id) override;
    void choose(ControlId id, int index) override;

    // The type combo: the five display names in code order, so an entry is a type code.
    static std::vector<std::string> typeNames();
    int type() const { return draft_.type; }
    void chooseType(int code);
    // The group combo: the existing groups by name (byte-wise); -1 when none is chosen.
    void chooseGroup(int position);

    // "Early withdrawals subject to penalty": usable only for Retirement Savings and
    // Tax Free Savings.
    bool penaltyChecked() const { return draft_.penaltyFlag == 1; }
    bool penaltyUsable() const;

    // OK: checks the fields in order; the first failure shows its message and keeps
    // the dialog open with nothing stored (takeRefusedField names it). True when the
    // account was stored.
    bool ok();

    // How the change is named for undo: "Add Account 'Savings'", "Edit Account ...".
    std::string changeLabel() const;

  private:
    void addFields();
    void showPenalty();

    ScenarioSession& session_;
    Scenario& scenario_;
    Messages& messages_;
    Help& help_;
    AccountDialogMode dialogMode_;
    int slot_;
    Account draft_;
    std::vector<int> groupOfChoice_; // group index of each combo position
};

} // namespace finplan
