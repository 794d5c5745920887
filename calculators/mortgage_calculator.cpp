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
      years(kept.yearsText), monthlyPayment(kept.paymentText), memory(kept), messages(shown) {
    kept.handOver = false;
}

bool MortgageCalculator::calculate() {
    // Each text is kept as it is read, so a refused field shows again next time.
    memory.rateText = cutText(rate, kFieldChars);
    const float r = readFieldNumber(memory.rateText);
    // The lower bound is 1.0 although the message speaks of 0.0.
    if (!checkRange(messages, r, kLowestRate, kHighestRate, text_id::kLoanRate, "RATE ERROR"))
        return false;
    memory.rate = r;

    memory.amountText = cutText(amount, kFieldChars);
    const float a = readFieldNumber(memory.amountText);
    if (!checkRange(messages, a, kLowestAmount, kHighestAmount, text_id::kAmount, "AMOUNT ERROR"))
        return false;
    memory.amount = a;

    memory.downPaymentText = cutText(downPayment, kFieldChars);
    const float d = readFieldNumber(memory.downPaymentText);
    if (!checkRange(messages, d, kLowestDown, kHighestDown, text_id::kAmount, "DOWN PAYMENT ERROR"))
        return false;
    if (d > a)
        return refuseField(messages, kDownPaymentAboveAmount, "DOWN PAYMENT ERROR",
                           MessageIcon::Error);
    memory.downPayment = d;

    memory.yearsText = cutText(years, kFieldChars);
    const int n = readFieldWhole(memory.yearsText);
    if (!checkWholeRange(messages, n, kFewestYears, kMostYears, text_id::kYears,
                         "NO OF YEARS ERROR"))
        return false;
    memory.years = n;

    const float payment = paymentFor(memory.amount, memory.downPayment, memory.rate, memory.years);
    if (!checkFiniteResults(messages, {payment})) return false;
    memory.payment = payment;
    memory.paymentText = format("%-9.2f", static_cast<double>(memory.payment));
    monthlyPayment = memory.paymentText;
    return true;
}

void MortgageCalculator::useInPlan() {
    memory.rateText = cutText(rate, kFieldChars);
    memory.yearsText = cutText(years, kFieldChars);
    memory.amountText = cutText(amount, kFieldChars);
    memory.downPaymentText = cutText(downPayment, kFieldChars);
    // The payment handed over is the one of the fields handed over, never one left from
    // an earlier Calculate of other values; fields that make no mortgage hand over none.
    const float r = readFieldNumber(memory.rateText);
    const float a = readFieldNumber(memory.amountText);
    const float d = readFieldNumber(memory.downPaymentText);
    const int n = readFieldWhole(memory.yearsText);
    const bool valid = r >= kLowestRate && r <= kHighestRate && a >= kLowestAmount &&
                       a <= kHighestAmount && d >= kLowestDown && d <= kHighestDown && d <= a &&
                       n >= kFewestYears && n <= kMostYears;
    const float payment = valid ? paymentFor(a, d, r, n) : 0.0f;
    memory.paymentText = valid && std::isfinite(payment)
                             ? format("%-9.2f", static_cast<double>(payment))
                             : std::string("0.0");
    memory.handOver = true;
}

std::optional<MortgageHandOver> takeMortgageHandOver(MortgageCalculatorMemory& memory) {
    if (!memory.handOver) return std::nullopt;
    memory.handOver = false;
    return MortgageHandOver{memory.yearsText, memory.amountText, memory.downPaymentText,
                            memory.rateText, formatMoney(memory.paymentText)};
}

} // namespace finplan
