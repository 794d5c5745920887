// The Account Information dialog without its widgets: the fields as texts, the type
// and group choices, the penalty box and the OK checks. The dialog works on a draft
// of the account, so Cancel or a refused check leaves the scenario as it was.
#pragma once

#include <string>
#include <vector>

#include "model/scenario_session.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

enum class AccountDialogMode {
    Add = 0,     // a new account in slot accountCount
    Edit = 1,    // the account in the selected slot
    Import = 99, // an account the tab import has just filled in slot accountCount
};

struct AccountInfoTexts {
    std::string name;          // 104 "Account Name"
    std::string initialAmount; // 105 "Initial Amount"
    std::string rate;          // 106 "Rate"
    std::string randomMinRate; // 108 "Random Minimum Rate"
    std::string randomMaxRate; // 109 "Random Maximum Rate"
    std::string accessOrder;   // 110 "Access Order"
};

class AccountInfoPresenter {
  public:
    AccountInfoPresenter(ScenarioSession& session, AccountDialogMode mode, int slot,
                         Messages& messages);

    AccountDialogMode mode() const { return dialogMode; }
    // What the view copies in and out.
    AccountInfoTexts texts;

    // Combo 112: the five display names in code order, so an entry is a type code.
    static std::vector<std::string> typeNames();
    int type() const { return draft.type; }
    void chooseType(int code);

    // Combo 107: the existing groups by name (byte-wise); -1 when none is chosen.
    const std::vector<std::string>& groupNames() const { return groupChoices; }
    int groupPosition() const;
    void chooseGroup(int position);

    // Checkbox 111 "Early withdrawals subject to penalty": usable only for Retirement
    // Savings and Tax Free Savings.
    bool penaltyChecked() const { return draft.penaltyFlag == 1; }
    bool penaltyUsable() const;
    void clickPenalty();

    // OK: checks the fields in order; the first failure shows its message and keeps
    // the dialog open with nothing stored. True when the account was stored.
    bool ok();
    // The field whose check refused the last OK, none when none; the dialog puts the
    // focus back there.
    ControlId refusedField() const { return refused; }

    // How the change is named for undo: "Add Account 'Savings'", "Edit Account ...".
    std::string changeLabel() const;

  private:
    ScenarioSession& session;
    Scenario& scenario;
    Messages& messages;
    AccountDialogMode dialogMode;
    int slot;
    Account draft;
    ControlId refused;
    std::vector<std::string> groupChoices;
    std::vector<int> groupOfChoice; // group index of each combo position
};

} // namespace finplan
