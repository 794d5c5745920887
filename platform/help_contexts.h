// The help file's context numbers: each folder, dialog and tip opens the help at its
// own topic (Help::showContext).
#pragma once

namespace finplan::help {

inline constexpr int kDeposit = 257;
inline constexpr int kMortgage = 259;
inline constexpr int kLoan = 260;
inline constexpr int kTransfer = 261;
inline constexpr int kFundamentals = 262;
inline constexpr int kAccountsFolder = 513;
inline constexpr int kScenarioFolder = 514;
inline constexpr int kWithdrawal = 516;
inline constexpr int kInitialValues = 517;
inline constexpr int kAccountInformation = 518;
inline constexpr int kMortgageCalculator = 1536;
inline constexpr int kRefinanceAnalysis = 1537;
inline constexpr int kTradeOffAnalysis = 1540;
inline constexpr int kGroups = 1541;
inline constexpr int kTipImport = 1542;
inline constexpr int kTipExport = 1543;
inline constexpr int kTipGraphs = 1544;
inline constexpr int kTipAccounts = 1553;
inline constexpr int kTipResults = 1554;
inline constexpr int kAcceleratedPayment = 1555;
inline constexpr int kInvestmentCalculator = 1556;
inline constexpr int kTipSummary = 1557;

} // namespace finplan::help
