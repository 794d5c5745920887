#include "calculators/mortgage_calculator.h"

#include <cmath>

#include "calculators/field_text.h"
#include "calculators/field_validation.h"
#include "calculators/range_check.h"
#include "engine/loan_maths.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

// The ranges Calculate holds each field to.
constexpr float kLowestRate = 1.0f, kHighestRate = 1000.0f;
constexpr float kLowestAmount = 1.0f, kHighestAmount = 100000000.0f;
constexpr float kLowestDown = 0.0f, kHighestDown = 100000000.0f;
constexpr int kFewestYears = 1, kMostYears = 100;

float paymentFor(float amount, float downPayment, float rate, int years) {
    return loanPayment(amount - downPayment, monthlyRate(rate), years * 12);
}

} // namespace

MortgageCalculator::MortgageCalculator(MortgageCalculatorMemory& kept, Messages& shown)
    : amount(kept.amountText), downPayment(kept.downPaymentText), rate(kept.rateText),
      years(kept.yearsText), monthlyPayment(kept.paymentText), memory_(kept), messages_(shown) {
    kept.handOver = false;
}

bool MortgageCalculator::calculate() {
    // Each text is kept as it is read, so a refused field shows again next time.
    memory_.rateText = cutText(rate, kFieldChars);
    const float r = readFieldNumber(memory_.rateText);
    // The lower bound is 1.0 although the message speaks of 0.0.
    if (!checkRange(messages_, r, kLowestRate, kHighestRate, text_id::kLoanRate, "RATE ERROR"))
        return false;
    memory_.rate = r;

    memory_.amountText = cutText(amount, kFieldChars);
    const float a = readFieldNumber(memory_.amountText);
    if (!checkRange(messages_, a, kLowestAmount, kHighestAmount, text_id::kAmount, "AMOUNT ERROR"))
        return false;
    memory_.amount = a;

    memory_.downPaymentText = cutText(downPayment, kFieldChars);
    const float d = readFieldNumber(memory_.downPaymentText);
    if (!checkRange(messages_, d, kLowestDown, kHighestDown, text_id::kAmount,
                    "DOWN PAYMENT ERROR"))
        return false;
    if (d > a)
        return refuseField(messages_, kDownPaymentAboveAmount, "DOWN PAYMENT ERROR",
                           MessageIcon::Error);
    memory_.downPayment = d;

    memory_.yearsText = cutText(years, kFieldChars);
    const int n = readFieldWhole(memory_.yearsText);
    if (!checkWholeRange(messages_, n, kFewestYears, kMostYears, text_id::kYears,
                         "NO OF YEARS ERROR"))
        return false;
    memory_.years = n;

    const float payment =
        paymentFor(memory_.amount, memory_.downPayment, memory_.rate, memory_.years);
    if (!checkFiniteResults(messages_, {payment})) return false;
    memory_.payment = payment;
    memory_.paymentText = format("%-9.2f", static_cast<double>(memory_.payment));
    monthlyPayment = memory_.paymentText;
    return true;
}

void MortgageCalculator::useInPlan() {
    memory_.rateText = cutText(rate, kFieldChars);
    memory_.yearsText = cutText(years, kFieldChars);
    memory_.amountText = cutText(amount, kFieldChars);
    memory_.downPaymentText = cutText(downPayment, kFieldChars);
    // The payment handed over is the one of the fields handed over, never one left from
    // an earlier Calculate of other values; fields that make no mortgage hand over none.
    const float r = readFieldNumber(memory_.rateText);
    const float a = readFieldNumber(memory_.amountText);
    const float d = readFieldNumber(memory_.downPaymentText);
    const int n = readFieldWhole(memory_.yearsText);
    const bool valid = r >= kLowestRate && r <= kHighestRate && a >= kLowestAmount &&
                       a <= kHighestAmount && d >= kLowestDown && d <= kHighestDown && d <= a &&
                       n >= kFewestYears && n <= kMostYears;
    const float payment = valid ? paymentFor(a, d, r, n) : 0.0f;
    memory_.paymentText = valid && std::isfinite(payment)
                              ? format("%-9.2f", static_cast<double>(payment))
                              : std::string("0.0");
    memory_.handOver = true;
}

std::optional<MortgageHandOver> takeMortgageHandOver(MortgageCalculatorMemory& memory) {
    if (!memory.handOver) return std::nullopt;
    memory.handOver = false;
    return MortgageHandOver{memory.yearsText, memory.amountText, memory.downPaymentText,
                            memory.rateText, formatMoney(memory.paymentText)};
}

} // namespace finplan
