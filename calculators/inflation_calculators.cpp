#include "calculators/inflation_calculators.h"

#include "calculators/field_text.h"
#include "calculators/range_check.h"
#include "engine/loan_maths.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

bool warn(Messages& messages, const char* text, const char* title) {
    return refuseField(messages, text, title, MessageIcon::Warning);
}

std::string percentText(float v) {
    return format("%-4.2f%%", static_cast<double>(v));
}

} // namespace

InflationCalculator::InflationCalculator(InflationMemory& kept, Messages& shown)
    : startAge(format("%-6.2f", static_cast<double>(kept.startAge))),
      endAge(format("%-6.2f", static_cast<double>(kept.endAge))),
      amount(format("%-13.2f", static_cast<double>(kept.amount))),
      rate(format("%-13.2f", static_cast<double>(kept.rate))),
      inflatedAmount(format("%-13.2f", static_cast<double>(kept.result))), memory(kept),
      messages(shown) {}

bool InflationCalculator::calculate() {
    // 0 is accepted although the messages speak of 1.
    const float start = readFieldNumber(startAge);
    if (!(start >= 0.0f && start <= 120.0f))
        return warn(messages, "Start age must be a value from 1 - 120.", "Start Age Error!");
    memory.startAge = start;
    const float end = readFieldNumber(endAge);
    if (!(end >= 0.0f && end <= 120.0f))
        return warn(messages, "End Age must be a value from 1 - 120.", "End Age Error!");
    if (!(end > memory.startAge))
        return warn(messages, "End Age must be greater the Start Age.", "End Age Error!");
    memory.endAge = end;
    const float r = readFieldNumber(rate);
    if (!(r >= -100.0f && r <= 100.0f))
        return warn(messages, "Inflation Rate must be a value from -100 - 100.", "Rate Error!");
    memory.rate = r;
    const float a = readFieldNumber(amount);
    if (!(a >= 1.0f && a <= 99999999.0f))
        return warn(messages, "This amount must be a value from 1.0 - 99999999.00",
                    "Amount Error!");
    memory.amount = a;

    float result = memory.amount;
    for (int age = wholeNumber(memory.startAge); age < wholeNumber(memory.endAge); ++age)
        result = static_cast<float>(result + result * memory.rate * 0.01);
    if (!checkFiniteResults(messages, {result})) return false;
    memory.result = result;
    inflatedAmount = format("%-13.2f", static_cast<double>(result));
    return true;
}

InvestmentCalculator::InvestmentCalculator(InvestmentMemory& kept, Messages& shown)
    : amount(format("%-6.2f", static_cast<double>(kept.amount))), years(format("%3d", kept.years)),
      returnRate(format("%-13.2f", static_cast<double>(kept.returnRate))),
      taxRate(format("%-13.2f", static_cast<double>(kept.taxRate))),
      inflationRate(format("%-13.2f", static_cast<double>(kept.inflationRate))), memory(kept),
      messages(shown) {}

bool InvestmentCalculator::calculate() {
    const float a = readFieldNumber(amount);
    if (!(a > 0.0f))
        return warn(messages, "The investment amount must be greater than $0.00.", "Amount Error!");
    memory.amount = a;
    const int n = readFieldWhole(years);
    if (!(n > 0))
        return warn(messages, "The number of years be greater than 0.", "Number of Years Error!");
    memory.years = n;
    memory.returnRate = readFloatText(returnRate, 9);
    memory.taxRate = readFloatText(taxRate, 9);
    memory.inflationRate = readFloatText(inflationRate, 9);

    const float r = memory.returnRate, t = memory.taxRate, f = memory.inflationRate;
    const float afterTax = static_cast<float>(r - r * (t * 0.01));
    const float growth = powerOf(static_cast<float>(1 + afterTax * 0.01), memory.years) - 1.0f;
    const float real = static_cast<float>((1 + afterTax * 0.01) / (1 + f * 0.01) - 1);
    const float realGrowth = powerOf(1.0f + real, memory.years) - 1.0f;
    const float w = growth * memory.amount + memory.amount;
    const float today = realGrowth * memory.amount + memory.amount;

    const double effective = ((today - memory.amount) / memory.amount * 100) / memory.years;
    if (!checkFiniteResults(messages, {w, today, effective})) return false;
    analysisYears = format("%d", memory.years);
    analysisTaxRate = percentText(t);
    worth = money(w);
    analysisInflationRate = percentText(f);
    todaysValue = money(today);
    effectiveRate = percentText(static_cast<float>(effective));
    return true;
}

} // namespace finplan
