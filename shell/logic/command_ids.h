// Command numbers of the main window: menu items, toolbar buttons, accelerators and
// the requests other windows send to the main window.
#pragma once

namespace finplan::cmd {

inline constexpr int kNew = 1;
inline constexpr int kOpen = 2;
inline constexpr int kSave = 3;
inline constexpr int kSaveAs = 4;
inline constexpr int kExit = 5;
inline constexpr int kAbout = 6;
inline constexpr int kInitialValues = 7;
inline constexpr int kSaveAccounts = 8;
inline constexpr int kReadAccounts = 9;
inline constexpr int kAddEventChooser = 10;
inline constexpr int kSaveGraphs = 11;
inline constexpr int kExportResults = 12;
inline constexpr int kImportAccounts = 13;
inline constexpr int kReindexAccounts = 14;

inline constexpr int kAddWithdrawal = 101;
inline constexpr int kGroupNames = 102;
inline constexpr int kEventListEditor = 103;
inline constexpr int kHelpContents = 104;
inline constexpr int kHelpOnHelp = 105;
inline constexpr int kAddDeposit = 106;
inline constexpr int kAddLoan = 107;
inline constexpr int kAddMortgage = 108;
inline constexpr int kAddTransfer = 109;
inline constexpr int kAddFundamentals = 110;

inline constexpr int kInflationCalculator = 177;
inline constexpr int kCompareScenarios = 178;
inline constexpr int kTradeOff = 179;
inline constexpr int kTaxInflationInvestment = 180;
inline constexpr int kAccountInfo = 200;

inline constexpr int kPrintResults = 401;
inline constexpr int kPrintSetup = 402;
inline constexpr int kPrintGraph = 403;
inline constexpr int kPrintGraph2 = 404;
inline constexpr int kGraphWindow = 501;

inline constexpr int kRecent1 = 602; // 602..606, then 609
inline constexpr int kRecentSeparator = 607;
inline constexpr int kRecent6 = 609;

// Edit ▸ Undo and Redo (Ctrl+Z, Ctrl+Shift+Z).
inline constexpr int kUndo = 720;
inline constexpr int kRedo = 721;
// Help ▸ Help On This Folder (F1): the help topic of the folder on show.
inline constexpr int kFolderHelp = 722;

inline constexpr int kTipImport = 776;
inline constexpr int kTipExport = 777;
inline constexpr int kTipGraphs = 778;
inline constexpr int kTipAccounts = 779;
inline constexpr int kTipResults = 780;
inline constexpr int kTipSummary = 781;

inline constexpr int kToggleToolbar = 810;
inline constexpr int kMortgageCalculator = 881;
inline constexpr int kRefinance = 882;
inline constexpr int kAccelerated = 883;
inline constexpr int kDesktopCalculator = 884;
inline constexpr int kEditAccounts = 885;
inline constexpr int kRandomRun = 5000;
inline constexpr int kShowSplashTab = 9001;

// Command id of recent-file entry i (0..5).
constexpr int recentCommand(int i) {
    return i < 5 ? kRecent1 + i : kRecent6;
}
// Recent-file entry of a command id, or -1.
constexpr int recentIndex(int id) {
    return (id >= kRecent1 && id <= kRecent1 + 4) ? id - kRecent1 : (id == kRecent6 ? 5 : -1);
}

} // namespace finplan::cmd
