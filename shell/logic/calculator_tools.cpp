#include "shell/logic/calculator_tools.h"

#include <algorithm>

#include "calculators/field_text.h"
#include "calculators/refinance_analysis.h"
#include "calculators/trade_off_analysis.h"
#include "shell/logic/command_ids.h"

namespace finplan {

const char* toolTitle(CalculatorTool tool) {
    switch (tool) {
    case CalculatorTool::Mortgage:
        return "Mortgage Calculator";
    case CalculatorTool::Refinance:
        return "Refinance Analysis";
    case CalculatorTool::Accelerated:
        return "Accelerated Mortgage Payment Analysis";
    case CalculatorTool::Inflation:
        return "Inflation Calculator";
    case CalculatorTool::Investment:
        return "Taxes, Inflation and Your Investment";
    case CalculatorTool::TradeOff:
        return "Trade-Off Analysis";
    case CalculatorTool::Schedule:
        return "Mortgage Schedule";
    }
    return "";
}

std::optional<CalculatorTool> commandTool(int id) {
    switch (id) {
    case cmd::kMortgageCalculator:
        return CalculatorTool::Mortgage;
    case cmd::kRefinance:
        return CalculatorTool::Refinance;
    case cmd::kAccelerated:
        return CalculatorTool::Accelerated;
    case cmd::kInflationCalculator:
        return CalculatorTool::Inflation;
    case cmd::kTaxInflationInvestment:
        return CalculatorTool::Investment;
    case cmd::kTradeOff:
        return CalculatorTool::TradeOff;
    default:
        return std::nullopt;
    }
}

MortgageEditorTools mortgageEditorTools(CalculatorWindows& windows, const Scenario& scenario) {
    return [&windows, &scenario](CalculatorTool tool) {
        windows.open(tool, tool == CalculatorTool::Refinance ? editedMortgage(scenario) : nullptr);
    };
}

int tradeOffSpinPosition(const std::string& periodsText, int steps) {
    constexpr int low = TradeOffAnalysis::kSpinUpper; // the "upper" end is 0
    constexpr int high = TradeOffAnalysis::kSpinLower;
    const int at = std::clamp(readIntText(periodsText, TradeOffAnalysis::kValueChars), low, high);
    return std::clamp(at - steps, low, high);
}

} // namespace finplan
