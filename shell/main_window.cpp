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
    : QMainWindow(parent), parts_(theParts), options_(theOptions), presenter_(theParts, *this),
      resultsPresenter_(theParts.runner, theParts.scenario, theParts.messages),
      eventList_(theParts.scenario, &presenter_.editing()),
      accountsFolder_(theParts.scenario, theParts.accountSort),
      analysis_(theParts.session, theParts.clock, theParts.messages, theParts.chooser,
                &theParts.files),
      // Every change of the plan raises the session's revision.
      liveRate_(theParts.scenario, theParts.clock,
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
    tabs_ = new FolderTabRow(central);
    folder_ = new QStackedWidget(central);
    layout->addWidget(tabs_);
    layout->addSpacing(10);
    layout->addWidget(folder_, 1);
    setCentralWidget(central);
    connect(tabs_, &FolderTabRow::tabClicked, this, [this](int t) { switchFolder(t); });
    // Log-off or shutdown: the same save question as closing, then let it go on.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!presenter_.closing()) session.cancel();
    });

    calculatorWindows_ = std::make_unique<QtCalculatorWindows>(
        theParts, this, [this](QDialog& d, const std::string& name) { runTool(d, name); });
    presenter_.attachCalculators(*calculatorWindows_);
    presenter_.startUp(theOptions.scenario);
    liveRate_.options = readUserOptions(theOptions.userOptionsFile);
    liveRate_.setup = [this] { return analysis_.liveTrialsSetup(); };
    successRate_ = new SuccessRateLabel(liveRate_, theOptions.userOptionsFile, statusBar());
    successRate_->dialogOpen = [this] { return shownDialog_ != nullptr; };
    successRate_->onOpen = [this] { openLiveTrials(); };
    parts_.session.setChangeListener([this](uint64_t) { successRate_->followChange(); });
    rebuildTabs();
    setMenuState(false);
    setGraphPrintEnabled(false);
    page_ = makeSplashPage(folder_);
    folder_->addWidget(page_);
    tabs_->setCurrent(tab::kSummary);
    switchFolder(tab::kSummary);
}

MainWindow::~MainWindow() {
    parts_.session.setChangeListener(nullptr); // the session may outlive the window
}

// The status bar's trials, shown in the Analysis folder as if it had run them.
void MainWindow::openLiveTrials() {
    const TrialResults* r = liveRate_.results();
    if (r == nullptr) return;
    analysis_.adopt(*r, liveRate_.resultRevision());
    switchFolder(analysisTab(parts_.scenario.accounts.usableCount()));
}

const std::vector<QAction*>& MainWindow::actionsOf(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? kNoActions : it->second;
}

GraphInteraction& MainWindow::graphWindow() {
    if (parts_.graphs) return *parts_.graphs;
    if (!ownGraphs_) ownGraphs_ = std::make_unique<GraphInteraction>(parts_.plots, parts_.scenario);
    return *ownGraphs_;
}

EventListPage* MainWindow::eventListView() const {
    return qobject_cast<EventListPage*>(page_);
}

void MainWindow::runsCommand(QAction* action, int id) {
    connect(action, &QAction::triggered, this, [this, id] { presenter_.execute(id); });
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
            actions_[e.id].push_back(a);
            if (e.id == cmd::kAbout) aboutAction_ = a;
        }
    }
}

void MainWindow::buildMenu() {
    for (const MenuEntry& popup : retireMenu()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(popup.text));
        if (popup.text == "&File") file_ = menu;
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
        show(cmd::kUndo, parts_.undo.undoText(), parts_.undo.canUndo());
        show(cmd::kRedo, parts_.undo.redoText(), parts_.undo.canRedo());
    });
    connect(edit, &QMenu::aboutToHide, this, [this] {
        for (int id : {cmd::kUndo, cmd::kRedo})
            for (QAction* a : actionsOf(id))
                a->setEnabled(true);
    });
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar("Tools");
    toolbar_->setObjectName("toolbar");
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(16, 16));
    // Thirty-three buttons fit the fixed window only with tight buttons and separators.
    toolbar_->setStyleSheet("QToolBar { spacing: 0px; padding: 0px; }"
                            "QToolBar::separator { width: 3px; }"
                            "QToolButton { padding: 1px; margin: 0px; }");
    for (const ToolButton& b : toolbarButtons()) {
        if (b.image < 0) {
            toolbar_->addSeparator();
            continue;
        }
        QAction* a = toolbar_->addAction(QIcon(toolbarImage(b.image)), b.tooltip);
        a->setToolTip(b.tooltip);
        runsCommand(a, b.command);
        actions_[b.command].push_back(a);
    }
}

void MainWindow::setTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title));
}

void MainWindow::setMenuState(bool noScenario) {
    for (auto& [id, list] : actions_)
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
    for (QAction* a : recentActions_) {
        file_->removeAction(a);
        delete a;
    }
    recentActions_.clear();
    for (const RecentMenuItem& item : menu.items) {
        auto* a = new QAction(QString::fromStdString(item.label), file_);
        runsCommand(a, item.id);
        file_->insertAction(aboutAction_, a);
        recentActions_.push_back(a);
    }
    if (menu.separator) {
        QAction* sep = file_->insertSeparator(aboutAction_);
        recentActions_.push_back(sep);
    }
}

void MainWindow::rebuildTabs() {
    QStringList labels;
    for (const auto& l : folderTabLabels(parts_.scenario.accounts.usableCount(), summaryShown_))
        labels << QString::fromStdString(l);
    tabs_->setLabels(labels);
    tabs_->setCurrent(tabIndex_ < labels.size() ? tabIndex_ : 0);
}

std::optional<FanChart> MainWindow::shownFanChart() const {
    if (tabIndex_ != analysisTab(parts_.scenario.accounts.usableCount()) || !analysis_.results())
        return std::nullopt;
    return analysis_.fanChart();
}

bool MainWindow::resultsPageShown() const {
    return resultsPage_ && page_ == resultsPage_;
}

void MainWindow::dropResultsPage() {
    if (!resultsPage_) return;
    if (page_ == resultsPage_) page_ = nullptr;
    folder_->removeWidget(resultsPage_);
    resultsPage_->deleteLater();
    resultsPage_ = nullptr;
}

void MainWindow::closeScenarioPages() {
    resultsPresenter_.forgetPlace();
    dropResultsPage();
    if (page_) {
        folder_->removeWidget(page_);
        page_->deleteLater();
        page_ = nullptr;
    }
}

void MainWindow::scenarioReplaced() {
    analysis_.clear();
}

void MainWindow::showAccountsChanged() {
    if (tabIndex_ == tab::kAccounts) {
        switchFolder(tab::kAccounts); // rebuilt from the accounts as they are now
    } else {
        rebuildTabs();
    }
}

QWidget* MainWindow::createPage(int t) {
    if (t == tab::kSummary) {
        if (!summaryShown_) return makeSplashPage(folder_);
        return makeGraphPage(parts_, graphWindow(), GraphKind::None, 0, 0, folder_);
    }
    if (t == tab::kAccounts) return createAccountsPage();
    if (t == tab::kScenario) {
        auto* p = new EventListPage(eventList_, folder_);
        p->onCommand = [this](int id) { presenter_.execute(id); };
        p->onHelp = [this] { parts_.help.showContext(help::kScenarioFolder); };
        return p;
    }
    if (t == tab::kResults) {
        if (!resultsPage_) {
            resultsPage_ = new ResultsPage(resultsPresenter_, folder_);
            resultsPage_->onCommand = [this](int id) { presenter_.execute(id); };
            resultsPage_->onEditEvent = [this](int index) {
                presenter_.editEventFromResults(index);
            };
            resultsPresenter_.show();
        }
        resultsPage_->refresh();
        return resultsPage_;
    }
    if (t == analysisTab(parts_.scenario.accounts.usableCount())) {
        auto* a = new AnalysisPage(analysis_, folder_);
        a->onOpenTrial = [this](const TrialReplay& trial, const std::string& caption) {
            switchFolder(tab::kResults);
            if (tabIndex_ != tab::kResults || !resultsPage_) return;
            resultsPresenter_.showTrial(trial, caption);
            resultsPage_->refresh();
        };
        a->onChartShown = [this](bool shown) { setGraphPrintEnabled(shown); };
        a->onMarkets = [this](MarketsPresenter& dialog) {
            dialog.helpWith(parts_.help);
            FormDialog box(dialog, this);
            return runTool(box, "Markets");
        };
        setGraphPrintEnabled(analysis_.results() != nullptr);
        return a;
    }
    GraphTab g = graphTab(t);
    AccountRange r = accountTabRange(t, parts_.scenario.accounts.usableCount());
    return makeGraphPage(parts_, graphWindow(), g.kind, r.first, r.count, folder_);
}

void MainWindow::switchFolder(int t) {
    if (t < 0 || t >= static_cast<int>(tabs_->labels().size())) t = tab::kSummary;
    if (parts_.tools.bringToFront()) {
        tabs_->setCurrent(tabIndex_);
        return;
    }
    tabs_->setCurrent(t);
    Scenario& s = parts_.scenario;
    const bool analysisFolder = t == analysisTab(s.accounts.usableCount());
    FolderSwitchPlan plan = planFolderSwitch(
        t, parts_.session.resultsStale(), resultsPage_ != nullptr, summaryShown_, analysisFolder);
    QWidget* previous = page_;
    if (plan.dropResultsPage) {
        if (previous == resultsPage_) previous = nullptr;
        dropResultsPage();
    }
    if (const int kind = graphTab(t).kind; kind != GraphKind::None && !analysisFolder)
        parts_.runner.setGraphKind(kind);
    if (plan.runFirst) parts_.runner.run(nullptr, RunMode::List, {});
    setGraphPrintEnabled(plan.graphPrintEnabled);
    if (t != tab::kSummary) summaryShown_ = true;
    tabIndex_ = t;
    // The Scenario folder keeps the tab row, unless it names accounts of another scenario.
    std::vector<std::string> shown;
    for (const QString& l : tabs_->labels())
        shown.push_back(l.toStdString());
    if (plan.rebuildTabs || accountTabsDiffer(shown, s.accounts.usableCount())) rebuildTabs();
    page_ = createPage(t);
    if (folder_->indexOf(page_) < 0) folder_->addWidget(page_);
    folder_->setCurrentWidget(page_);
    if (previous && previous != page_ && previous != resultsPage_) {
        folder_->removeWidget(previous);
        previous->deleteLater();
    }
}

bool MainWindow::runDialog(DialogPresenter& dialog) {
    // A dialog opened from another one sits on top of it.
    QWidget* owner = shownDialog_ ? static_cast<QWidget*>(shownDialog_) : this;
    FormDialog box(dialog, owner);
    FormDialog* outer = shownDialog_;
    shownDialog_ = &box;
    const std::string mark = "dialog " + dialog.title();
    if (dialog.isToolWindow()) parts_.tools.open(mark, [&box] { box.raise(); });
    const bool accepted = box.exec() == QDialog::Accepted;
    parts_.tools.close(mark);
    shownDialog_ = outer;
    return accepted;
}

bool MainWindow::openCalculator(const CalculatorRequest& request) {
    if (!calculatorWindows_) return false;
    // The Mortgage event editor's buttons: the schedule and the refinance analysis start
    // from its mortgage as validated; the accelerated analysis from the values it left.
    switch (request.kind) {
    case CalculatorKind::MortgageSchedule:
        calculatorWindows_->open(CalculatorTool::Schedule, &request.mortgage);
        break;
    case CalculatorKind::Refinance:
        calculatorWindows_->open(CalculatorTool::Refinance, &request.mortgage);
        break;
    case CalculatorKind::Accelerated:
        calculatorWindows_->open(CalculatorTool::Accelerated);
        break;
    }
    return true;
}

QWidget* MainWindow::createAccountsPage() {
    auto* p = new AccountsPage(accountsFolder_, options_.idColumn, folder_);
    AccountEditing& editing = presenter_.accounts();
    p->onAdd = [this, &editing] {
        if (editing.requestAdd()) presenter_.execute(cmd::kAccountInfo);
    };
    p->onEdit = [this, &editing](int row) {
        if (editing.requestEdit(row)) presenter_.execute(cmd::kAccountInfo);
    };
    p->onDelete = [this, &editing](int row) {
        if (editing.deleteRow(row)) switchFolder(tab::kAccounts);
    };
    p->onImport = [this] { presenter_.execute(cmd::kImportAccounts); };
    p->onHelp = [this] { parts_.help.showContext(help::kAccountsFolder); };
    return p;
}

bool MainWindow::runTool(QDialog& dialog, const std::string& name) {
    return execAsTool(dialog, parts_.tools, name, dialogRunner) == QDialog::Accepted;
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
    parts_.tools.open("about", [&box] { box.raise(); });
    box.exec();
    parts_.tools.close("about");
}

void MainWindow::toggleToolbar() {
    toolbar_->setVisible(!toolbar_->isVisible());
}

void MainWindow::requestClose() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!presenter_.closing()) {
        e->ignore(); // Cancel: back to the plan, changes and all
        return;
    }
    savePlacement(currentPlacement());
    e->accept();
}

} // namespace finplan
