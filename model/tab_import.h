// Creating and updating accounts from a tab-delimited account-balance report.
#pragma once

#include <istream>
#include <string>

#include "model/account_list.h"
#include "model/scenario.h"
#include "model/tab_import_line.h"
#include "platform/messages.h"

namespace finplan {

// Completes an account that the import has just filled in slot `slot` (the slot at
// accountCount), as the Account Information dialog does in its import mode: OK stores
// the fields and counts the account in (assignAccountId), Cancel leaves it out.
class AccountCompleter {
  public:
    virtual ~AccountCompleter() = default;
    virtual bool complete(Scenario& s, int slot) = 0;
};

// Takes every account as the import filled it (the dialog's OK without changes).
class AcceptDefaultsCompleter : public AccountCompleter {
  public:
    bool complete(Scenario& s, int slot) override;
};

struct TabImportResult {
    bool opened = false;    // false: the file could not be opened, nothing changed
    bool proceeded = false; // Update: the accounts were matched and the user went on
    int updated = 0;        // Update: account amounts set from lines
    int added = 0;          // accounts counted in through the completer
    int duplicatesRemoved = 0;
};

// Fills slot `slot` with the defaults of an imported account.
void fillImportedAccount(Account& a, int slot, const ImportLine& line);

// Read: every usable line becomes a new account, until the table is full.
TabImportResult readTabAccounts(Scenario& s, std::istream& in, AccountCompleter& completer,
                                Messages& messages);

// Update: lines naming existing accounts set their initial amounts, others may be added;
// afterwards the table is in list order with neighbouring duplicates removed. `in`
// must be seekable (it is read twice); `fileName` appears in the messages.
TabImportResult updateTabAccounts(Scenario& s, std::istream& in, const std::string& fileName,
                                  const AccountListSort& sort, AccountCompleter& completer,
                                  Messages& messages);

// The same for a file; a file that cannot be opened shows "Cannot open %s.".
TabImportResult readTabAccountsFile(Scenario& s, const std::string& path,
                                    AccountCompleter& completer, Messages& messages);
TabImportResult updateTabAccountsFile(Scenario& s, const std::string& path,
                                      const AccountListSort& sort, AccountCompleter& completer,
                                      Messages& messages);

} // namespace finplan
