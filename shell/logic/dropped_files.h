// Files dropped on the main window: what each one does where it lands.
#pragma once

#include <string>

namespace finplan {

enum class DropKind {
    None,       // not taken there
    Scenario,   // a ".ret" anywhere on the window: opened as File ▸ Open does
    TabAccounts // a ".kvi" or ".txt" on the Accounts folder: imported as Import Account Data
};

DropKind dropKindOf(const std::string& path, bool onAccountsFolder);

} // namespace finplan
