// The calculators' windows as the command table and the Mortgage event editor see
// them: which command opens which tool, and the port through which they are opened.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "model/scenario.h"

namespace finplan {

enum class CalculatorTool {
    Mortgage,
    Refinance,
    Accelerated,
    Inflation,
    Investment,
    TradeOff,
    Schedule,
};

// The tool's window title, which is also its name in the table of open tool windows.
const char* toolTitle(CalculatorTool tool);

// The tool a Tools/Aids command (menu item or toolbar button) opens, if any.
std::optional<CalculatorTool> commandTool(int id);

// Opens a calculator's window modally and returns once it has closed. The Refinance
// Analysis starts from editedMortgage when it is given (the Mortgage event editor's
// "Do Refinancing Analysis" on an existing event); the Mortgage Schedule always shows
// the event in slot currentEvent, where the editor has just stored it.
class CalculatorWindows {
  public:
    virtual ~CalculatorWindows() = default;
    virtual void open(CalculatorTool tool, const Event* editedMortgage = nullptr) = 0;
};

// The one hook the Mortgage event editor's "Schedule", "Do Refinancing Analysis" and
// "Do Accelerated Payment Analysis" buttons call once the editor has done its part
// (stored the event for Schedule; handed its texts over for the accelerated analysis).
using MortgageEditorTools = std::function<void(CalculatorTool)>;
MortgageEditorTools mortgageEditorTools(CalculatorWindows& windows, const Scenario& scenario);

// "No of Periods" after the trade-off's up-down arrows moved `steps` (up is +1). The
// control counts from the number in its buddy field, and its upper end is 0 and its
// lower end 100, so an up step lowers the count; it stays within 0..100.
int tradeOffSpinPosition(const std::string& periodsText, int steps);

} // namespace finplan
