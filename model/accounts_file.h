// The accounts file (".acc"): the account table alone, exactly as it is stored in a
// scenario file, so accounts can be carried from one scenario to another.
#pragma once

#include <string>

#include "model/records.h"
#include "platform/messages.h"

namespace finplan {

// 1 on success, also when the user declines to overwrite an existing file; 0 when the
// file cannot be written. The old file survives a failed write.
// reason, when given, receives the system's reason for a failure.
int writeAccountsFile(const AccountTable& t, const std::string& path, Messages& messages,
                      std::string* reason = nullptr);

// 1 when the table was replaced by the file's; 0 otherwise, with the table unchanged.
// A file of any length but the table's is refused before anything is taken from it.
int readAccountsFile(AccountTable& t, const std::string& path, Messages& messages,
                     std::string* reason = nullptr);

} // namespace finplan
