#include "shell/logic/folder_tabs.h"

#include <algorithm>

#include "text/format.h"

namespace finplan {

std::string accountTabLabel(int n) {
    if (n < 1 || n > 50) return {};
    if (n <= 10) return n == 1 ? "Account 1" : format("Accounts 1-%1d", n);
    int first = (n - 1) / 10 * 10 + 1; // 11, 21, 31, 41
    if (n == first) return format("Account %d", n);
    return format("Accounts %d-%2d", first, n);
}

std::vector<std::string> folderTabLabels(int accountCount, bool summaryShown) {
    std::vector<std::string> labels = {summaryShown ? "Summary" : kBrandTabLabel,
                                       "Accounts",
                                       "Scenario",
                                       "Results",
                                       "Net Worth",
                                       "Incoming/Outgoing",
                                       "Incoming",
                                       "Outgoing",
                                       "Groups"};
    int count = std::clamp(accountCount, 0, 50);
    for (int i = 1; i <= count / 10; ++i)
        labels.push_back(accountTabLabel(10 * i));
    if (count % 10 != 0) labels.push_back(accountTabLabel(count));
    labels.push_back(kAnalysisTabLabel);
    return labels;
}

int analysisTab(int accountCount) {
    const int count = std::clamp(accountCount, 0, 50);
    return tab::kFirstAccountTab + (count + 9) / 10;
}

AccountRange accountTabRange(int tabIndex, int accountCount) {
    if (tabIndex < tab::kFirstAccountTab || tabIndex > tab::kLastTab) return {};
    int first = (tabIndex - tab::kFirstAccountTab) * 10;
    int last = std::min(std::clamp(accountCount, 0, 50), first + 10);
    return {first, std::max(0, last - first)};
}

GraphTab graphTab(int t) {
    switch (t) {
    case tab::kNetWorth:
        return {GraphKind::NetWorth, "NET WORTH"};
    case tab::kNetWorth + 1:
        return {GraphKind::InOut, "INCOMING / OUTGOING"};
    case tab::kNetWorth + 2:
        return {GraphKind::Incoming, "INCOMING"};
    case tab::kNetWorth + 3:
        return {GraphKind::Outgoing, "OUTGOING"};
    case tab::kGroups:
        return {GraphKind::Groups, "GROUPS"};
    default:
        break;
    }
    if (t >= tab::kFirstAccountTab && t <= tab::kLastTab) return {GraphKind::Accounts, "ACCOUNTS"};
    return {};
}

bool accountTabsDiffer(const std::vector<std::string>& shown, int accountCount) {
    const std::vector<std::string> wanted = folderTabLabels(accountCount, true);
    if (shown.size() != wanted.size()) return true;
    return !std::equal(wanted.begin() + tab::kFirstAccountTab, wanted.end(),
                       shown.begin() + tab::kFirstAccountTab);
}

bool graphHasData(int accountCount, int eventCount) {
    return accountCount > 0 && eventCount > 0;
}

FolderSwitchPlan planFolderSwitch(int t, bool resultsStale, bool resultsPageExists,
                                  bool summaryShown, bool analysis) {
    FolderSwitchPlan plan;
    plan.dropResultsPage = resultsStale;
    if (analysis) {
        plan.rebuildTabs = true;
        return plan;
    }
    bool pageLeft = resultsPageExists && !resultsStale;
    plan.runFirst = (t == 0 || t >= tab::kNetWorth) && (resultsStale || !pageLeft);
    plan.graphPrintEnabled = t >= tab::kNetWorth;
    plan.rebuildTabs = t != tab::kScenario && (t != 0 || summaryShown);
    return plan;
}

} // namespace finplan
