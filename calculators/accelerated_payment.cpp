#include "calculators/accelerated_payment.h"

#include "calculators/field_text.h"
#include "calculators/range_check.h"
#include "engine/loan_maths.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

std::string rateText(float v) {
    return format("%-13.2f", static_cast<double>(v));
}

bool warn(Messages& messages, const char* text, const char* title) {
    return refuseField(messages, text, title, MessageIcon::Warning);
}

} // namespace

AcceleratedPaymentAnalysis::AcceleratedPaymentAnalysis(AcceleratedMemory& kept, Messages& shown,
                                                       const InitialValues& initial)
    : loanAmount(format("%-13.2f", static_cast<double>(kept.loanAmount))),
      numberOfYears(format("%3d", kept.years)), yearsLeft(format("%3d", kept.yearsLeft)),
      rate(format("%-6.2f", static_cast<double>(kept.rate))),
      additionalPayment(format("%-13.2f", static_cast<double>(kept.additionalPayment))),
      investedAmount(formatMoney(additionalPayment)),
      investmentRate(rateText(kDefaultInvestmentRate)), taxRate(rateText(initial.taxRate)),
      inflationRate(rateText(initial.inflationRate)), memory_(kept), messages_(shown) {}

bool AcceleratedPaymentAnalysis::readFields(float& investRate, float& tax, float& inflation) {
    const float amount = readFieldNumber(loanAmount);
    if (!(amount > 0.0f && amount <= 10000000.0f))
        return warn(messages_,
                    "The mortgage amount must be greater than $0.00 and less than $10,000,000.00.",
                    "Amount Error!");
    memory_.loanAmount = amount;

    const int n = readFieldWhole(numberOfYears);
    if (!(n >= 1 && n <= 50))
        return warn(messages_, "The number of years must be greater than 0 and less than 50.",
                    "Number of Years Error!");
    memory_.years = n;

    const int left = readFieldWhole(yearsLeft);
    if (!(left >= 1 && left <= memory_.years))
        return warn(messages_,
                    "The number of years left must be greater than 0 and less than the life of "
                    "the mortgage.",
                    "Number of Years Left Error!");
    memory_.yearsLeft = left;

    const float r = readFieldNumber(rate);
    if (!(r > 0.0f && r <= 50.0f))
        return warn(messages_, "The mortgage rate must be greater than 0.0% and less than 50.0%",
                    "Rate Error!");
    memory_.rate = r;
    memory_.monthlyRate = monthlyRate(memory_.rate);

    const float extra = readFieldNumber(additionalPayment);
    if (!(extra >= 0.0f && extra <= 100000.0f))
        return warn(messages_,
                    "The addition monthly payment must be greater than $0.00 and less than "
                    "$100,000.00",
                    "Additional Amount Error!");
    memory_.additionalPayment = extra;
    investedAmount = money(extra);

    investRate = readFieldNumber(investmentRate);
    if (!(investRate >= 0.0f && investRate <= 50.0f))
        return warn(messages_, "The investment rate must be greater than 0.0% and less than 50.0%",
                    "Rate Error!");
    tax = readFieldNumber(taxRate);
    if (!(tax >= 0.0f && tax <= 50.0f))
        return warn(messages_, "The tax rate must be greater than 0.0% and less than 50.0%",
                    "Rate Error!");
    inflation = readFieldNumber(inflationRate);
    if (!(inflation >= 0.0f && inflation <= 50.0f))
        return warn(messages_, "The inflation rate must be greater than 0.0% and less than 50.0%",
                    "Rate Error!");
    return true;
}

namespace {

// The interest of the existing and the accelerated mortgage over the whole term and
// the month after the accelerated one is paid off.
struct BothMortgages {
    float interestExisting = 0;
    float interestAccelerated = 0;
    int payoffMonth = 0;
};

// Amount a at monthly rate mr over n months with payment p; the extra x is paid from
// the month after paidBefore.
BothMortgages amortiseBoth(float a, float x, float mr, int n, float p, int paidBefore) {
    float existing = a, accelerated = a, interestExisting = 0, interestAccelerated = 0;
    float step = 0; // principal paid on the accelerated mortgage this month
    int payoffMonth = 0;
    for (int m = 1; m <= n; ++m) {
        const float ei = mr * existing;
        const float ai = mr * accelerated;
        if (existing != 0.0f) {
            const float existingStep = p - ei;
            if (m > paidBefore) {
                step = p + x - ai;
                if (accelerated - step < 0.0f) { // the final, partial payment
                    step = accelerated;
                    accelerated = 0;
                }
            } else {
                step = p - ai;
            }
            if (existing > 0.0f) existing = existing - existingStep;
        }
        if (accelerated == 0.0f) {
            step = 0;
        } else {
            if (accelerated > 0.0f) {
                accelerated = accelerated - step;
                payoffMonth = m + 1;
            }
            if (existing < 0.0f) existing = 0;
            if (accelerated < 0.0f) {
                step = step + accelerated;
                accelerated = 0;
            }
        }
        interestExisting = interestExisting + ei;
        interestAccelerated = interestAccelerated + ai;
    }
    return {interestExisting, interestAccelerated, payoffMonth};
}

// The extra money x invested monthly, taxed and deflated once a year.
float investedWorth(float x, int wholeYears, float investRate, float tax, float inflation) {
    float w = 12 * x;
    for (int k = 0; k < wholeYears; ++k) {
        const float g = static_cast<float>(investRate * 0.01 * w);
        w = static_cast<float>(w - g * tax * 0.01);
        w = static_cast<float>(w - w * inflation * 0.01);
        w = w + g + 12 * x;
    }
    return w;
}

} // namespace

bool AcceleratedPaymentAnalysis::calculate() {
    float investRate = 0, tax = 0, inflation = 0;
    if (!readFields(investRate, tax, inflation)) return false;

    const float a = memory_.loanAmount;
    const float x = memory_.additionalPayment;
    const float mr = memory_.monthlyRate;
    const int n = memory_.years * 12;
    const float p = loanPayment(a, mr, n);
    const int paidBefore = (memory_.years - memory_.yearsLeft) * 12;
    const BothMortgages both = amortiseBoth(a, x, mr, n, p, paidBefore);
    const float interestExisting = both.interestExisting;
    const float interestAccelerated = both.interestAccelerated;
    const int payoffMonth = both.payoffMonth;

    if (!checkFiniteResults(messages_, {p, interestExisting, interestAccelerated})) return false;
    monthlyPayment = money(p);
    totalPayments = money(interestExisting + a);
    totalInterest = money(interestExisting);
    paymentYears = format("%-6.2f", payoffMonth * (1.0 / 12.0));
    acceleratedMonthlyPayment = money(p + x);
    acceleratedTotalPayments = money(interestAccelerated + a);
    acceleratedTotalInterest = money(interestAccelerated);
    savings = money((interestExisting + a) - (interestAccelerated + a));

    const int wholeYears = payoffMonth / 12;
    const float w = investedWorth(x, wholeYears, investRate, tax, inflation);
    if (!checkFiniteResults(messages_, {w})) return false;
    worth = money(w);
    worthYears = format("%3d", wholeYears);
    return true;
}

bool handOverToAccelerated(AcceleratedMemory& memory, const MortgageEditorTexts& texts,
                           float initialStartAge, Messages& messages) {
    constexpr std::size_t chars = 13;
    memory.loanAmount =
        readFloatText(texts.amount, chars) - readFloatText(texts.downPayment, chars);
    memory.years = readIntText(texts.years, chars);
    memory.rate = readFloatText(texts.rate, chars);
    memory.monthlyRate = monthlyRate(memory.rate);
    const float start = readFloatText(texts.startAge, chars);
    memory.yearsLeft = start >= initialStartAge
                           ? memory.years
                           : memory.years + wholeNumber(start) - wholeNumber(initialStartAge);
    const float extra = readFieldNumber(texts.acceleratedPayment);
    if (!(extra >= 0.0f && extra <= 100000.0f))
        return refuseField(messages,
                           "This amount must be greater than or equal to  0.00 and less than "
                           "99999.99",
                           "Additional Monthly Amount Error", MessageIcon::Error);
    if (extra != 0.0f) memory.additionalPayment = extra;
    return true;
}

} // namespace finplan
