// The row of folder tabs: fixed folders 0..8, then one tab per started group of ten
// accounts, and the rules of a folder switch.
#pragma once

#include <string>
#include <vector>

#include "graphs/graph_state.h"

namespace finplan {

namespace tab {
inline constexpr int kSummary = 0;
inline constexpr int kAccounts = 1;
inline constexpr int kScenario = 2;
inline constexpr int kResults = 3;
inline constexpr int kNetWorth = 4;
inline constexpr int kGroups = 8;
inline constexpr int kFirstAccountTab = 9;
inline constexpr int kLastTab = 13;
} // namespace tab

// Label of the first tab before any other folder was shown.
inline constexpr const char* kBrandTabLabel = "Welcome";

// Label of the account tab that ends with account number n (1..50).
std::string accountTabLabel(int n);

// Every tab label for that account count; summaryShown picks the first label.
std::vector<std::string> folderTabLabels(int accountCount, bool summaryShown);

// First account and account count shown on account tab t (9..13).
struct AccountRange {
    int first = 0;
    int count = 0;
};
AccountRange accountTabRange(int tabIndex, int accountCount);

// Graph kind and title of graph tab t (4..13); GraphKind::None for other tabs.
struct GraphTab {
    int kind = GraphKind::None;
    const char* title = "";
};
GraphTab graphTab(int tabIndex);

// True when the account tabs among the shown labels are not those of that account count
// (a scenario with other accounts was opened while the tab row stayed).
bool accountTabsDiffer(const std::vector<std::string>& shown, int accountCount);

// Graph folders and the Summary draw only a scenario with both accounts and events.
bool graphHasData(int accountCount, int eventCount);

// What a folder switch to tab t has to do, decided from the change flags.
struct FolderSwitchPlan {
    bool dropResultsPage = false; // the kept Results page is out of date
    bool runFirst = false;        // a summary or graph needs a fresh run
    bool graphPrintEnabled = false;
    bool rebuildTabs = false;
};
FolderSwitchPlan planFolderSwitch(int t, bool resultsStale, bool resultsPageExists,
                                  bool summaryShown);

} // namespace finplan
