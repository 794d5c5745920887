#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSessionManager>
#include <QStackedWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "graphs/graph_state.h"
#include "model/market_table.h"
#include "model/window_placement.h"
#include "platform/help_contexts.h"
#include "shell/accounts_page.h"
#include "shell/analysis_page.h"
#include "shell/calculator_windows.h"
#include "shell/event_list_page.h"
#include "shell/folder_pages.h"
#include "shell/folder_tab_row.h"
#include "shell/form_dialog.h"
#include "shell/graph_page.h"
#include "shell/icons.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/menu_model.h"
#include "shell/results_page.h"
#include "shell/screen_fit.h"
#include "shell/success_rate_label.h"

namespace finplan {

namespace {
const std::vector<QAction*> kNoActions;
} // namespace

MainWindow::MainWindow(PlannerParts theParts, ShellOptions theOptions, QWidget* parent)
    : QMainWindow(parent), parts(theParts), options(theOptions), presenter(theParts, *this),
      resultsPresenter(theParts.runner, theParts.scenario, theParts.messages),
      eventList(theParts.scenario, &presenter.editing()),
      accountsFolder(theParts.scenario, theParts.accountSort),
      analysis(theParts.session, theParts.clock, theParts.messages, theParts.chooser,
               &theParts.files),
      // Every change of the plan raises the session's revision.
      liveRate(theParts.scenario, theParts.clock,
               [&s = theParts.session] { return s.revision(); }) {
    setWindowTitle("Financial Planner");
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    fitDialogsToScreen();
    placeWindow();

    buildMenu();
    buildToolbar();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs = new FolderTabRow(central);
    folder = new QStackedWidget(central);
    layout->addWidget(tabs);
    layout->addSpacing(10);
    layout->addWidget(folder, 1);
    setCentralWidget(central);
    connect(tabs, &FolderTabRow::tabClicked, this, [this](int t) { switchFolder(t); });
    // Log-off or shutdown: the same save question as closing, then let it go on.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!presenter.closing()) session.cancel();
    });

    calculatorWindows = std::make_unique<QtCalculatorWindows>(
        theParts, this, [this](QDialog& d, const std::string& name) { runTool(d, name); });
    presenter.attachCalculators(*calculatorWindows);
    presenter.startUp(theOptions.scenario);
    liveRate.options = readUserOptions(theOptions.userOptionsFile);
    liveRate.setup = [this] { return analysis.liveTrialsSetup(); };
    successRate = new SuccessRateLabel(liveRate, theOptions.userOptionsFile, statusBar());
    successRate->dialogOpen = [this] { return shownDialog != nullptr; };
    successRate->onOpen = [this] { openLiveTrials(); };
    parts.session.setChangeListener([this](uint64_t) { successRate->followChange(); });
    rebuildTabs();
    setMenuState(false);
    setGraphPrintEnabled(false);
    page = makeSplashPage(folder);
    folder->addWidget(page);
    tabs->setCurrent(tab::kSummary);
    switchFolder(tab::kSummary);
}

MainWindow::~MainWindow() {
    parts.session.setChangeListener(nullptr); // the session may outlive the window
}

// The status bar's trials, shown in the Analysis folder as if it had run them.
void MainWindow::openLiveTrials() {
    const TrialResults* r = liveRate.results();
    if (r == nullptr) return;
    analysis.adopt(*r, liveRate.resultRevision());
    switchFolder(analysisTab(parts.scenario.accounts.usableCount()));
}

const std::vector<QAction*>& MainWindow::actionsOf(int id) const {
    auto it = actions.find(id);
    return it == actions.end() ? kNoActions : it->second;
}

GraphInteraction& MainWindow::graphWindow() {
    if (parts.graphs) return *parts.graphs;
    if (!ownGraphs) ownGraphs = std::make_unique<GraphInteraction>(parts.plots, parts.scenario);
    return *ownGraphs;
}

EventListPage* MainWindow::eventListView() const {
    return qobject_cast<EventListPage*>(page);
}

void MainWindow::runsCommand(QAction* action, int id) {
    connect(action, &QAction::triggered, this, [this, id] { presenter.execute(id); });
}

void MainWindow::addMenuEntries(QMenu* menu, const MenuEntry& popup) {
    for (const MenuEntry& e : popup.items) {
        if (e.isSeparator()) {
            menu->addSeparator();
        } else if (e.isPopup()) {
            addMenuEntries(menu->addMenu(QString::fromStdString(e.text)), e);
        } else {
            QAction* a = menu->addAction(QString::fromStdString(e.text));
            runsCommand(a, e.id);
            actions[e.id].push_back(a);
            if (e.id == cmd::kAbout) aboutAction = a;
        }
    }
}

void MainWindow::buildMenu() {
    for (const MenuEntry& popup : retireMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(popup.text));
        if (popup.text == "&File") file = menu;
        addMenuEntries(menu, popup);
        if (popup.text == "&Edit") setUpUndoActions(menu);
    }
    // Keyboard accelerators for the commands whose letters are not taken by the menu bar.
    const std::pair<int, const char*> keys[] = {{cmd::kNew, "Alt+N"},
                                                {cmd::kOpen, "Alt+O"},
                                                {cmd::kSave, "Alt+S"},
                                                {cmd::kExit, "Alt+X"},
                                                {cmd::kAbout, "Alt+B"}};
    for (auto [id, key] : keys) {
        auto* shortcut = new QAction(this);
        shortcut->setShortcut(QKeySequence(key));
        runsCommand(shortcut, id);
        addAction(shortcut);
    }
    installStandardKeys();
}

void MainWindow::setUpUndoActions(QMenu* edit) {
    // The items name the change they undo; the keys stay live while the menu is closed.
    connect(edit, &QMenu::aboutToShow, this, [this] {
        auto show = [this](int id, const std::string& text, bool can) {
            QString label = "&" + QString::fromStdString(text).replace("&", "&&");
            for (QAction* a : actionsOf(id)) {
                a->setText(label);
                a->setEnabled(can);
            }
        };
        show(cmd::kUndo, parts.undo.undoText(), parts.undo.canUndo());
        show(cmd::kRedo, parts.undo.redoText(), parts.undo.canRedo());
    });
    connect(edit, &QMenu::aboutToHide, this, [this] {
        for (int id : {cmd::kUndo, cmd::kRedo})
            for (QAction* a : actionsOf(id))
                a->setEnabled(true);
    });
}

void MainWindow::buildToolbar() {
    toolbar = addToolBar("Tools");
    toolbar->setObjectName("toolbar");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(16, 16));
    // Thirty-three buttons fit the fixed window only with tight buttons and separators.
    toolbar->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; }"
                           "QToolBar::separator { width: 3px; }"
                           "QToolButton { padding: 1px; margin: 0px; }");
    for (const ToolButton& b : toolbarButtons()) {
        if (b.image < 0) {
            toolbar->addSeparator();
            continue;
        }
        QAction* a = toolbar->addAction(QIcon(toolbarImage(b.image)), b.tooltip);
        a->setToolTip(b.tooltip);
        runsCommand(a, b.command);
        actions[b.command].push_back(a);
    }
}

void MainWindow::setTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void MainWindow::setMenuState(bool noScenario) {
    for (auto& [id, list] : actions)
        for (QAction* a : list)
            a->setEnabled(true);
    const std::vector<int> grey =
        noScenario ? noScenarioGreyedIds() : std::vector<int>{cmd::kPrintGraph, cmd::kPrintGraph2};
    for (int id : grey)
        for (QAction* a : actionsOf(id))
            a->setEnabled(false);
}

void MainWindow::setGraphPrintEnabled(bool on) {
    for (int id : {cmd::kPrintGraph, cmd::kPrintGraph2})
        for (QAction* a : actionsOf(id))
            a->setEnabled(on);
    movePrintKey(on);
}

void MainWindow::rebuildRecentMenu(const RecentMenu& menu) {
    for (QAction* a : recentActions) {
        file->removeAction(a);
        delete a;
    }
    recentActions.clear();
    for (const RecentMenuItem& item : menu.items) {
        auto* a = new QAction(QString::fromStdString(item.label), file);
        runsCommand(a, item.id);
        file->insertAction(aboutAction, a);
        recentActions.push_back(a);
    }
    if (menu.separator) {
        QAction* sep = file->insertSeparator(aboutAction);
        recentActions.push_back(sep);
    }
}

void MainWindow::rebuildTabs() {
    QStringList labels;
    for (const auto& l : folderTabLabels(parts.scenario.accounts.usableCount(), summaryShown))
        labels << QString::fromStdString(l);
    tabs->setLabels(labels);
    tabs->setCurrent(tabIndex < labels.size() ? tabIndex : 0);
}

std::optional<FanChart> MainWindow::shownFanChart() const {
    if (tabIndex != analysisTab(parts.scenario.accounts.usableCount()) || !analysis.results())
        return std::nullopt;
    return analysis.fanChart();
}

bool MainWindow::resultsPageShown() const {
    return resultsPage && page == resultsPage;
}

void MainWindow::dropResultsPage() {
    if (!resultsPage) return;
    if (page == resultsPage) page = nullptr;
    folder->removeWidget(resultsPage);
    resultsPage->deleteLater();
    resultsPage = nullptr;
}

void MainWindow::closeScenarioPages() {
    resultsPresenter.forgetPlace();
    dropResultsPage();
    if (page) {
        folder->removeWidget(page);
        page->deleteLater();
        page = nullptr;
    }
}

void MainWindow::scenarioReplaced() {
    analysis.clear();
}

void MainWindow::showAccountsChanged() {
    if (tabIndex == tab::kAccounts) {
        switchFolder(tab::kAccounts); // rebuilt from the accounts as they are now
    } else {
        rebuildTabs();
    }
}

QWidget* MainWindow::createPage(int t) {
    if (t == tab::kSummary) {
        if (!summaryShown) return makeSplashPage(folder);
        return makeGraphPage(parts, graphWindow(), GraphKind::None, 0, 0, folder);
    }
    if (t == tab::kAccounts) return createAccountsPage();
    if (t == tab::kScenario) {
        auto* p = new EventListPage(eventList, folder);
        p->onCommand = [this](int id) { presenter.execute(id); };
        p->onHelp = [this] { parts.help.showContext(help::kScenarioFolder); };
        return p;
    }
    if (t == tab::kResults) {
        if (!resultsPage) {
            resultsPage = new ResultsPage(resultsPresenter, folder);
            resultsPage->onCommand = [this](int id) { presenter.execute(id); };
            resultsPage->onEditEvent = [this](int index) { presenter.editEventFromResults(index); };
            resultsPresenter.show();
        }
        resultsPage->refresh();
        return resultsPage;
    }
    if (t == analysisTab(parts.scenario.accounts.usableCount())) {
        auto* a = new AnalysisPage(analysis, folder);
        a->onOpenTrial = [this](const TrialReplay& trial, const std::string& caption) {
            switchFolder(tab::kResults);
            if (tabIndex != tab::kResults || !resultsPage) return;
            resultsPresenter.showTrial(trial, caption);
            resultsPage->refresh();
        };
        a->onChartShown = [this](bool shown) { setGraphPrintEnabled(shown); };
        a->onMarkets = [this](MarketsPresenter& dialog) {
            dialog.helpWith(parts.help);
            FormDialog box(dialog, this);
            return runTool(box, "Markets");
        };
        setGraphPrintEnabled(analysis.results() != nullptr);
        return a;
    }
    GraphTab g = graphTab(t);
    AccountRange r = accountTabRange(t, parts.scenario.accounts.usableCount());
    return makeGraphPage(parts, graphWindow(), g.kind, r.first, r.count, folder);
}

void MainWindow::switchFolder(int t) {
    if (t < 0 || t >= static_cast<int>(tabs->labels().size())) t = tab::kSummary;
    if (parts.tools.bringToFront()) {
        tabs->setCurrent(tabIndex);
        return;
    }
    tabs->setCurrent(t);
    Scenario& s = parts.scenario;
    const bool analysisFolder = t == analysisTab(s.accounts.usableCount());
    FolderSwitchPlan plan = planFolderSwitch(t, parts.session.resultsStale(),
                                             resultsPage != nullptr, summaryShown, analysisFolder);
    QWidget* previous = page;
    if (plan.dropResultsPage) {
        if (previous == resultsPage) previous = nullptr;
        dropResultsPage();
    }
    if (const int kind = graphTab(t).kind; kind != GraphKind::None && !analysisFolder)
        parts.runner.setGraphKind(kind);
    if (plan.runFirst) parts.runner.run(nullptr, RunMode::List, {});
    setGraphPrintEnabled(plan.graphPrintEnabled);
    if (t != tab::kSummary) summaryShown = true;
    tabIndex = t;
    // The Scenario folder keeps the tab row, unless it names accounts of another scenario.
    std::vector<std::string> shown;
    for (const QString& l : tabs->labels())
        shown.push_back(l.toStdString());
    if (plan.rebuildTabs || accountTabsDiffer(shown, s.accounts.usableCount())) rebuildTabs();
    page = createPage(t);
    if (folder->indexOf(page) < 0) folder->addWidget(page);
    folder->setCurrentWidget(page);
    if (previous && previous != page && previous != resultsPage) {
        folder->removeWidget(previous);
        previous->deleteLater();
    }
}

bool MainWindow::runDialog(DialogPresenter& dialog) {
    // A dialog opened from another one sits on top of it.
    QWidget* owner = shownDialog ? static_cast<QWidget*>(shownDialog) : this;
    FormDialog box(dialog, owner);
    FormDialog* outer = shownDialog;
    shownDialog = &box;
    const std::string mark = "dialog " + dialog.title();
    if (dialog.isToolWindow()) parts.tools.open(mark, [&box] { box.raise(); });
    const bool accepted = box.exec() == QDialog::Accepted;
    parts.tools.close(mark);
    shownDialog = outer;
    return accepted;
}

bool MainWindow::openCalculator(const CalculatorRequest& request) {
    if (!calculatorWindows) return false;
    // The Mortgage event editor's buttons: the schedule and the refinance analysis start
    // from its mortgage as validated; the accelerated analysis from the values it left.
    switch (request.kind) {
    case CalculatorKind::MortgageSchedule:
        calculatorWindows->open(CalculatorTool::Schedule, &request.mortgage);
        break;
    case CalculatorKind::Refinance:
        calculatorWindows->open(CalculatorTool::Refinance, &request.mortgage);
        break;
    case CalculatorKind::Accelerated:
        calculatorWindows->open(CalculatorTool::Accelerated);
        break;
    }
    return true;
}

QWidget* MainWindow::createAccountsPage() {
    auto* p = new AccountsPage(accountsFolder, options.idColumn, folder);
    AccountEditing& editing = presenter.accounts();
    p->onAdd = [this, &editing] {
        if (editing.requestAdd()) presenter.execute(cmd::kAccountInfo);
    };
    p->onEdit = [this, &editing](int row) {
        if (editing.requestEdit(row)) presenter.execute(cmd::kAccountInfo);
    };
    p->onDelete = [this, &editing](int row) {
        if (editing.deleteRow(row)) switchFolder(tab::kAccounts);
    };
    p->onImport = [this] { presenter.execute(cmd::kImportAccounts); };
    p->onHelp = [this] { parts.help.showContext(help::kAccountsFolder); };
    return p;
}

bool MainWindow::runTool(QDialog& dialog, const std::string& name) {
    return execAsTool(dialog, parts.tools, name, dialogRunner) == QDialog::Accepted;
}

void MainWindow::showAbout() {
    QDialog box(this);
    box.setWindowTitle(" About the Financial Planner");
    auto* icon = new QLabel(&box);
    icon->setPixmap(programIcon().pixmap(32, 32));
    auto* text = new QLabel(" The Korvel Financial Planner\nVersion 6.0\n\n"
                            "Plans savings, spending and retirement year by year.",
                            &box);
    auto* credit = new QLabel(kMarketDataCredit, &box);
    credit->setObjectName("marketDataCredit");
    credit->setWordWrap(true);
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    connect(ok, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(row);
    layout->addWidget(credit);
    layout->addWidget(ok);
    parts.tools.open("about", [&box] { box.raise(); });
    box.exec();
    parts.tools.close("about");
}

void MainWindow::toggleToolbar() {
    toolbar->setVisible(!toolbar->isVisible());
}

void MainWindow::requestClose() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!presenter.closing()) {
        e->ignore(); // Cancel: back to the plan, changes and all
        return;
    }
    savePlacement(currentPlacement());
    e->accept();
}

} // namespace finplan
