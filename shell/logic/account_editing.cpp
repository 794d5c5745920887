#include "shell/logic/account_editing.h"

#include "model/scenario_ops.h"
#include "shell/logic/groups_presenter.h"

namespace finplan {

// Mode 99: the account the import filled is completed (or left out) in the dialog.
class AccountEditing::DialogCompleter : public AccountCompleter {
  public:
    DialogCompleter(Messages& messages, AccountDialogs& dialogs)
        : messages(messages), dialogs(dialogs) {}
    bool complete(Scenario& s, int slot) override {
        AccountInfoPresenter dialog(s, AccountDialogMode::Import, slot, messages);
        return dialogs.showAccountInfo(dialog);
    }

  private:
    Messages& messages;
    AccountDialogs& dialogs;
};

AccountEditing::AccountEditing(Scenario& scenario, Messages& messages, AccountDialogs& dialogs,
                               UndoStack& undo)
    : scenario(scenario), messages(messages), dialogs(dialogs), undo(undo),
      completer(std::make_unique<DialogCompleter>(messages, dialogs)) {}

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
    AccountInfoPresenter dialog(scenario, mode, selected, messages);
    // The folder asks again for each opening; a stray command 200 adds.
    mode = AccountDialogMode::Add;
    if (!dialogs.showAccountInfo(dialog)) return false;
    undo.record(dialog.changeLabel(), before, scenario);
    return true;
}

bool AccountEditing::editGroups() {
    ScenarioSnapshot before(scenario);
    GroupsPresenter dialog(scenario, messages);
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
    // Without a mark the deletion would be lost at exit without the save question.
    scenario.accountsModified = true;
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
