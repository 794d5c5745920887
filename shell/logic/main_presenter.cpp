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
    missing.insert(feature);
    p.messages.show(feature + " is not available in this build of the planner.", "Not Available",
                    MessageIcon::Information);
}

void MainPresenter::runScenario() {
    p.runner.run(nullptr, RunMode::List, {});
}

bool MainPresenter::startUp(const std::string& requested) {
    loadTradeOff(files::kTradeOffValues, p.calculators.tradeOff);
    bool opened = false;
    bool settingsRead = loadSettings(p.settings) == 1;
    if (settingsRead) {
        view.rebuildRecentMenu(p.settings.recent.menu());
        p.files.displayName = p.settings.lastScenario;
    }
    if (!requested.empty()) p.files.displayName = requested;
    if ((settingsRead || !requested.empty()) && !p.files.displayName.empty()) {
        opened = readScenario(p.scenario, p.files, p.messages);
        p.session.changed(ScenarioChange::FileRead);
    }
    // A file the user named that is not there would otherwise be replaced without a word.
    if (!opened && !requested.empty() && p.files.displayName == requested)
        showFileError(p.messages, format("Cannot open %s", requested.c_str()));
    if (opened) {
        sortEvents(p.scenario);
        p.files.windowTitle = windowTitleFor(p.files.displayName);
        runScenario();
    } else {
        // Nothing usable was open last time: a fresh scenario under the fallback name.
        p.files.scenarioPath = p.files.displayName = files::kFallbackScenario;
        p.files.windowTitle = windowTitleFor(files::kFallbackScenario);
    }
    view.setTitle(p.files.windowTitle);
    view.setMenuState(false);
    return opened;
}

bool MainPresenter::closing() {
    if (!saveChangesFirst()) return false;
    // However the window is closed, the session's recent files and last scenario are kept.
    saveSettings(p.settings, p.files.displayName);
    return true;
}

bool MainPresenter::execute(int id) {
    using namespace cmd;
    // Print Results shows the Results folder before anything else.
    if (id == kPrintResults) view.switchFolder(tab::kResults);
    if (!isAlwaysCommand(id) && p.tools.bringToFront()) return false;

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
        view.showAbout();
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
        view.closeScenarioPages();
        view.switchFolder(tab::kScenario);
        break;
    case kGroupNames:
        editGroups();
        break;
    case kAccountInfo:
        editAccount();
        break;
    case kEditAccounts:
        view.switchFolder(tab::kAccounts);
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
        p.help.showContext(help::kTipImport);
        break;
    case kTipExport:
        p.help.showContext(help::kTipExport);
        break;
    case kTipGraphs:
        p.help.showContext(help::kTipGraphs);
        break;
    case kTipAccounts:
        p.help.showContext(help::kTipAccounts);
        break;
    case kTipResults:
        p.help.showContext(help::kTipResults);
        break;
    case kTipSummary:
        p.help.showContext(help::kTipSummary);
        break;
    case kHelpContents:
        p.help.showContents();
        break;
    case kHelpOnHelp:
        p.help.showHelpOnHelp();
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
        view.toggleToolbar();
        break;
    case kRandomRun:
        runScenario();
        break;
    case kShowSplashTab:
        view.switchFolder(tab::kSummary);
        break;
    default:
        break;
    }
    return true;
}

void MainPresenter::folderHelp() {
    const int accounts = p.scenario.accounts.usableCount();
    if (auto topic = folderHelpContext(view.currentTab(), analysisTab(accounts)))
        p.help.showContext(*topic);
    else
        p.help.showContents();
}

void MainPresenter::print(int id) {
    if (!p.printer) {
        notInBuild("Printing");
        return;
    }
    PrintCommands printing(p, view);
    if (id == cmd::kPrintResults)
        printing.printResults();
    else if (id == cmd::kPrintSetup)
        printing.printSetup();
    else
        printing.printCurrentGraph();
}

void MainPresenter::newScenario() {
    if (!saveChangesFirst()) return;
    int number = wholeNumber(p.settings.scenarioNumber());
    const bool created = startNewScenario(p.session, p.files, p.messages, number);
    p.undo.clear(); // the old scenario's history does not apply to the new one
    if (!created) return;
    view.scenarioReplaced();
    view.closeScenarioPages();
    view.setTitle(p.files.windowTitle);
    view.setMenuState(false);
    view.switchFolder(tab::kSummary);
    const bool read = accountEditing.recorded("Import Account Data", [this] {
        return offerTabAccountsAfterNew(p.scenario, accountEditing.importCompleter(), p.chooser,
                                        p.messages);
    });
    // The accounts just added are what the user looks at next.
    if (read) view.switchFolder(tab::kAccounts);
}

void MainPresenter::afterOpen(const OpenResult& r) {
    p.undo.clear(); // a new history for the scenario now shown
    view.scenarioReplaced();
    if (r.ok) {
        p.settings.recent.add(r.previousDisplayName);
        view.rebuildRecentMenu(p.settings.recent.menu());
        if (r.closeEditors) view.closeScenarioPages();
    }
    view.setTitle(p.files.windowTitle);
    view.setMenuState(false);
    view.switchFolder(r.ok && r.folder == FolderToShow::Scenario ? tab::kScenario : tab::kSummary);
}

void MainPresenter::openScenarioCommand() {
    if (!saveChangesFirst()) return;
    auto path = p.chooser.openFile(choice("Open a Scenario", kScenarioFilter, "ret"));
    // Marks cleared first, so the folder switch after the open is not held back.
    p.tools.clearMarks();
    if (path) afterOpen(openScenario(*path, p.session, p.files, p.messages));
    runScenario();
}

void MainPresenter::openPath(const std::string& path) {
    afterOpen(openScenario(path, p.session, p.files, p.messages));
    runScenario();
}

void MainPresenter::openRecent(int index) {
    if (!saveChangesFirst()) return;
    const std::string* name = p.settings.recent.fileForCommand(cmd::recentCommand(index));
    if (!name || name->empty()) return;
    std::string path = *name; // the list changes below
    afterOpen(openScenario(path, p.session, p.files, p.messages));
    runScenario();
}

void MainPresenter::save() {
    // A scenario without a name of the user's choosing gets one, as Save As asks.
    if (p.files.untitled)
        saveAs();
    else
        saveScenario(p.session, p.files, p.messages);
}

void MainPresenter::saveAs() {
    saveUnderNewName();
    p.tools.clearMarks();
    runScenario();
}

bool MainPresenter::saveUnderNewName() {
    auto path = p.chooser.saveFile(choice("Save Scenario With a New Name", kScenarioFilter, "ret"));
    if (!path) return false;
    SaveAsResult r = saveScenarioAs(*path, p.session, p.files, p.messages);
    if (r.ok) {
        p.settings.recent.add(r.previousDisplayName);
        view.rebuildRecentMenu(p.settings.recent.menu());
    }
    view.setTitle(p.files.windowTitle);
    return r.ok;
}

bool MainPresenter::saveChangesFirst() {
    // Yes saves as Save does: a temporary name would be taken by the next New.
    return askToSaveChanges(p.session, p.files, p.messages, [this] {
        return p.files.untitled ? saveUnderNewName() : saveScenario(p.session, p.files, p.messages);
    });
}

bool MainPresenter::dropFile(const std::string& path) {
    switch (dropKindOf(path, view.currentTab() == tab::kAccounts)) {
    case DropKind::Scenario:
        if (!saveChangesFirst()) return true;
        p.tools.clearMarks();
        openPath(path);
        return true;
    case DropKind::TabAccounts:
        if (!p.tools.bringToFront()) importAccounts(path);
        return true;
    case DropKind::None:
        break;
    }
    return false;
}

void MainPresenter::importAccounts(const std::string& dropped) {
    const bool imported = accountEditing.recorded("Import Account Data", [this, &dropped] {
        AccountCompleter& completer = accountEditing.importCompleter();
        const bool read =
            dropped.empty()
                ? importAccountDataCommand(p.scenario, p.accountSort, completer, p.chooser,
                                           p.messages)
                : importAccountDataFile(p.scenario, p.accountSort, completer, dropped, p.messages);
        if (!read) return false;
        p.session.changed(ScenarioChange::AccountsRead);
        return true;
    });
    if (!imported) return;
    if (view.resultsPageShown() || view.currentTab() == tab::kSummary) {
        view.dropResultsPage();
        view.switchFolder(tab::kResults);
    } else {
        view.showAccountsChanged();
    }
}

void MainPresenter::editAccount() {
    if (accountEditing.openAccountInfo()) view.switchFolder(tab::kAccounts);
}

void MainPresenter::editGroups() {
    accountEditing.editGroups();
    view.switchFolder(tab::kAccounts);
}

void MainPresenter::exportResults() {
    p.runner.exportResults();
}

void MainPresenter::saveAccounts() {
    saveAccountsCommand(p.scenario, accountsFile, p.chooser, p.messages);
}

void MainPresenter::readAccounts() {
    ScenarioSnapshot before(p.scenario);
    if (!readAccountsCommand(p.scenario, accountsFile, p.chooser, p.messages)) return;
    p.session.changed(ScenarioChange::AccountsRead);
    p.undo.record("Read Accounts", before, p.scenario);
    view.dropResultsPage();
    view.switchFolder(tab::kAccounts);
}

void MainPresenter::reindex() {
    ScenarioSnapshot before(p.scenario);
    if (!reindexAccounts(p.scenario, p.messages)) return;
    p.session.changed(ScenarioChange::AccountsReindexed);
    p.undo.record("Re-Index Accounts", before, p.scenario);
    view.switchFolder(tab::kScenario);
}

void MainPresenter::initialValues() {
    events.editInitialValues();
    // The folder shown follows the values as they now are (a graph or the summary reruns).
    const int t = view.currentTab();
    if (view.resultsPageShown()) {
        view.dropResultsPage();
        view.switchFolder(tab::kResults);
    } else if (t == tab::kSummary || t >= tab::kNetWorth) {
        view.switchFolder(t);
    }
}

void MainPresenter::addEvent(EventKind kind) {
    if (!events.addEvent(kind)) return;
    if (view.resultsPageShown()) {
        view.dropResultsPage(); // runs again in the Results folder
        view.switchFolder(tab::kResults);
    } else {
        view.switchFolder(tab::kScenario);
    }
}

void MainPresenter::chooseEvents() {
    events.chooseEvents([this] { view.switchFolder(tab::kScenario); });
    view.switchFolder(tab::kScenario);
}

void MainPresenter::editEventFromResults(int index) {
    if (!events.editEvent(index)) return;
    view.dropResultsPage();
    view.switchFolder(tab::kResults);
}

void MainPresenter::stepHistory(bool back) {
    if (!(back ? p.undo.undo(p.session) : p.undo.redo(p.session))) return;
    // The folder shown is made again from the plan as it now is (and reruns it).
    view.switchFolder(view.currentTab());
}

void MainPresenter::saveGraphs() {
    finplan::saveGraphs(p.chooser, p.messages, files::kPlotFile);
}

void MainPresenter::exit() {
    view.requestClose(); // closing() writes "finance.dat"
}

void MainPresenter::openCalculator(CalculatorTool tool) {
    if (!calculatorWindows) {
        notInBuild(std::string("The ") + toolTitle(tool));
        return;
    }
    calculatorWindows->open(tool);
    // "Use this mortgage in plan": the Mortgage event editor opens on the calculator's
    // values, then the Scenario folder shows the new list.
    if (tool == CalculatorTool::Mortgage && p.calculators.mortgage.handOver) {
        execute(cmd::kAddMortgage);
        if (view.currentTab() == tab::kScenario) view.switchFolder(tab::kScenario);
    }
}

void MainPresenter::startProgram(const char* program, bool withPlotFile) {
    std::vector<std::string> argv = {program};
    if (withPlotFile) argv.push_back(files::kPlotFile);
    ReportingLauncher(p.launcher, p.messages).launch(argv);
}

void MainPresenter::desktopCalculator() {
    if (!p.launcher.launch({files::kCalculator}))
        p.messages.show("The Window's Calculator could not be found in the path.",
                        "Execution Error", MessageIcon::Error);
}

} // namespace finplan
