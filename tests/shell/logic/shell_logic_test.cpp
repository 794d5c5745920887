// The shell's tables and rules that need no display: tab labels, folder switches,
// menu and toolbar tables, the command table's "always" rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/main_presenter.h"
#include "shell/logic/menu_model.h"

namespace finplan {
namespace {

TEST(FolderTabs, AccountTabLabelsFollowTheAccountCount) {
    struct Row {
        int accounts;
        std::vector<std::string> accountTabs;
    };
    const Row rows[] = {
        {0, {}},
        {1, {"Account 1"}},
        {7, {"Accounts 1-7"}},
        {10, {"Accounts 1-10"}},
        {11, {"Accounts 1-10", "Account 11"}},
        {25, {"Accounts 1-10", "Accounts 11-20", "Accounts 21-25"}},
        {41, {"Accounts 1-10", "Accounts 11-20", "Accounts 21-30", "Accounts 31-40", "Account 41"}},
        {50,
         {"Accounts 1-10", "Accounts 11-20", "Accounts 21-30", "Accounts 31-40", "Accounts 41-50"}},
        {60,
         {"Accounts 1-10", "Accounts 11-20", "Accounts 21-30", "Accounts 31-40", "Accounts 41-50"}},
    };
    for (const Row& r : rows) {
        auto labels = folderTabLabels(r.accounts, true);
        ASSERT_EQ(labels.size(), 9 + r.accountTabs.size()) << r.accounts << " accounts";
        EXPECT_EQ(labels[0], "Summary");
        EXPECT_EQ(labels[8], "Groups");
        for (size_t i = 0; i < r.accountTabs.size(); ++i)
            EXPECT_EQ(labels[9 + i], r.accountTabs[i]) << r.accounts << " accounts";
    }
    EXPECT_EQ(folderTabLabels(0, false)[0], kBrandTabLabel);
}

TEST(FolderTabs, AccountTabsShowAtMostTenAccountsEach) {
    EXPECT_EQ(accountTabRange(9, 25).first, 0);
    EXPECT_EQ(accountTabRange(9, 25).count, 10);
    EXPECT_EQ(accountTabRange(11, 25).first, 20);
    EXPECT_EQ(accountTabRange(11, 25).count, 5);
    EXPECT_EQ(accountTabRange(12, 25).count, 0);
    EXPECT_EQ(graphTab(8).kind, 7);
    EXPECT_STREQ(graphTab(5).title, "INCOMING / OUTGOING");
    EXPECT_EQ(graphTab(13).kind, 5);
    EXPECT_EQ(graphTab(3).kind, 0);
}

TEST(FolderTabs, SwitchRerunsOnlyWhereTheRulesSay) {
    struct Row {
        int tab;
        bool stale, pageExists, summary;
        bool drop, run, print, rebuild;
    };
    const Row rows[] = {
        // Results, Accounts and Scenario never run first; the Results page runs itself.
        {3, true, true, true, true, false, false, true},
        {2, false, false, true, false, false, false, false},
        {1, true, false, true, true, false, false, true},
        // Summary and graphs run when the results are stale or no page is kept.
        {0, false, true, true, false, false, false, true},
        {0, false, false, false, false, true, false, false},
        {4, true, true, true, true, true, true, true},
        {13, false, true, true, false, false, true, true},
        {9, false, false, true, false, true, true, true},
    };
    for (const Row& r : rows) {
        FolderSwitchPlan p = planFolderSwitch(r.tab, r.stale, r.pageExists, r.summary);
        EXPECT_EQ(p.dropResultsPage, r.drop) << "tab " << r.tab;
        EXPECT_EQ(p.runFirst, r.run) << "tab " << r.tab;
        EXPECT_EQ(p.graphPrintEnabled, r.print) << "tab " << r.tab;
        EXPECT_EQ(p.rebuildTabs, r.rebuild) << "tab " << r.tab;
    }
}

TEST(FolderTabs, AccountTabsDifferWhenTheAccountsChanged) {
    struct Row {
        int shownAccounts, accounts;
        bool shownSummary;
        bool differ;
    };
    const Row rows[] = {
        {0, 0, false, false},  {0, 8, false, true}, // no account tab yet for eight accounts
        {8, 8, false, false}, // only the first label differs: no rebuild for that
        {8, 5, true, true},   // "Accounts 1-8" would name accounts that are gone
        {25, 21, true, true}, // "Accounts 21-25" against "Account 21"
        {20, 20, true, false}, {12, 0, true, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(accountTabsDiffer(folderTabLabels(r.shownAccounts, r.shownSummary), r.accounts),
                  r.differ)
            << r.shownAccounts << " shown, " << r.accounts << " now";
}

TEST(FolderTabs, GraphsNeedAccountsAndEvents) {
    EXPECT_FALSE(graphHasData(0, 0));
    EXPECT_FALSE(graphHasData(8, 0));
    EXPECT_FALSE(graphHasData(0, 3));
    EXPECT_TRUE(graphHasData(1, 1));
}

TEST(MenuModel, ToolbarHasThirtyThreeButtonsInTheListedOrder) {
    const auto& buttons = toolbarButtons();
    ASSERT_EQ(static_cast<int>(buttons.size()), kToolButtonCount);
    int separators = 0;
    std::set<int> images;
    for (const auto& b : buttons) {
        if (b.image < 0) {
            ++separators;
            continue;
        }
        EXPECT_LT(b.image, kToolImageCount);
        EXPECT_TRUE(images.insert(b.image).second) << "image " << b.image << " twice";
        EXPECT_STRNE(b.tooltip, "");
    }
    EXPECT_EQ(separators, 11);
    EXPECT_EQ(buttons.front().command, cmd::kNew);
    EXPECT_STREQ(buttons[13].tooltip, "Print Current Graph");
    EXPECT_EQ(buttons.back().command, cmd::kHelpContents);
    EXPECT_STREQ(buttons.back().tooltip, "Help");
}

// Collects (id, text) of every item, depth first.
void flatten(const MenuEntry& e, std::vector<const MenuEntry*>& out) {
    for (const auto& i : e.items) {
        out.push_back(&i);
        flatten(i, out);
    }
}

TEST(MenuModel, RetireMenuHasItsPopupsSeparatorsAndTexts) {
    const auto& menu = retireMenu();
    std::vector<std::string> popups;
    for (const auto& p : menu)
        popups.push_back(p.text);
    EXPECT_EQ(popups, (std::vector<std::string>{"&File", "&Edit", "&Tools/Aids", "&Print",
                                                "&Graphs", "&Quick Tips", "&Help"}));
    // File: separators after Save as, Export, Re-Index, Save Graphs and Exit.
    std::vector<int> fileIds;
    for (const auto& i : menu[0].items)
        fileIds.push_back(i.isSeparator() ? 0 : i.id);
    EXPECT_EQ(fileIds, (std::vector<int>{1, 2, 3, 4, 0, 13, 12, 0, 8, 9, 14, 0, 11, 0, 5, 0, 6}));
    std::vector<const MenuEntry*> all;
    for (const auto& p : menu)
        flatten(p, all);
    std::map<int, std::string> texts;
    for (auto* e : all)
        if (e->id) texts[e->id] = e->text;
    EXPECT_EQ(texts[4], "S&ave as..\tAlt+a");
    EXPECT_EQ(texts[884], "&Window's Calculator\tAlt+w");
    EXPECT_EQ(texts[110], "&Fundamentals\tAlt+f");
    EXPECT_EQ(texts[776], "&Importing Account Data From A Tab-Delimited File\tAlt+i");
    EXPECT_EQ(texts[105], "&Help On Help\tAlt+h");
    EXPECT_EQ(texts[720], "&Undo\tCtrl+Z");
    EXPECT_EQ(texts.size(), 42u); // Save Graphs appears in File and Graphs
}

TEST(Commands, OnlyTheListedCommandsActWhileAToolWindowIsOpen) {
    for (int id : {2, 14, 5, 6, 884, 776, 777, 778, 779, 780, 781, 104, 105})
        EXPECT_TRUE(isAlwaysCommand(id)) << id;
    for (int id : {1, 3, 4, 7, 8, 9, 11, 12, 13, 101, 102, 401, 881, 178, 501, 602})
        EXPECT_FALSE(isAlwaysCommand(id)) << id;
}

TEST(Commands, RecentEntriesUseTheirSixIds) {
    EXPECT_EQ(cmd::recentCommand(0), 602);
    EXPECT_EQ(cmd::recentCommand(4), 606);
    EXPECT_EQ(cmd::recentCommand(5), 609);
    EXPECT_EQ(cmd::recentIndex(609), 5);
    EXPECT_EQ(cmd::recentIndex(607), -1);
    EXPECT_EQ(cmd::recentIndex(601), -1);
}

} // namespace
} // namespace finplan
