// The Print menu: Print Results, Print Current Graph and the print setup, with the
// busy mark that keeps other commands and the graph window's mouse away meanwhile.
#pragma once

#include "shell/logic/main_presenter.h"
#include "shell/logic/shell_view.h"

namespace finplan {

// The name printing is marked under in the table of open tool windows.
inline constexpr const char* kPrintingTool = "printing";

class PrintCommands {
  public:
    PrintCommands(PlannerParts& parts, ShellView& shellView) : p_(parts), view_(shellView) {}

    // Runs the scenario into the print file, cuts it into pages and prints them; then
    // runs the Results folder again.
    void printResults();
    // The page setup, then the graph of the graph folder shown (or the Analysis
    // folder's fan chart).
    void printCurrentGraph();
    // The print and page setup dialogs only.
    void printSetup();

  private:
    PlannerParts& p_;
    ShellView& view_;
};

} // namespace finplan
