// What the calculators keep while the program runs (none of it but the trade-off
// values is saved). One CalculatorMemory is owned by the application and handed to
// each calculator when it opens, so a second opening shows what the first one left.
#pragma once

#include <array>
#include <string>

namespace finplan {

struct MortgageCalculatorMemory {
    // The field texts double as the texts read back, so they hold what was typed last.
    std::string amountText = "0.0";
    std::string downPaymentText = "0.0";
    std::string rateText = "8.0";
    std::string yearsText = "30";
    std::string paymentText = "0.0";
    float amount = 0;
    float downPayment = 0;
    float rate = 0;
    int years = 0;
    float payment = 0;
    // Set by "Use this mortgage in plan"; the Mortgage event editor reads and clears it.
    bool handOver = false;
};

struct RefinanceMemory {
    float age = 0;
    float amount = 0;
    float rate = 0;
    float payment = 0;
    float closingCosts = 0;
    float points = 0;
    int years = 0;
    int includeClosingCosts = 0;
    int includePoints = 0;
};

// Shared with the Mortgage event editor, which fills it before opening the analysis.
struct AcceleratedMemory {
    float loanAmount = 0;
    float additionalPayment = 0;
    float rate = 0;
    float monthlyRate = 0;
    int years = 30;
    int yearsLeft = 30;
};

struct InflationMemory {
    float startAge = 0;
    float endAge = 0;
    float amount = 0;
    float rate = 0;
    float result = 0;
};

struct InvestmentMemory {
    float amount = 0;
    int years = 1;
    float returnRate = 0;
    float taxRate = 0;
    float inflationRate = 0;
};

inline constexpr int kTradeOptions = 3;
inline constexpr int kTradeValues = 15;
// Value indexes of the trade-off table (also the order of "tradeinf.dat").
inline constexpr int kTradeFixedCost = 0;
inline constexpr int kTradeCostPerPeriod = 3;
inline constexpr int kTradeFixedAmount = 6;
inline constexpr int kTradeIncomePerPeriod = 9;
inline constexpr int kTradePeriods = 12;
inline constexpr int kTradeUseTaxRate = 13;

struct TradeOffState {
    std::array<std::string, kTradeOptions> names{"Option 1", "Option 2", "Option 3"};
    std::array<float, kTradeValues> values{};
};

// The schedule window's remembered list width and its "recompute widths" request.
struct ScheduleWindowState {
    int rememberedWidth = 0;
    bool recomputeWidths = true;
};

struct CalculatorMemory {
    MortgageCalculatorMemory mortgage;
    RefinanceMemory refinance;
    AcceleratedMemory accelerated;
    InflationMemory inflation;
    InvestmentMemory investment;
    TradeOffState tradeOff;
    ScheduleWindowState schedule;
};

} // namespace finplan
