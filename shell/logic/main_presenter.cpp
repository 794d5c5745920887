#include "shell/logic/main_presenter.h"

#include "calculators/trade_off_files.h"
#include "graphs/plot_file.h"
#include "model/account_commands.h"
#include "model/file_names.h"
#include "model/file_prompts.h"
#include "model/scenario_ops.h"
#include "model/whole_number.h"
#include "platform/help_contexts.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/dropped_files.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/key_table.h"
#include "shell/logic/print_commands.h"
#include "shell/logic/reporting_launcher.h"
#include "text/format.h"

namespace finplan {

namespace {

const char* const kScenarioFilter = "Scenario Files (*.RET)|*.ret";

FileChoice choice(const char* title, const char* filter, const char* ext) {
    return {title, filter, ext, ""};
}

} // namespace

bool isAlwaysCommand(int id) {
    using namespace cmd;
    switch (id) {
    case kOpen:
    case kReindexAccounts:
    case kExit:
    case kAbout:
    case kDesktopCalculator:
    case kTipImport:
    case kTipExport:
    case kTipGraphs:
    case kTipAccounts:
    case kTipResults:
    case kTipSummary:
    case kHelpContents:
    case kHelpOnHelp:
    case kFolderHelp:
        return true;
    default:
        return false;
    }
}

void MainPresenter::notInBuild(const std::string& feature) {
    missing_.insert(feature);
    p_.messages.show(feature + " is not available in this build of the planner.", "Not Available",
                     MessageIcon::Information);
}

void MainPresenter::runScenario() {
    p_.runner.run(nullptr, RunMode::List, {});
}

bool MainPresenter::startUp(const std::string& requested) {
    loadTradeOff(files::kTradeOffValues, p_.calculators.tradeOff);
    bool opened = false;
    bool settingsRead = loadSettings(p_.settings) == 1;
    if (settingsRead) {
        view_.rebuildRecentMenu(p_.settings.recent.menu());
        p_.files.displayName = p_.settings.lastScenario;
    }
    if (!requested.empty()) p_.files.displayName = requested;
    if ((settingsRead || !requested.empty()) && !p_.files.displayName.empty()) {
        opened = readScenario(p_.scenario, p_.files, p_.messages);
        p_.session.changed(ScenarioChange::FileRead);
    }
    // A file the user named that is not there would otherwise be replaced without a word.
    if (!opened && !requested.empty() && p_.files.displayName == requested)
        showFileError(p_.messages, format("Cannot open %s", requested.c_str()));
    if (opened) {
        sortEvents(p_.scenario);
        p_.files.windowTitle = windowTitleFor(p_.files.displayName);
        runScenario();
    } else {
        // Nothing usable was open last time: a fresh scenario under the fallback name.
        p_.files.scenarioPath = p_.files.displayName = files::kFallbackScenario;
        p_.files.windowTitle = windowTitleFor(files::kFallbackScenario);
    }
    view_.setTitle(p_.files.windowTitle);
    view_.setMenuState(false);
    return opened;
}

bool MainPresenter::closing() {
    if (!saveChangesFirst()) return false;
    // However the window is closed, the session's recent files and last scenario are kept.
    saveSettings(p_.settings, p_.files.displayName);
    return true;
}

bool MainPresenter::execute(int id) {
    using namespace cmd;
    // Print Results shows the Results folder before anything else.
    if (id == kPrintResults) view_.switchFolder(tab::kResults);
    if (!isAlwaysCommand(id) && p_.tools.bringToFront()) return false;

    int recent = recentIndex(id);
    if (recent >= 0) {
        openRecent(recent);
        return true;
    }
    switch (id) {
    case kNew:
        newScenario();
        break;
    case kOpen:
        openScenarioCommand();
        break;
    case kSave:
        save();
        break;
    case kSaveAs:
        saveAs();
        break;
    case kImportAccounts:
        importAccounts();
        break;
    case kExportResults:
        exportResults();
        break;
    case kSaveAccounts:
        saveAccounts();
        break;
    case kReadAccounts:
        readAccounts();
        break;
    case kReindexAccounts:
        reindex();
        break;
    case kSaveGraphs:
        saveGraphs();
        break;
    case kExit:
        exit();
        break;
    case kAbout:
        view_.showAbout();
        break;
    case kInitialValues:
        initialValues();
        break;
    case kAddWithdrawal:
    case kAddDeposit:
    case kAddLoan:
    case kAddMortgage:
    case kAddTransfer:
    case kAddFundamentals:
        addEvent(EventEditing::kindOfCommand(id));
        break;
    case kAddEventChooser:
        chooseEvents();
        break;
    case kEventListEditor:
        view_.closeScenarioPages();
        view_.switchFolder(tab::kScenario);
        break;
    case kGroupNames:
        editGroups();
        break;
    case kAccountInfo:
        editAccount();
        break;
    case kEditAccounts:
        view_.switchFolder(tab::kAccounts);
        break;
    case kMortgageCalculator:
    case kRefinance:
    case kAccelerated:
    case kInflationCalculator:
    case kTaxInflationInvestment:
    case kTradeOff:
        openCalculator(*commandTool(id));
        break;
    case kCompareScenarios:
        startProgram(files::kComparisonProgram, true);
        break;
    case kGraphWindow:
        startProgram(files::kGraphViewer, true);
        break;
    case kDesktopCalculator:
        desktopCalculator();
        break;
    case kPrintResults:
    case kPrintGraph:
    case kPrintGraph2:
    case kPrintSetup:
        print(id);
        break;
    case kTipImport:
        p_.help.showContext(help::kTipImport);
        break;
    case kTipExport:
        p_.help.showContext(help::kTipExport);
        break;
    case kTipGraphs:
        p_.help.showContext(help::kTipGraphs);
        break;
    case kTipAccounts:
        p_.help.showContext(help::kTipAccounts);
        break;
    case kTipResults:
        p_.help.showContext(help::kTipResults);
        break;
    case kTipSummary:
        p_.help.showContext(help::kTipSummary);
        break;
    case kHelpContents:
        p_.help.showContents();
        break;
    case kHelpOnHelp:
        p_.help.showHelpOnHelp();
        break;
    case kFolderHelp:
        folderHelp();
        break;
    case kUndo:
        stepHistory(true);
        break;
    case kRedo:
        stepHistory(false);
        break;
    case kToggleToolbar:
        view_.toggleToolbar();
        break;
    case kRandomRun:
        runScenario();
        break;
    case kShowSplashTab:
        view_.switchFolder(tab::kSummary);
        break;
    default:
        break;
    }
    return true;
}

void MainPresenter::folderHelp() {
    const int accounts = p_.scenario.accounts.usableCount();
    if (auto topic = folderHelpContext(view_.currentTab(), analysisTab(accounts)))
        p_.help.showContext(*topic);
    else
        p_.help.showContents();
}

void MainPresenter::print(int id) {
    if (!p_.printer) {
        notInBuild("Printing");
        return;
    }
    PrintCommands printing(p_, view_);
    if (id == cmd::kPrintResults)
        printing.printResults();
    else if (id == cmd::kPrintSetup)
        printing.printSetup();
    else
        printing.printCurrentGraph();
}

void MainPresenter::newScenario() {
    if (!saveChangesFirst()) return;
    int number = wholeNumber(p_.settings.scenarioNumber());
    const bool created = startNewScenario(p_.session, p_.files, p_.messages, number);
    p_.undo.clear(); // the old scenario's history does not apply to the new one
    if (!created) return;
    view_.scenarioReplaced();
    view_.closeScenarioPages();
    view_.setTitle(p_.files.windowTitle);
    view_.setMenuState(false);
    view_.switchFolder(tab::kSummary);
    const bool read = accountEditing_.recorded("Import Account Data", [this] {
        return offerTabAccountsAfterNew(p_.scenario, accountEditing_.importCompleter(), p_.chooser,
                                        p_.messages);
    });
    // The accounts just added are what the user looks at next.
    if (read) view_.switchFolder(tab::kAccounts);
}

void MainPresenter::afterOpen(const OpenResult& r) {
    p_.undo.clear(); // a new history for the scenario now shown
    view_.scenarioReplaced();
    if (r.ok) {
        p_.settings.recent.add(r.previousDisplayName);
        view_.rebuildRecentMenu(p_.settings.recent.menu());
        if (r.closeEditors) view_.closeScenarioPages();
    }
    view_.setTitle(p_.files.windowTitle);
    view_.setMenuState(false);
    view_.switchFolder(r.ok && r.folder == FolderToShow::Scenario ? tab::kScenario : tab::kSummary);
}

void MainPresenter::openScenarioCommand() {
    if (!saveChangesFirst()) return;
    auto path = p_.chooser.openFile(choice("Open a Scenario", kScenarioFilter, "ret"));
    // Marks cleared first, so the folder switch after the open is not held back.
    p_.tools.clearMarks();
    if (path) afterOpen(openScenario(*path, p_.session, p_.files, p_.messages));
    runScenario();
}

void MainPresenter::openPath(const std::string& path) {
    afterOpen(openScenario(path, p_.session, p_.files, p_.messages));
    runScenario();
}

void MainPresenter::openRecent(int index) {
    if (!saveChangesFirst()) return;
    const std::string* name = p_.settings.recent.fileForCommand(cmd::recentCommand(index));
    if (!name || name->empty()) return;
    std::string path = *name; // the list changes below
    afterOpen(openScenario(path, p_.session, p_.files, p_.messages));
    runScenario();
}

void MainPresenter::save() {
    // A scenario without a name of the user's choosing gets one, as Save As asks.
    if (p_.files.untitled)
        saveAs();
    else
        saveScenario(p_.session, p_.files, p_.messages);
}

void MainPresenter::saveAs() {
    saveUnderNewName();
    p_.tools.clearMarks();
    runScenario();
}

bool MainPresenter::saveUnderNewName() {
    auto path =
        p_.chooser.saveFile(choice("Save Scenario With a New Name", kScenarioFilter, "ret"));
    if (!path) return false;
    SaveAsResult r = saveScenarioAs(*path, p_.session, p_.files, p_.messages);
    if (r.ok) {
        p_.settings.recent.add(r.previousDisplayName);
        view_.rebuildRecentMenu(p_.settings.recent.menu());
    }
    view_.setTitle(p_.files.windowTitle);
    return r.ok;
}

bool MainPresenter::saveChangesFirst() {
    // Yes saves as Save does: a temporary name would be taken by the next New.
    return askToSaveChanges(p_.session, p_.files, p_.messages, [this] {
        return p_.files.untitled ? saveUnderNewName()
                                 : saveScenario(p_.session, p_.files, p_.messages);
    });
}

bool MainPresenter::dropFile(const std::string& path) {
    switch (dropKindOf(path, view_.currentTab() == tab::kAccounts)) {
    case DropKind::Scenario:
        if (!saveChangesFirst()) return true;
        p_.tools.clearMarks();
        openPath(path);
        return true;
    case DropKind::TabAccounts:
        if (!p_.tools.bringToFront()) importAccounts(path);
        return true;
    case DropKind::None:
        break;
    }
    return false;
}

void MainPresenter::importAccounts(const std::string& dropped) {
    const bool imported = accountEditing_.recorded("Import Account Data", [this, &dropped] {
        AccountCompleter& completer = accountEditing_.importCompleter();
        const bool read = dropped.empty()
                              ? importAccountDataCommand(p_.scenario, p_.accountSort, completer,
                                                         p_.chooser, p_.messages)
                              : importAccountDataFile(p_.scenario, p_.accountSort, completer,
                                                      dropped, p_.messages);
        if (!read) return false;
        p_.session.changed(ScenarioChange::AccountsRead);
        return true;
    });
    if (!imported) return;
    if (view_.resultsPageShown() || view_.currentTab() == tab::kSummary) {
        view_.dropResultsPage();
        view_.switchFolder(tab::kResults);
    } else {
        view_.showAccountsChanged();
    }
}

void MainPresenter::editAccount() {
    if (accountEditing_.openAccountInfo()) view_.switchFolder(tab::kAccounts);
}

void MainPresenter::editGroups() {
    accountEditing_.editGroups();
    view_.switchFolder(tab::kAccounts);
}

void MainPresenter::exportResults() {
    p_.runner.exportResults();
}

void MainPresenter::saveAccounts() {
    saveAccountsCommand(p_.scenario, accountsFile_, p_.chooser, p_.messages);
}

void MainPresenter::readAccounts() {
    ScenarioSnapshot before(p_.scenario);
    if (!readAccountsCommand(p_.scenario, accountsFile_, p_.chooser, p_.messages)) return;
    p_.session.changed(ScenarioChange::AccountsRead);
    p_.undo.record("Read Accounts", before, p_.scenario);
    view_.dropResultsPage();
    view_.switchFolder(tab::kAccounts);
}

void MainPresenter::reindex() {
    ScenarioSnapshot before(p_.scenario);
    if (!reindexAccounts(p_.scenario, p_.messages)) return;
    p_.session.changed(ScenarioChange::AccountsReindexed);
    p_.undo.record("Re-Index Accounts", before, p_.scenario);
    view_.switchFolder(tab::kScenario);
}

void MainPresenter::initialValues() {
    events_.editInitialValues();
    // The folder shown follows the values as they now are (a graph or the summary reruns).
    const int t = view_.currentTab();
    if (view_.resultsPageShown()) {
        view_.dropResultsPage();
        view_.switchFolder(tab::kResults);
    } else if (t == tab::kSummary || t >= tab::kNetWorth) {
        view_.switchFolder(t);
    }
}

void MainPresenter::addEvent(EventKind kind) {
    if (!events_.addEvent(kind)) return;
    if (view_.resultsPageShown()) {
        view_.dropResultsPage(); // runs again in the Results folder
        view_.switchFolder(tab::kResults);
    } else {
        view_.switchFolder(tab::kScenario);
    }
}

void MainPresenter::chooseEvents() {
    events_.chooseEvents([this] { view_.switchFolder(tab::kScenario); });
    view_.switchFolder(tab::kScenario);
}

void MainPresenter::editEventFromResults(int index) {
    if (!events_.editEvent(index)) return;
    view_.dropResultsPage();
    view_.switchFolder(tab::kResults);
}

void MainPresenter::stepHistory(bool back) {
    if (!(back ? p_.undo.undo(p_.session) : p_.undo.redo(p_.session))) return;
    // The folder shown is made again from the plan as it now is (and reruns it).
    view_.switchFolder(view_.currentTab());
}

void MainPresenter::saveGraphs() {
    finplan::saveGraphs(p_.chooser, p_.messages, files::kPlotFile);
}

void MainPresenter::exit() {
    view_.requestClose(); // closing() writes "finance.dat"
}

void MainPresenter::openCalculator(CalculatorTool tool) {
    if (!calculatorWindows_) {
        notInBuild(std::string("The ") + toolTitle(tool));
        return;
    }
    calculatorWindows_->open(tool);
    // "Use this mortgage in plan": the Mortgage event editor opens on the calculator's
    // values, then the Scenario folder shows the new list.
    if (tool == CalculatorTool::Mortgage && p_.calculators.mortgage.handOver) {
        execute(cmd::kAddMortgage);
        if (view_.currentTab() == tab::kScenario) view_.switchFolder(tab::kScenario);
    }
}

void MainPresenter::startProgram(const char* program, bool withPlotFile) {
    std::vector<std::string> argv = {program};
    if (withPlotFile) argv.push_back(files::kPlotFile);
    ReportingLauncher(p_.launcher, p_.messages).launch(argv);
}

void MainPresenter::desktopCalculator() {
    if (!p_.launcher.launch({files::kCalculator}))
        p_.messages.show("The Window's Calculator could not be found in the path.",
                         "Execution Error", MessageIcon::Error);
}

} // namespace finplan
