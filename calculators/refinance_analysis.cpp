#include "calculators/refinance_analysis.h"

#include <algorithm>

#include "calculators/field_text.h"
#include "calculators/field_validation.h"
#include "calculators/range_check.h"
#include "engine/loan_maths.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

// Ages beyond the oldest start age plus the longest mortgage are not simulated, so
// an absurd refinanced term cannot keep the analysis running for hours.
constexpr long long kLastAnalysedAge = 120 + 100;

// Month count of a term. The years are not checked, so they are bounded here: beyond
// 1000 years the payment no longer changes to the cent, while each payment formula
// multiplies once per month.
int monthsOf(int years) {
    return std::clamp(years, -1000, 1000) * 12;
}

// The existing mortgage as typed: start age, amount, rate and years.
struct ExistingMortgage {
    int startAge = 0;
    float amount = 0;
    float monthlyRate = 0;
    int years = 0;
    float payment = 0;
};

bool readExisting(const std::string& startAge, const std::string& amount, const std::string& rate,
                  const std::string& years, Messages& messages_, ExistingMortgage& out) {
    out.startAge = readFieldWhole(startAge);
    if (!checkWholeRange(messages_, out.startAge, 1, 120, text_id::kAgeDecimal, "AGE ERROR"))
        return false;
    out.amount = readFieldNumber(amount);
    if (!checkRange(messages_, out.amount, 1.0f, 100000000.0f, text_id::kAmount, "AMOUNT ERROR"))
        return false;
    const float oldRate = readFieldNumber(rate);
    if (!checkRange(messages_, oldRate, 1.0f, 1000.0f, text_id::kLoanRate, "RATE ERROR"))
        return false;
    out.years = readIntText(years, RefinanceAnalysis::kFieldChars);
    out.monthlyRate = monthlyRate(oldRate);
    out.payment = loanPayment(out.amount, out.monthlyRate, monthsOf(out.years));
    return true;
}

// One month after the refinancing, i the monthly reinvestment rate and t the monthly
// tax rate. Cost side: the up-front cost grows net of tax, and the existing
// mortgage's principal and tax saving are what refinancing gives up while it would
// run. Advantage side: the payment difference and the new principal and tax saving.
struct MonthFlows {
    float oldPrincipal;
    float oldInterest;
    bool oldRunning;
    float paymentDifference;
    float newPrincipal;
    float newInterest;
};

void accrueMonth(float& cost, float& advantage, const MonthFlows& m, float i, float t) {
    cost = cost + i * cost;
    cost = cost - i * cost * t;
    if (m.oldRunning) {
        cost = cost + m.oldPrincipal;
        cost = cost + t * m.oldInterest;
    }
    advantage = advantage + i * advantage;
    advantage = advantage - i * advantage * t;
    const float d = m.paymentDifference;
    advantage = advantage + d + i * d;
    advantage = advantage - i * d * t;
    advantage = advantage + m.newPrincipal;
    advantage = advantage + t * m.newInterest;
}

} // namespace

float refinanceTaxRate(float taxRateInEffect) {
    return taxRateInEffect > 0.0f ? taxRateInEffect : 20.0f;
}

RefinanceAnalysis::RefinanceAnalysis(RefinanceMemory& kept, Messages& shown,
                                     const Event* editedMortgage)
    : memory_(kept), messages_(shown) {
    if (editedMortgage == nullptr) return;
    const Event& e = *editedMortgage;
    startAge = format("%-6.2f", static_cast<double>(e.startAge));
    amount = format("%-12.2f", static_cast<double>(e.amount - e.downPayment));
    rate = format("%-6.2f", static_cast<double>(e.loanRate));
    monthlyPayment = money(e.monthlyPayment);
    years = format("%-2d", e.years);
    refiAge = format("%-6.2f", static_cast<double>(kept.age));
    refiAmount = format("%-12.2f", static_cast<double>(kept.amount));
    refiRate = format("%-6.2f", static_cast<double>(kept.rate));
    refiYears = format("%-2d", kept.years);
    refiMonthlyPayment = money(kept.payment);
    closingCosts = format("%-12.2f", static_cast<double>(kept.closingCosts));
    points = format("%-12.2f", static_cast<double>(kept.points));
    includeClosingCosts = kept.includeClosingCosts != 0;
    includePoints = kept.includePoints != 0;
}

void RefinanceAnalysis::ok() {
    memory_.age = readFloatText(refiAge, kFieldChars);
    memory_.amount = readFloatText(refiAmount, kFieldChars);
    memory_.rate = readFloatText(refiRate, kFieldChars);
    memory_.years = readIntText(refiYears, kFieldChars);
    memory_.closingCosts = readFloatText(closingCosts, kFieldChars);
    memory_.points = readFloatText(points, kFieldChars);
    memory_.includeClosingCosts = includeClosingCosts ? 1 : 0;
    memory_.includePoints = includePoints ? 1 : 0;
}

// The refinancing month: settles the refinanced amount, the up-front cost C and the
// costs financed into the mortgage, which count on the advantage side G.
void RefinanceAnalysis::refinance(float existingAmount, float paidOnExisting, float& cost,
                                  float& advantage, float& newPayment, float newMonthlyRate,
                                  int newYears) {
    if (memory_.amount == 0.0f) {
        memory_.amount = existingAmount - paidOnExisting;
        refiAmount = format("%-12.2f", static_cast<double>(memory_.amount));
    }
    if (includeClosingCosts) {
        memory_.amount = memory_.amount + memory_.closingCosts;
        advantage = advantage + memory_.closingCosts;
        memory_.includeClosingCosts = 1;
    } else {
        memory_.includeClosingCosts = 0;
    }
    cost = static_cast<float>(memory_.points * 0.01 * memory_.amount) + memory_.closingCosts;
    totalMortgageCosts = money(cost);
    if (includePoints) {
        memory_.amount =
            memory_.amount + static_cast<float>(memory_.points * 0.01 * memory_.amount);
        advantage = advantage + static_cast<float>(memory_.points * 0.01 * memory_.amount);
        memory_.includePoints = 1;
    } else {
        memory_.includePoints = 0;
    }
    newPayment = loanPayment(memory_.amount, newMonthlyRate, monthsOf(newYears));
    memory_.payment = newPayment;
    refiMonthlyPayment = money(newPayment);
    refinancedAmount = money(memory_.amount);
}

// The refinanced age and rate are kept as read, before they are checked, so a
// refused one is what the dialog shows when it opens again.
bool RefinanceAnalysis::readRefinancing() {
    memory_.age = readFloatText(refiAge, kFieldChars);
    if (!checkRange(messages_, readFieldNumber(refiAge), 1.0f, 120.0f, text_id::kAgeDecimal,
                    "AGE ERROR"))
        return false;
    memory_.amount = readFloatText(refiAmount, kFieldChars);
    memory_.rate = readFloatText(refiRate, kFieldChars);
    if (!checkRange(messages_, readFieldNumber(refiRate), 1.0f, 1000.0f, text_id::kLoanRate,
                    "RATE ERROR"))
        return false;
    memory_.years = readIntText(refiYears, kFieldChars);
    memory_.closingCosts = readFloatText(closingCosts, kFieldChars);
    memory_.points = readFloatText(points, kFieldChars);
    // Points are a percentage of the refinanced amount paid up front; far beyond any
    // (1e38 %) the costs and the payment are no number at all.
    return checkRange(messages_, memory_.points, 0.0f, 1000.0f, text_id::kRate, "POINTS ERROR");
}

bool RefinanceAnalysis::doAnalysis(float taxRateInEffect) {
    ExistingMortgage old;
    if (!readExisting(startAge, amount, rate, years, messages_, old)) return false;
    const int a0 = old.startAge;
    const float oldAmount = old.amount;
    const int oldYears = old.years;
    const float oldMonthlyRate = old.monthlyRate;
    const float oldPayment = old.payment;

    if (!readRefinancing()) return false;
    const float newRate = memory_.rate;

    const float i = monthlyRate(kReinvestmentRate);
    const float t = monthlyRate(refinanceTaxRate(taxRateInEffect));
    const float newMonthlyRate = monthlyRate(newRate);
    const int r = wholeNumber(memory_.age);
    const int n = memory_.years;

    int mo = 0, mn = 0, months = 0;
    float paidOld = 0, newPayment = 0, cost = 0, advantage = 0;
    bool refinanced = false;
    const long long lastAge = std::min(static_cast<long long>(r) + n, kLastAnalysedAge);
    for (long long a = a0; a < lastAge; ++a) {
        for (int j = 0; j < 12; ++j) {
            const float po =
                amortiseYear(oldAmount, oldMonthlyRate, monthsOf(oldYears), mo, mo, 0, 0).principal;
            ++mo;
            paidOld += po;
            const float io = oldPayment - po;
            if (a == r && !refinanced) {
                refinanced = true;
                refinance(oldAmount, paidOld, cost, advantage, newPayment, newMonthlyRate, n);
            }
            if (a < r) continue;

            const float pn =
                amortiseYear(memory_.amount, newMonthlyRate, monthsOf(n), mn, mn, 0, 0).principal;
            ++mn;
            const float in = newPayment - pn;
            const bool oldRunning = a < static_cast<long long>(a0) + oldYears;
            accrueMonth(cost, advantage, {po, io, oldRunning, oldPayment - newPayment, pn, in}, i,
                        t);

            if (advantage >= cost) {
                monthsToBreakEven = format("%-4d", months);
                refiAmount = format("%-12.2f", static_cast<double>(memory_.amount));
                break;
            }
            ++months;
        }
    }
    monthsToBreakEven = format("%-4d", months);
    // Amounts beyond the float range (a refinanced amount near the largest float) are
    // refused too, never shown as "inf".
    return checkFiniteResults(messages_, {memory_.amount, memory_.payment, cost});
}

} // namespace finplan
