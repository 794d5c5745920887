#include "shell/calculator_windows.h"

#include "shell/form_dialog.h"
#include "shell/logic/calculator_presenters.h"
#include "shell/mortgage_schedule_window.h"

namespace finplan {

int execAsTool(QDialog& dialog, ToolWindows& tools, const std::string& name,
               const std::function<int(QDialog&)>& runner) {
    QDialog* d = &dialog;
    tools.open(name, [d] {
        d->raise();
        d->activateWindow();
    });
    const int result = runner ? runner(dialog) : dialog.exec();
    tools.close(name);
    return result;
}

void QtCalculatorWindows::open(CalculatorTool tool, const Event* editedMortgage) {
    if (tool == CalculatorTool::Schedule) {
        MortgageScheduleWindow window(parts_, editedMortgage, parent_);
        run_(window, toolTitle(tool));
        return;
    }
    // The presenter outlives the form that shows it.
    const std::unique_ptr<CalculatorPresenter> presenter =
        makeCalculatorPresenter(tool, parts_, editedMortgage);
    FormDialog form(*presenter, parent_);
    run_(form, toolTitle(tool));
}

} // namespace finplan
