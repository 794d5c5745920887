// What the command presenter asks of the main window.
#pragma once

#include <string>

#include "model/recent_files.h"
#include "shell/logic/account_dialogs.h"

namespace finplan {

class ShellView : public AccountDialogs {
  public:
    virtual ~ShellView() = default;
    virtual void setTitle(const std::string& title) = 0;
    // Normal state, or the no-scenario state that greys nearly everything.
    virtual void setMenuState(bool noScenario) = 0;
    virtual void rebuildRecentMenu(const RecentMenu& menu) = 0;
    // Shows another folder (a tab click, or a command that brings a folder forward).
    virtual void switchFolder(int tab) = 0;
    virtual int currentTab() const = 0;
    virtual bool resultsPageShown() const = 0;
    // Throws away the kept Results page so the next visit runs again.
    virtual void dropResultsPage() = 0;
    // Closes the event list, accounts, results and graph pages (after New and Open).
    virtual void closeScenarioPages() = 0;
    // The accounts changed in place (an import): the tab row and an Accounts folder on
    // show follow at once.
    virtual void showAccountsChanged() = 0;
    virtual void showAbout() = 0;
    virtual void toggleToolbar() = 0;
    // Posts a close request; closing asks the save question and writes the placement.
    virtual void requestClose() = 0;
};

} // namespace finplan
