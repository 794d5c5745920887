// The Refinance Analysis: simulates an existing and a refinanced mortgage month by
// month and counts the months until the refinancing has paid for itself.
#pragma once

#include <string>

#include "calculators/calculator_memory.h"
#include "model/records.h"
#include "model/scenario.h"
#include "platform/help_contexts.h"
#include "platform/messages.h"

namespace finplan {

// Tax rate of the analysis: the rate the last run left in force, or 20 % when that
// is not above 0.
float refinanceTaxRate(float taxRateInEffect);

class RefinanceAnalysis {
  public:
    static constexpr int kHelpContext = help::kRefinanceAnalysis;
    static constexpr float kReinvestmentRate = 3.0f;
    static constexpr std::size_t kFieldChars = 13;

    // Opening from the menu (editedMortgage null) leaves every field at its template
    // text; opening from the Mortgage editor on an existing event fills the fields
    // from that event and the refinanced side from the kept values.
    RefinanceAnalysis(RefinanceMemory& memory, Messages& messages,
                      const Event* editedMortgage = nullptr);

    // "Do Analysis"; false after a refused field. The dialog stays open either way.
    bool doAnalysis(float taxRateInEffect);

    // "OK": keep the refinanced fields without checking them.
    void ok();

    // "Existing Mortgage"
    std::string startAge = "0";
    std::string amount = "0.0";
    std::string rate = "0.0";
    std::string years = "0";
    std::string monthlyPayment = "0.0";
    // "Refinanced Mortgage"
    std::string refiAge = "0.0";
    std::string refiAmount = "0.0";
    std::string refiRate = "0.0";
    std::string refiYears = "0";
    std::string refiMonthlyPayment = "0.0";
    std::string closingCosts = "0.0";
    bool includeClosingCosts = false;
    std::string points = "0.0";
    bool includePoints = false;
    // "Refinancing Analysis"
    std::string refinancedAmount = "0.0";
    std::string totalMortgageCosts = "0.0";
    std::string monthsToBreakEven = "0";

  private:
    bool readRefinancing();
    void refinance(float existingAmount, float paidOnExisting, float& cost, float& advantage,
                   float& newPayment, float newMonthlyRate, int newYears);

    RefinanceMemory& memory_;
    Messages& messages_;
};

} // namespace finplan
