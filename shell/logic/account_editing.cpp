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
        AccountInfoPresenter dialog(editing.session_, AccountDialogMode::Import, slot,
                                    editing.messages_, editing.help_);
        return editing.host_.runDialog(dialog);
    }

  private:
    AccountEditing& editing;
};

AccountEditing::AccountEditing(ScenarioSession& tracking, Messages& shown, Help& manual,
                               DialogHost& dialogs, UndoStack& changes)
    : session_(tracking), scenario_(tracking.scenario), messages_(shown), help_(manual),
      host_(dialogs), undo_(changes), completer_(std::make_unique<DialogCompleter>(*this)) {}

AccountEditing::~AccountEditing() = default;

AccountCompleter& AccountEditing::importCompleter() {
    return *completer_;
}

bool AccountEditing::requestAdd() {
    repairAccountCount(scenario_);
    if (scenario_.accounts.accountCount >= kMaxAccounts) {
        messages_.show("Maximum number of accounts reached!", "Account Warning",
                       MessageIcon::Warning);
        return false;
    }
    mode_ = AccountDialogMode::Add;
    return true;
}

bool AccountEditing::requestEdit(int row) {
    if (row < 0 || row >= scenario_.accounts.usableCount()) return false;
    mode_ = AccountDialogMode::Edit;
    selected_ = row;
    return true;
}

bool AccountEditing::openAccountInfo() {
    ScenarioSnapshot before(scenario_);
    AccountInfoPresenter dialog(session_, mode_, selected_, messages_, help_);
    // The folder asks again for each opening; a stray command 200 adds.
    mode_ = AccountDialogMode::Add;
    if (!host_.runDialog(dialog)) return false;
    undo_.record(dialog.changeLabel(), before, scenario_);
    return true;
}

bool AccountEditing::editGroups() {
    ScenarioSnapshot before(scenario_);
    GroupsPresenter dialog(session_, messages_, help_);
    if (!host_.runDialog(dialog)) return false;
    undo_.record("Edit Group Names", before, scenario_);
    return true;
}

bool AccountEditing::deleteRow(int row) {
    if (row < 0 || row >= scenario_.accounts.usableCount()) return false;
    if (!canDeleteAccount(scenario_, row, messages_)) return false;
    ScenarioSnapshot before(scenario_);
    const std::string name(fieldText(scenario_.accounts.accounts[row].name));
    deleteAccount(scenario_, row);
    session_.changed(ScenarioChange::AccountDeleted);
    undo_.record("Delete Account '" + name + "'", before, scenario_);
    return true;
}

bool AccountEditing::recorded(const std::string& name, const std::function<bool()>& change) {
    ScenarioSnapshot before(scenario_);
    const bool result = change();
    undo_.record(name, before, scenario_);
    return result;
}

} // namespace finplan
