#include "shell/logic/menu_model.h"

#include "shell/logic/command_ids.h"

namespace finplan {

namespace {
MenuEntry item(int id, const char* text) {
    return {id, text, {}};
}
MenuEntry separator() {
    return {};
}
MenuEntry popup(const char* text, std::vector<MenuEntry> items) {
    return {0, text, std::move(items)};
}
} // namespace

const std::vector<MenuEntry>& retireMenu() {
    using namespace cmd;
    static const std::vector<MenuEntry> menu = {
        popup("&File", {item(kNew, "&New\tAlt+n"), item(kOpen, "&Open...\tAlt+o"),
                        item(kSave, "&Save\tAlt+s"), item(kSaveAs, "S&ave as..\tAlt+a"),
                        separator(), item(kImportAccounts, "&Import Account Data\tAlt+i"),
                        item(kExportResults, "&Export Account Results\tAlt+e"), separator(),
                        item(kSaveAccounts, "Save A&ccounts\tAlt+c"),
                        item(kReadAccounts, "&Read Accounts\tAlt+r"),
                        item(kReindexAccounts, "Re-Index Accounts"), separator(),
                        item(kSaveGraphs, "Save &Graphs\tAlt+g"), separator(),
                        item(kExit, "E&xit\tAlt+x"), separator(), item(kAbout, "A&bout..\tAlt+b")}),
        popup("&Edit", {item(kUndo, "&Undo\tCtrl+Z"), item(kRedo, "&Redo\tCtrl+Shift+Z"),
                        separator(), item(kInitialValues, "&Initial Values\tAlt+i"),
                        popup("&Add Event To Scenario\tAlt+a",
                              {item(kAddWithdrawal, "&Withdrawal\tAlt+w"),
                               item(kAddDeposit, "&Deposit\tAlt+d"), item(kAddLoan, "&Loan\tAlt+l"),
                               item(kAddMortgage, "&Mortgage\tAlt+m"),
                               item(kAddTransfer, "&Transfer\tAlt+t"),
                               item(kAddFundamentals, "&Fundamentals\tAlt+f")}),
                        item(kGroupNames, "&Group Names\tAlt+g")}),
        popup("&Tools/Aids",
              {item(kMortgageCalculator, "&Mortgage Calculator\tAlt+m"),
               item(kRefinance, "&Refinance Analysis\tAlt+r"),
               item(kAccelerated, "&Accelerated Mortgage Payment Analysis\tAlt+a"),
               item(kInflationCalculator, "&Inflation Calculator\tAlt+i"),
               item(kTaxInflationInvestment, "Ta&xes/Inflation/Investment Analysis\tAlt+x"),
               item(kTradeOff, "&Trade-off Analysis\tAlt+t"),
               item(kCompareScenarios, "&Compare Scenarios\tAlt+c"), separator(),
               item(kDesktopCalculator, "&Window's Calculator\tAlt+w")}),
        popup("&Print", {item(kPrintResults, "Print &Results\tAlt+r"),
                         item(kPrintGraph, "&Print Current Graph\tAlt+p")}),
        popup("&Graphs", {item(kGraphWindow, "&Create Graph Window\tAlt+c"),
                          item(kSaveGraphs, "Save &Graphs\tAlt+g"),
                          item(kPrintGraph2, "&Print Current Graph\tAlt+p")}),
        popup("&Quick Tips",
              {item(kTipImport, "&Importing Account Data From A Tab-Delimited File\tAlt+i"),
               item(kTipExport, "&Exporting Account Data To A Tab-Delimited File\tAlt+e"),
               item(kTipSummary, "&Summary Folder\tAlt+s"),
               item(kTipAccounts, "&Accounts Folder\tAlt+a"),
               item(kTipResults, "&Results Folder\tAlt+r"),
               item(kTipGraphs, "&Graph Functionality\tAlt+g")}),
        popup("&Help", {item(kFolderHelp, "Help On This &Folder\tF1"),
                        item(kHelpContents, "&Table Of Contents\tAlt+t"),
                        item(kHelpOnHelp, "&Help On Help\tAlt+h")}),
    };
    return menu;
}

const std::vector<ToolButton>& toolbarButtons() {
    using namespace cmd;
    const ToolButton sep{};
    static const std::vector<ToolButton> buttons = {
        {0, kNew, "Create a New Scenario"},
        {1, kOpen, "Open a Scenario"},
        {2, kSave, "Save the Scenario"},
        {3, kSaveAs, "Save Scenario Under a Different Name"},
        sep,
        {4, kImportAccounts, "Import Accounts"},
        {5, kExportResults, "Export Accounts"},
        {6, kSaveAccounts, "Write Accounts To a File"},
        {7, kReadAccounts, "Read Accounts From a File"},
        sep,
        {8, kPrintResults, "Print the Results"},
        sep,
        {9, kSaveGraphs, "Save Graphs To a File"},
        {10, kPrintGraph, "Print Current Graph"},
        {11, kGraphWindow, "Open A Graph Window"},
        sep,
        {13, kMortgageCalculator, "Mortgage Calculator"},
        {14, kRefinance, "Refinance Mortgage Calculator"},
        {15, kAccelerated, "Accelerated Mortgage Calculator"},
        {16, kInflationCalculator, "Inflation Calculator"},
        {17, kTaxInflationInvestment, "Tax/Inflation/Investment Analysis"},
        {18, kTradeOff, "Trade-off Analysis"},
        {19, kCompareScenarios, "Compare Scenarios"},
        {20, kDesktopCalculator, "Open Window's Calculator"},
        sep,
        {21, kAbout, "About the Financial Planner"},
        sep,
        sep,
        sep,
        sep,
        sep,
        sep,
        {12, kHelpContents, "Help"},
    };
    return buttons;
}

const std::vector<int>& noScenarioGreyedIds() {
    static const std::vector<int> ids = {11,  403, 404, 108, 101, 106, 107, 109, 110, 3,   12,  13,
                                         9,   8,   4,   7,   102, 103, 401, 505, 502, 503, 504, 501,
                                         885, 882, 177, 881, 402, 10,  776, 777, 778, 179, 178};
    return ids;
}

} // namespace finplan
