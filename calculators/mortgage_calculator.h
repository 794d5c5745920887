// The Mortgage Calculator: monthly payment of a fixed-rate mortgage, and the
// hand-over of its values to the Mortgage event editor.
#pragma once

#include <optional>
#include <string>

#include "calculators/calculator_memory.h"
#include "platform/help_contexts.h"
#include "platform/messages.h"

namespace finplan {

// Refused alike by the calculator and the loan and mortgage editors.
inline constexpr const char* kDownPaymentAboveAmount =
    "The Down Payment must not be more than the Amount.";

class MortgageCalculator {
  public:
    static constexpr int kHelpContext = help::kMortgageCalculator;
    static constexpr std::size_t kFieldChars = 9;

    // Opening: the fields show the kept texts; the hand-over flag is cleared.
    MortgageCalculator(MortgageCalculatorMemory& memory, Messages& messages);

    // "Calculate" and "OK": validate, compute and show the payment. True when the
    // dialog closes; false leaves it open after a message.
    bool calculate();
    bool ok() { return calculate(); }

    // "Use this mortgage in plan": keep the typed texts (no check, no computation)
    // and raise the hand-over flag; the dialog then closes and the editor opens.
    void useInPlan();

    // Field texts as shown ("Amount ", "Down Payment", "Rate", "No Of Years", and the
    // read-only "Monthly Payment").
    std::string amount;
    std::string downPayment;
    std::string rate;
    std::string years;
    std::string monthlyPayment;

  private:
    MortgageCalculatorMemory& memory_;
    Messages& messages_;
};

// What the Mortgage event editor puts into its No Of Years, Amount, Down Payment, Rate
// and Monthly Payment fields when it opens for a new mortgage after the calculator.
struct MortgageHandOver {
    std::string years;
    std::string amount;
    std::string downPayment;
    std::string rate;
    std::string monthlyPayment; // the kept payment text in money form
};

// The hand-over when the flag is set (which it clears), else nothing.
std::optional<MortgageHandOver> takeMortgageHandOver(MortgageCalculatorMemory& memory);

} // namespace finplan
