// The desktop's CalculatorWindows: the calculator dialogs of the Tools/Aids menu, each
// its presenter in the one form, and the Mortgage Schedule window.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "shell/logic/calculator_tools.h"
#include "shell/logic/main_presenter.h"

namespace finplan {

// Shows `dialog` modally (through `runner` when given, as tests do), marked open in
// `tools` under `name` (raised when a command brings the tool windows to the front);
// the mark goes when it closes. The dialog's result.
int execAsTool(QDialog& dialog, ToolWindows& tools, const std::string& name,
               const std::function<int(QDialog&)>& runner = {});

class QtCalculatorWindows : public CalculatorWindows {
  public:
    // run shows a window modally, marked open under its name in the tool table.
    using RunTool = std::function<void(QDialog&, const std::string& name)>;
    QtCalculatorWindows(PlannerParts theParts, QWidget* theParent, RunTool theRun)
        : parts_(theParts), parent_(theParent), run_(std::move(theRun)) {}
    void open(CalculatorTool tool, const Event* editedMortgage = nullptr) override;

  private:
    PlannerParts parts_;
    QWidget* parent_;
    RunTool run_;
};

} // namespace finplan
