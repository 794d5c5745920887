// One plotted year: 20 values; the field number is also the series number of the
// graphs.
#pragma once

namespace finplan {

inline constexpr int kPlotFieldCount = 20;
// A 100-year span gives 100 years and the final age.
inline constexpr int kMaxPlotRows = 101;

struct PlotRow {
    float age = 0;
    float investmentSavings = 0;
    float taxFreeSavings = 0;
    float retirementSavings = 0;
    float assets = 0;
    float equity = 0;
    float netWorth = 0;
    float totalIncoming = 0;
    float deposits = 0;
    float taxableIncome = 0;
    float nonTaxableIncome = 0;
    float totalOutgoing = 0;
    float withdrawals = 0;
    float taxes = 0;
    float interestPaid = 0;
    float penalties = 0;
    float loans = 0;
    float incomeFromEquity = 0;
    float incomeFromAssets = 0;
    float otherOutgoing = 0;

    // Series access by number (0 age .. 19 other); out-of-range numbers read 0.
    float field(int series) const;
    void setField(int series, float value);
};

} // namespace finplan
