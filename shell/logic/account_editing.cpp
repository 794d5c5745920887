#include "shell/logic/account_editing.h"

#include "model/scenario_ops.h"
#include "shell/logic/groups_presenter.h"

namespace finplan {

// Mode 99: the account the import filled is completed (or left out) in the dialog.
class AccountEditing::DialogCompleter : public AccountCompleter {
  public:
    DialogCompleter(ScenarioSession& tracking, Messages& shown, AccountDialogs& shownDialogs)
        : session(tracking), messages(shown), dialogs(shownDialogs) {}
    // The import fills the scenario of the session.
    bool complete(Scenario& /*s*/, int slot) override {
        AccountInfoPresenter dialog(session, AccountDialogMode::Import, slot, messages);
        return dialogs.showAccountInfo(dialog);
    }

  private:
    ScenarioSession& session;
    Messages& messages;
    AccountDialogs& dialogs;
};

AccountEditing::AccountEditing(ScenarioSession& tracking, Messages& shown,
                               AccountDialogs& shownDialogs, UndoStack& steps)
    : session(tracking), scenario(tracking.scenario), messages(shown), dialogs(shownDialogs),
      undo(steps), completer(std::make_unique<DialogCompleter>(tracking, shown, shownDialogs)) {}

AccountEditing::~AccountEditing() = default;

AccountCompleter& AccountEditing::importCompleter() {
    return *completer;
}

bool AccountEditing::requestAdd() {
    repairAccountCount(scenario);
    if (scenario.accounts.accountCount >= kMaxAccounts) {
        messages.show("Maximum number of accounts reached!", "Account Warning",
                      MessageIcon::Warning);
        return false;
    }
    mode = AccountDialogMode::Add;
    return true;
}

bool AccountEditing::requestEdit(int row) {
    if (row < 0 || row >= scenario.accounts.usableCount()) return false;
    mode = AccountDialogMode::Edit;
    selected = row;
    return true;
}

bool AccountEditing::openAccountInfo() {
    ScenarioSnapshot before(scenario);
    AccountInfoPresenter dialog(session, mode, selected, messages);
    // The folder asks again for each opening; a stray command 200 adds.
    mode = AccountDialogMode::Add;
    if (!dialogs.showAccountInfo(dialog)) return false;
    undo.record(dialog.changeLabel(), before, scenario);
    return true;
}

bool AccountEditing::editGroups() {
    ScenarioSnapshot before(scenario);
    GroupsPresenter dialog(session, messages);
    if (!dialogs.showGroups(dialog)) return false;
    undo.record("Edit Group Names", before, scenario);
    return true;
}

bool AccountEditing::deleteRow(int row) {
    if (row < 0 || row >= scenario.accounts.usableCount()) return false;
    if (!canDeleteAccount(scenario, row, messages)) return false;
    ScenarioSnapshot before(scenario);
    const std::string name(fieldText(scenario.accounts.accounts[row].name));
    deleteAccount(scenario, row);
    session.changed(ScenarioChange::AccountDeleted);
    undo.record("Delete Account '" + name + "'", before, scenario);
    return true;
}

bool AccountEditing::recorded(const std::string& name, const std::function<bool()>& change) {
    ScenarioSnapshot before(scenario);
    const bool result = change();
    undo.record(name, before, scenario);
    return result;
}

} // namespace finplan
