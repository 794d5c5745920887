#include "shell/logic/account_editing.h"

#include "model/scenario_ops.h"
#include "shell/logic/groups_presenter.h"

namespace finplan {

// Mode 99: the account the import filled is completed (or left out) in the dialog.
class AccountEditing::DialogCompleter : public AccountCompleter {
  public:
    explicit DialogCompleter(AccountEditing& owner) : editing(owner) {}
    // The import fills the scenario of the session.
    bool complete(Scenario& /*s*/, int slot) override {
        AccountInfoPresenter dialog(editing.session, AccountDialogMode::Import, slot,
                                    editing.messages, editing.help);
        return editing.host.runDialog(dialog);
    }

  private:
    AccountEditing& editing;
};

AccountEditing::AccountEditing(ScenarioSession& tracking, Messages& shown, Help& manual,
                               DialogHost& dialogs, UndoStack& changes)
    : session(tracking), scenario(tracking.scenario), messages(shown), help(manual), host(dialogs),
      undo(changes), completer(std::make_unique<DialogCompleter>(*this)) {}

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
    AccountInfoPresenter dialog(session, mode, selected, messages, help);
    // The folder asks again for each opening; a stray command 200 adds.
    mode = AccountDialogMode::Add;
    if (!host.runDialog(dialog)) return false;
    undo.record(dialog.changeLabel(), before, scenario);
    return true;
}

bool AccountEditing::editGroups() {
    ScenarioSnapshot before(scenario);
    GroupsPresenter dialog(session, messages, help);
    if (!host.runDialog(dialog)) return false;
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
