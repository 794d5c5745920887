#include "shell/logic/account_editing.h"

#include <vector>

#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "shell/logic/groups_presenter.h"

namespace finplan {

namespace {

std::vector<uint8_t> bytesOf(const Scenario& s) {
    auto copy = std::make_unique<Scenario>(s);
    std::vector<uint8_t> out;
    encodeScenario(*copy, out);
    return out;
}

} // namespace

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

AccountEditing::AccountEditing(Scenario& scenario, Messages& messages, AccountDialogs& dialogs)
    : scenario(scenario), messages(messages), dialogs(dialogs),
      completer(std::make_unique<DialogCompleter>(messages, dialogs)) {}

AccountEditing::~AccountEditing() = default;

AccountCompleter& AccountEditing::importCompleter() {
    return *completer;
}

void AccountEditing::record(const std::string& label, const Scenario& before) {
    if (recorder) recorder(label, before);
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
    auto before = std::make_unique<Scenario>(scenario);
    AccountInfoPresenter dialog(scenario, mode, selected, messages);
    // The folder asks again for each opening; a stray command 200 adds.
    mode = AccountDialogMode::Add;
    if (!dialogs.showAccountInfo(dialog)) return false;
    record(dialog.changeLabel(), *before);
    return true;
}

bool AccountEditing::editGroups() {
    auto before = std::make_unique<Scenario>(scenario);
    GroupsPresenter dialog(scenario, messages);
    if (!dialogs.showGroups(dialog)) return false;
    record("Edit Group Names", *before);
    return true;
}

bool AccountEditing::deleteRow(int row) {
    if (row < 0 || row >= scenario.accounts.usableCount()) return false;
    if (!canDeleteAccount(scenario, row, messages)) return false;
    auto before = std::make_unique<Scenario>(scenario);
    const std::string name(fieldText(scenario.accounts.accounts[row].name));
    deleteAccount(scenario, row);
    // Without a mark the deletion would be lost at exit without the save question.
    scenario.accountsModified = true;
    record("Delete Account '" + name + "'", *before);
    return true;
}

bool AccountEditing::recordIfChanged(const std::string& label,
                                     const std::function<bool()>& change) {
    auto before = std::make_unique<Scenario>(scenario);
    const bool result = change();
    if (bytesOf(*before) != bytesOf(scenario)) record(label, *before);
    return result;
}

} // namespace finplan
