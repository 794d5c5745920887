// The File-menu commands that move accounts in and out of the scenario: Save
// Accounts, Read Accounts, Import Account Data, and the tab-file read offered after
// New. Each asks for its file through the FileChooser and reports through Messages;
// the shell then shows the folder it names.
#pragma once

#include <string>

#include "model/account_list.h"
#include "model/file_stamp.h"
#include "model/scenario.h"
#include "model/tab_import.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"

namespace finplan {

// Save Accounts. The chosen path is kept in accountsFile for the next use of either
// accounts-file command, with what the file was after it was read or written, so one
// another program changed since is replaced only when the user says so.
void saveAccountsCommand(const Scenario& s, KnownFile& accountsFile, FileChooser& chooser,
                         Messages& messages);

// Read Accounts. True when the accounts were replaced: the caller marks them read and
// the shell rebuilds the results,
// closes the results and graph windows and shows the Accounts folder.
bool readAccountsCommand(Scenario& s, KnownFile& accountsFile, FileChooser& chooser,
                         Messages& messages);

// Import Account Data (also the Accounts folder's Import button). True when a file was
// chosen and opened; the caller then marks the accounts read, and the shell reruns and
// shows the Results folder when results were on screen.
bool importAccountDataCommand(Scenario& s, const AccountListSort& sort, AccountCompleter& completer,
                              FileChooser& chooser, Messages& messages);
// Import Account Data from a file already chosen (a file dropped on the folder).
bool importAccountDataFile(Scenario& s, const AccountListSort& sort, AccountCompleter& completer,
                           const std::string& path, Messages& messages);

// After New: "Do you wish to read the accounts from a tab-delimited file?"; Yes
// offers the file dialog and reads the chosen file. True when a file was read.
bool offerTabAccountsAfterNew(Scenario& s, AccountCompleter& completer, FileChooser& chooser,
                              Messages& messages);

} // namespace finplan
