// The command table of the main window and the start-up and closing steps, without
// widgets: every menu item, toolbar button and accelerator arrives at execute().
#pragma once

#include <set>
#include <string>

#include "calculators/calculator_memory.h"
#include "graphs/plot_series.h"
#include "model/account_list.h"
#include "model/scenario.h"
#include "model/scenario_file.h"
#include "model/settings_file.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/help.h"
#include "platform/launcher.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "shell/logic/account_editing.h"
#include "shell/logic/calculator_tools.h"
#include "shell/logic/event_editing.h"
#include "shell/logic/scenario_runner.h"
#include "shell/logic/shell_view.h"
#include "shell/logic/tool_windows.h"
#include "shell/logic/undo_stack.h"

namespace finplan {

class GraphInteraction;

// The application's objects the commands work on (owned by main()).
struct PlannerParts {
    Scenario& scenario;       // the records
    ScenarioSession& session; // their change flags, revision and the editors' slot
    ScenarioFiles& files;
    Settings& settings;
    AccountListSort& accountSort; // the Accounts folder's order
    ScenarioRunner& runner;
    PlotSeries& plots;             // the graph tables the last run filled
    CalculatorMemory& calculators; // what each calculator keeps between openings
    ToolWindows& tools;
    Messages& messages;
    FileChooser& chooser;
    Help& help;
    Launcher& launcher;
    UndoStack& undo;    // Edit ▸ Undo and Redo of every change to the scenario
    const Clock& clock; // today's date (the birthday rule)
    // The printer and the graph window's state; printing is not offered without them.
    Printer* printer = nullptr;
    GraphInteraction* graphs = nullptr;
};

// Commands that act even while a tool window is open.
bool isAlwaysCommand(int id);

class MainPresenter {
  public:
    MainPresenter(PlannerParts parts, ShellView& shellView)
        : p_(parts), view_(shellView),
          events_(parts.session, parts.messages, parts.help, parts.calculators, parts.undo,
                  parts.clock, shellView),
          accountEditing_(parts.session, parts.messages, parts.help, shellView, parts.undo) {}

    // Start-up after the window exists: "finance.dat", the last scenario and its run.
    // A scenario named on the command line is opened in place of the last one.
    // True when the scenario opened.
    bool startUp(const std::string& requested = {});
    // Opens a scenario named on the command line, as Open does after its dialog.
    void openPath(const std::string& path);
    // A file dropped on the window: a scenario opens as Open does (save question
    // first), a tab file dropped on the Accounts folder is imported as Import Account
    // Data does. False when the file is not taken there.
    bool dropFile(const std::string& path);
    // A command number; false when it was ignored because a tool window is open.
    bool execute(int id);
    // The close request: the save question; the caller then writes the placement.
    // False when the user cancelled: the window stays open with its changes.
    bool closing();

    // The editors of events and initial values (the event list and Results use them).
    EventEditing& editing() { return events_; }
    // An event edited from the Results folder: OK reruns into the Results folder.
    void editEventFromResults(int index);
    // The calculators' windows; until they are attached their commands say they are
    // not in this build.
    void attachCalculators(CalculatorWindows& windows) { calculatorWindows_ = &windows; }

    // The message shown by commands whose feature this build does not have.
    void notInBuild(const std::string& feature);
    // Features reported missing so far (for the About box and tests).
    const std::set<std::string>& missingFeatures() const { return missing_; }

    // Add, Edit, Delete and Groups of the Accounts folder, and the import's dialog.
    AccountEditing& accounts() { return accountEditing_; }

  private:
    void newScenario();
    void openScenarioCommand();
    void openRecent(int index);
    void save();
    void saveAs();
    bool saveUnderNewName(); // Save As's file dialog and save; false when cancelled or failed
    // The save question before New, Open and closing; false when the action must not go on.
    bool saveChangesFirst();
    void afterOpen(const OpenResult& r);
    void importAccounts(const std::string& dropped = {});
    void editAccount();
    void editGroups();
    void exportResults();
    void saveAccounts();
    void readAccounts();
    void reindex();
    void stepHistory(bool back); // Undo (true) or Redo
    void initialValues();
    void addEvent(EventKind kind);
    void chooseEvents();
    void saveGraphs();
    void exit();
    void startProgram(const char* program, bool withPlotFile);
    void desktopCalculator();
    void runScenario();
    void openCalculator(CalculatorTool tool);
    void print(int id);
    void folderHelp(); // F1: the help of the folder on show

    PlannerParts p_;
    CalculatorWindows* calculatorWindows_ = nullptr;
    ShellView& view_;
    EventEditing events_;
    std::set<std::string> missing_;
    KnownFile accountsFile_; // last accounts file chosen, as it was read or written
    AccountEditing accountEditing_;
};

} // namespace finplan
