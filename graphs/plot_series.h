// The per-age series every run leaves behind for the graphs and the Summary folder.
// Sized for every run a scenario can describe: a 100-year span gives 101 rows
// (every year plus the end age) and ages run 0..120, so nothing is ever written
// outside these tables.
#pragma once

#include <array>
#include <string>

#include "engine/plot_row.h"
#include "model/records.h"

namespace finplan {

inline constexpr int kMaxWholeAge = 120;
inline constexpr int kAgeSlots = kMaxWholeAge + 1; // whole ages 0..120
inline constexpr int kBalanceColumns = 51;         // columns 0..49 used, by account index

// PlotRow and kMaxPlotRows (engine/plot_row.h): one plotted year of 20 fields.

using AccountBalanceRow = std::array<float, kBalanceColumns>;
using AccountBalanceTable = std::array<AccountBalanceRow, kMaxPlotRows>;

// Account names copied at run start: the series names of the ACCOUNTS graph.
using AccountNameTable = std::array<std::string, kMaxAccounts>;
// Each account's group as the run had it, by account index: the slots may be re-sorted
// after the run (the Accounts folder sorts by name) while the balances stay in run order.
using AccountGroupTable = std::array<int16_t, kMaxAccounts>;

// Start-of-year totals per whole age (the same values as that age's schedule row).
struct AgeTotals {
    std::array<float, kAgeSlots> investmentTotal{};
    std::array<float, kAgeSlots> taxFreeTotal{};
    std::array<float, kAgeSlots> retirementTotal{};
    std::array<float, kAgeSlots> assetTotal{};
    std::array<float, kAgeSlots> equityTotal{};
    std::array<float, kAgeSlots> liabilities{};
    std::array<float, kAgeSlots> netWorth{};
};

struct PlotSeries {
    std::array<PlotRow, kMaxPlotRows> rows{};
    int plotRowCount = -1; // index of the last filled row; -1 before the first row
    AccountBalanceTable accountBalances{};
    AccountNameTable accountNames{};
    int accountCount = 0; // accounts named in accountNames by the last run
    AccountGroupTable accountGroups{};
    AgeTotals ageTotals{};
    int plotStartAge = 0; // startAge truncated to whole years

    // Texts of the plot file header, kept for the graph footers.
    std::string fileText;
    std::string dateText;
    std::string timeText;

    int rowsFilled() const { return plotRowCount + 1; }
    void clear();
};

} // namespace finplan
