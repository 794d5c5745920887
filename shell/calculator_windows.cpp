#include "shell/calculator_dialogs.h"
#include "shell/mortgage_schedule_window.h"

namespace finplan {

std::unique_ptr<QDialog> makeCalculatorWindow(CalculatorTool tool, PlannerParts& parts,
                                              const Event* editedMortgage, QWidget* parent) {
    switch (tool) {
    case CalculatorTool::Mortgage:
        return std::make_unique<MortgageCalculatorDialog>(parts, parent);
    case CalculatorTool::Refinance:
        return std::make_unique<RefinanceDialog>(parts, editedMortgage, parent);
    case CalculatorTool::Accelerated:
        return std::make_unique<AcceleratedDialog>(parts, parent);
    case CalculatorTool::Inflation:
        return std::make_unique<InflationDialog>(parts, parent);
    case CalculatorTool::Investment:
        return std::make_unique<InvestmentDialog>(parts, parent);
    case CalculatorTool::TradeOff:
        return std::make_unique<TradeOffDialog>(parts, parent);
    case CalculatorTool::Schedule:
        return std::make_unique<MortgageScheduleWindow>(parts, parent);
    }
    return nullptr;
}

void QtCalculatorWindows::open(CalculatorTool tool, const Event* editedMortgage) {
    std::unique_ptr<QDialog> window = makeCalculatorWindow(tool, parts, editedMortgage, parent);
    if (window) run(*window, toolTitle(tool));
}

} // namespace finplan
