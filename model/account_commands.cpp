#include "model/account_commands.h"

#include "model/accounts_file.h"
#include "model/file_names.h"
#include "model/file_prompts.h"

namespace finplan {

namespace {

FileChoice accountsChoice(const char* title, const std::string& accountsPath) {
    return {title, "Account Files (*.ACC)|*.acc", files::kAccountsExtension, accountsPath};
}

FileChoice tabChoice(const char* title) {
    return {title, "Import Tab Files (*.KVI)|*.kvi|Text Files (*.TXT)|*.txt",
            files::kImportExtension, ""};
}

} // namespace

void saveAccountsCommand(const Scenario& s, KnownFile& accountsFile, FileChooser& chooser,
                         Messages& messages) {
    const auto path = chooser.saveFile(accountsChoice("Write Accounts", accountsFile.path));
    if (!path) return;
    if (!confirmReplaceChanged(accountsFile, *path, messages)) return;
    accountsFile.remember(*path, std::nullopt);
    std::string reason;
    if (writeAccountsFile(s.accounts, *path, messages, &reason) == 0) {
        messages.show(withReason("Cannot write " + *path + " accounts file!", reason),
                      "Write Error", MessageIcon::Error);
        return;
    }
    accountsFile.remember(*path);
}

bool readAccountsCommand(Scenario& s, KnownFile& accountsFile, FileChooser& chooser,
                         Messages& messages) {
    const auto path = chooser.openFile(accountsChoice("Read Accounts", accountsFile.path));
    if (!path) return false;
    const auto stamp = stampOf(*path); // before reading: a change meanwhile shows
    accountsFile.remember(*path, std::nullopt);
    std::string reason;
    if (readAccountsFile(s.accounts, *path, messages, &reason) == 0) {
        messages.show(withReason("Cannot read " + *path + " accounts file!", reason), "Read Error",
                      MessageIcon::Error);
        return false;
    }
    accountsFile.remember(*path, stamp);
    return true;
}

bool importAccountDataCommand(Scenario& s, const AccountListSort& sort, AccountCompleter& completer,
                              FileChooser& chooser, Messages& messages) {
    const auto path = chooser.openFile(tabChoice("Update Accounts From a Tab File"));
    return path && importAccountDataFile(s, sort, completer, *path, messages);
}

bool importAccountDataFile(Scenario& s, const AccountListSort& sort, AccountCompleter& completer,
                           const std::string& path, Messages& messages) {
    // A file that cannot be opened changes nothing.
    return updateTabAccountsFile(s, path, sort, completer, messages).opened;
}

bool offerTabAccountsAfterNew(Scenario& s, AccountCompleter& completer, FileChooser& chooser,
                              Messages& messages) {
    if (!messages.ask("Do you wish to read the accounts from a tab-delimited file?", "",
                      MessageIcon::Warning))
        return false;
    const auto path = chooser.openFile(tabChoice("Read Accounts From a Tab File"));
    if (!path) return false;
    return readTabAccountsFile(s, *path, completer, messages).opened;
}

} // namespace finplan
