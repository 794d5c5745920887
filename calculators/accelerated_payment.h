// The Accelerated Mortgage Payment Analysis: an existing mortgage against the same
// mortgage paid down faster, and what the extra money would earn if invested instead.
#pragma once

#include <string>

#include "calculators/calculator_memory.h"
#include "model/records.h"
#include "platform/help_contexts.h"
#include "platform/messages.h"

namespace finplan {

class AcceleratedPaymentAnalysis {
  public:
    static constexpr int kHelpContext = help::kAcceleratedPayment;
    static constexpr float kDefaultInvestmentRate = 5.0f;

    // Opening: the mortgage fields from the kept values, the comparison's rates from
    // the scenario's initial values (they are not kept between openings).
    AcceleratedPaymentAnalysis(AcceleratedMemory& memory, Messages& messages,
                               const InitialValues& initial);

    // "Calculate": false after a refused field (the dialog stays open either way).
    bool calculate();

    // "Existing Mortgage"
    std::string loanAmount;
    std::string numberOfYears;
    std::string yearsLeft;
    std::string rate;
    std::string monthlyPayment;
    std::string totalPayments;
    std::string totalInterest;
    // "Accelerated Payment Mortgage"
    std::string additionalPayment;
    std::string paymentYears;
    std::string acceleratedMonthlyPayment;
    std::string acceleratedTotalPayments;
    std::string acceleratedTotalInterest;
    std::string savings;
    // "Investment Comparison"
    std::string investedAmount; // the additional amount, read-only
    std::string investmentRate;
    std::string taxRate;
    std::string inflationRate;
    std::string worth;
    std::string worthYears;

  private:
    bool readFields(float& investRate, float& tax, float& inflation);

    AcceleratedMemory& memory_;
    Messages& messages_;
};

// The Mortgage event editor's texts the hand-over is made from.
struct MortgageEditorTexts {
    std::string startAge;
    std::string amount;
    std::string downPayment;
    std::string years;
    std::string rate;
    std::string acceleratedPayment;
};

// The Mortgage event editor's "Do Accelerated Payment Analysis": fills the kept values
// from its texts (unchecked, but for the accelerated amount). False, after a message,
// when that amount lies outside 0..100000; the analysis then does not open.
bool handOverToAccelerated(AcceleratedMemory& memory, const MortgageEditorTexts& texts,
                           float initialStartAge, Messages& messages);

} // namespace finplan
