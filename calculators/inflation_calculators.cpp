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
      inflatedAmount(format("%-13.2f", static_cast<double>(kept.result))), memory_(kept),
      messages_(shown) {}

bool InflationCalculator::calculate() {
    // 0 is accepted although the messages speak of 1.
    const float start = readFieldNumber(startAge);
    if (!(start >= 0.0f && start <= 120.0f))
        return warn(messages_, "Start age must be a value from 1 - 120.", "Start Age Error!");
    memory_.startAge = start;
    const float end = readFieldNumber(endAge);
    if (!(end >= 0.0f && end <= 120.0f))
        return warn(messages_, "End Age must be a value from 1 - 120.", "End Age Error!");
    if (!(end > memory_.startAge))
        return warn(messages_, "End Age must be greater the Start Age.", "End Age Error!");
    memory_.endAge = end;
    const float r = readFieldNumber(rate);
    if (!(r >= -100.0f && r <= 100.0f))
        return warn(messages_, "Inflation Rate must be a value from -100 - 100.", "Rate Error!");
    memory_.rate = r;
    const float a = readFieldNumber(amount);
    if (!(a >= 1.0f && a <= 99999999.0f))
        return warn(messages_, "This amount must be a value from 1.0 - 99999999.00",
                    "Amount Error!");
    memory_.amount = a;

    float result = memory_.amount;
    for (int age = wholeNumber(memory_.startAge); age < wholeNumber(memory_.endAge); ++age)
        result = static_cast<float>(result + result * memory_.rate * 0.01);
    if (!checkFiniteResults(messages_, {result})) return false;
    memory_.result = result;
    inflatedAmount = format("%-13.2f", static_cast<double>(result));
    return true;
}

InvestmentCalculator::InvestmentCalculator(InvestmentMemory& kept, Messages& shown)
    : amount(format("%-6.2f", static_cast<double>(kept.amount))), years(format("%3d", kept.years)),
      returnRate(format("%-13.2f", static_cast<double>(kept.returnRate))),
      taxRate(format("%-13.2f", static_cast<double>(kept.taxRate))),
      inflationRate(format("%-13.2f", static_cast<double>(kept.inflationRate))), memory_(kept),
      messages_(shown) {}

bool InvestmentCalculator::calculate() {
    const float a = readFieldNumber(amount);
    if (!(a > 0.0f))
        return warn(messages_, "The investment amount must be greater than $0.00.",
                    "Amount Error!");
    memory_.amount = a;
    const int n = readFieldWhole(years);
    if (!(n > 0))
        return warn(messages_, "The number of years be greater than 0.", "Number of Years Error!");
    memory_.years = n;
    memory_.returnRate = readFloatText(returnRate, 9);
    memory_.taxRate = readFloatText(taxRate, 9);
    memory_.inflationRate = readFloatText(inflationRate, 9);

    const float r = memory_.returnRate, t = memory_.taxRate, f = memory_.inflationRate;
    const float afterTax = static_cast<float>(r - r * (t * 0.01));
    const float growth = powerOf(static_cast<float>(1 + afterTax * 0.01), memory_.years) - 1.0f;
    const float real = static_cast<float>((1 + afterTax * 0.01) / (1 + f * 0.01) - 1);
    const float realGrowth = powerOf(1.0f + real, memory_.years) - 1.0f;
    const float w = growth * memory_.amount + memory_.amount;
    const float today = realGrowth * memory_.amount + memory_.amount;

    const double effective = ((today - memory_.amount) / memory_.amount * 100) / memory_.years;
    if (!checkFiniteResults(messages_, {w, today, effective})) return false;
    analysisYears = format("%d", memory_.years);
    analysisTaxRate = percentText(t);
    worth = money(w);
    analysisInflationRate = percentText(f);
    todaysValue = money(today);
    effectiveRate = percentText(static_cast<float>(effective));
    return true;
}

} // namespace finplan
