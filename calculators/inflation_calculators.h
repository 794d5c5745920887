// The Inflation Calculator and "Taxes, Inflation and Your Investment".
#pragma once

#include <string>

#include "calculators/calculator_memory.h"
#include "platform/help_contexts.h"
#include "platform/messages.h"

namespace finplan {

// Grows an amount by a yearly inflation rate from a start age to an end age.
class InflationCalculator {
  public:
    InflationCalculator(InflationMemory& memory, Messages& messages);

    // "Calculate": false after a refused field; the dialog stays open either way.
    bool calculate();

    std::string startAge;
    std::string endAge;
    std::string amount;         // "Start Age Amount"
    std::string rate;           // "Inflation Rate"
    std::string inflatedAmount; // read-only result

  private:
    InflationMemory& memory_;
    Messages& messages_;
};

// What an invested amount is worth after taxed yearly returns, in today's money.
class InvestmentCalculator {
  public:
    static constexpr int kHelpContext = help::kInvestmentCalculator;

    InvestmentCalculator(InvestmentMemory& memory, Messages& messages);

    bool calculate();

    std::string amount;        // "Amount invested"
    std::string years;         // "Number of years amount is invested"
    std::string returnRate;    // "Expected yearly rate of return on investment"
    std::string taxRate;       // "Rate at which investment is taxed"
    std::string inflationRate; // "Estimated yearly inflation rate"
    // The "Analysis" sentence's read-only fields.
    std::string analysisYears;
    std::string analysisTaxRate;
    std::string worth;
    std::string analysisInflationRate;
    std::string todaysValue;
    std::string effectiveRate;

  private:
    InvestmentMemory& memory_;
    Messages& messages_;
};

} // namespace finplan
