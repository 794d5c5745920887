#include "calculators/mortgage_calculator.h"

#include "calculators/field_text.h"
#include "calculators/field_validation.h"
#include "calculators/range_check.h"
#include "engine/money.h"

namespace finplan {

MortgageCalculator::MortgageCalculator(MortgageCalculatorMemory& memory, Messages& messages)
    : amount(memory.amountText), downPayment(memory.downPaymentText), rate(memory.rateText),
      years(memory.yearsText), monthlyPayment(memory.paymentText), memory(memory),
      messages(messages) {
    memory.handOver = false;
}

bool MortgageCalculator::calculate() {
    // Each text is kept as it is read, so a refused field shows again next time.
    memory.rateText = cutText(rate, kFieldChars);
    const float r = readFieldNumber(memory.rateText);
    // The lower bound is 1.0 although the message speaks of 0.0.
    if (!checkRange(messages, r, 1.0f, 1000.0f, text_id::kLoanRate, "RATE ERROR")) return false;
    memory.rate = r;

    memory.amountText = cutText(amount, kFieldChars);
    const float a = readFieldNumber(memory.amountText);
    if (!checkRange(messages, a, 1.0f, 100000000.0f, text_id::kAmount, "AMOUNT ERROR"))
        return false;
    memory.amount = a;

    memory.downPaymentText = cutText(downPayment, kFieldChars);
    const float d = readFieldNumber(memory.downPaymentText);
    if (!checkRange(messages, d, 0.0f, 100000000.0f, text_id::kAmount, "DOWN PAYMENT ERROR"))
        return false;
    memory.downPayment = d;

    memory.yearsText = cutText(years, kFieldChars);
    const int n = readFieldWhole(memory.yearsText);
    if (!checkWholeRange(messages, n, 1, 100, text_id::kYears, "NO OF YEARS ERROR")) return false;
    memory.years = n;

    const float principal = memory.amount - memory.downPayment;
    const float perMonth = monthlyRate(memory.rate);
    const float payment = loanPayment(principal, perMonth, memory.years * 12);
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
    memory.handOver = true;
}

std::optional<MortgageHandOver> takeMortgageHandOver(MortgageCalculatorMemory& memory) {
    if (!memory.handOver) return std::nullopt;
    memory.handOver = false;
    return MortgageHandOver{memory.yearsText, memory.amountText, memory.downPaymentText,
                            memory.rateText, formatMoney(memory.paymentText)};
}

} // namespace finplan
