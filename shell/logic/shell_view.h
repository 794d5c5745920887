// What the command presenter asks of the main window.
#pragma once

#include <optional>
#include <string>

#include "graphs/fan_chart.h"

#include "model/recent_files.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

// The main window is also where the dialogs and calculators open (DialogHost).
class ShellView : public DialogHost {
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
    // New or Open put another scenario in place: what was worked out for the one
    // before (the Analysis folder's result) goes.
    virtual void scenarioReplaced() {}
    // The accounts changed in place (an import): the tab row and an Accounts folder on
    // show follow at once.
    virtual void showAccountsChanged() = 0;
    virtual void showAbout() = 0;
    virtual void toggleToolbar() = 0;
    // Posts a close request; closing asks the save question and writes the placement.
    virtual void requestClose() = 0;
    // The fan chart of the Analysis folder while that folder shows an analysis.
    virtual std::optional<FanChart> shownFanChart() const { return std::nullopt; }
    // A window without dialogs (tests of the commands alone) cancels every one.
    bool runDialog(DialogPresenter& /*dialog*/) override { return false; }
};

} // namespace finplan
