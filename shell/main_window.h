// The planner's main window: menu, toolbar, folder tabs and the folder shown below
// them. Commands go to the MainPresenter; the window only shows things.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shell/logic/accounts_folder_presenter.h"
#include "shell/logic/analysis_presenter.h"
#include "shell/logic/event_list_presenter.h"
#include "shell/logic/graph_interaction.h"
#include "shell/logic/live_success_rate.h"
#include "shell/logic/main_presenter.h"
#include "shell/logic/results_presenter.h"
#include "shell/logic/shell_view.h"

class QAction;
class QDialog;
class QMenu;
class QStackedWidget;
class QToolBar;

namespace finplan {

class FolderTabRow;
class QtCalculatorWindows;
class ResultsPage;
class EventListPage;

struct ShellOptions {
    bool idColumn = false;         // "IDON": the accounts list shows the ID column
    std::string scenario;          // opened at start-up in place of the last scenario
    std::string userOptionsFile{}; // per-user options ("": the defaults, not saved)
};

class MainWindow : public QMainWindow, public ShellView {
    Q_OBJECT
  public:
    MainWindow(PlannerParts parts, ShellOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainPresenter& commands() { return presenter_; }
    ResultsPresenter& results() { return resultsPresenter_; }
    FolderTabRow* tabRow() const { return tabs_; }
    QToolBar* toolBar() const { return toolbar_; }
    LiveSuccessRate& liveSuccessRate() { return liveRate_; }
    class SuccessRateLabel* successRateLabel() const {
        return successRate_;
    }
    QWidget* currentPage() const { return page_; }
    ResultsPage* resultsView() const { return resultsPage_; }
    EventListPage* eventListView() const;
    // Every action of a command id (some commands appear twice in the menu).
    const std::vector<QAction*>& actionsOf(int id) const;
    QMenu* fileMenu() const { return file_; }
    // The graph window's state, kept while the program runs.
    GraphInteraction& graphWindow();
    bool summaryFlag() const { return summaryShown_; }
    // Runs the account and group dialogs (exec() when unset); tests answer them here.
    std::function<int(QDialog&)> dialogRunner;

    // ShellView
    void setTitle(const std::string& title) override;
    void setMenuState(bool noScenario) override;
    void rebuildRecentMenu(const RecentMenu& menu) override;
    void switchFolder(int tab) override;
    int currentTab() const override { return tabIndex_; }
    bool resultsPageShown() const override;
    void dropResultsPage() override;
    void closeScenarioPages() override;
    void scenarioReplaced() override;
    void showAccountsChanged() override;
    void showAbout() override;
    void toggleToolbar() override;
    void requestClose() override;
    bool runDialog(DialogPresenter& dialog) override;
    bool openCalculator(const CalculatorRequest& request) override;
    // The dialog runDialog is showing, if any (tests reach its widgets through it).
    class FormDialog* openDialog() const {
        return shownDialog_;
    }
    std::optional<FanChart> shownFanChart() const override;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

  private:
    bool takesDrop(const class QMimeData* data) const;
    void placeWindow();
    struct WindowPlacement currentPlacement();
    void noteFrameOffset();
    void buildMenu();
    // The action triggers command id.
    void runsCommand(QAction* action, int id);
    void addMenuEntries(QMenu* menu, const struct MenuEntry& popup);
    void setUpUndoActions(QMenu* edit);
    // The platform's standard keys on their menu items, and the folder-step keys.
    void installStandardKeys();
    // The Print key prints the graph on show, else the results.
    void movePrintKey(bool graphShown);
    void buildToolbar();
    void rebuildTabs();
    void setGraphPrintEnabled(bool on);
    QWidget* createPage(int t);
    QWidget* createAccountsPage();
    // Runs a modal dialog marked in the table of open tool windows; true after OK.
    bool runTool(QDialog& dialog, const std::string& name);

    PlannerParts parts_;
    ShellOptions options_;
    QPoint normalFrameOffset_; // client corner less frame corner of the unmaximised window
    MainPresenter presenter_;
    ResultsPresenter resultsPresenter_;
    EventListPresenter eventList_;
    AccountsFolderPresenter accountsFolder_;
    AnalysisPresenter analysis_; // its worker and last result outlive the page
    LiveSuccessRate liveRate_;   // the status bar's success rate
    class SuccessRateLabel* successRate_ = nullptr;
    void openLiveTrials();

    QMenu* file_ = nullptr;
    QAction* aboutAction_ = nullptr;
    std::vector<QAction*> recentActions_;
    std::map<int, std::vector<QAction*>> actions_;
    QToolBar* toolbar_ = nullptr;
    FolderTabRow* tabs_ = nullptr;
    QStackedWidget* folder_ = nullptr;
    QWidget* page_ = nullptr;
    ResultsPage* resultsPage_ = nullptr;
    std::unique_ptr<GraphInteraction> ownGraphs_; // when the parts bring none
    int tabIndex_ = 0;
    bool summaryShown_ = false;
    class FormDialog* shownDialog_ = nullptr;
    std::unique_ptr<QtCalculatorWindows> calculatorWindows_;
};

} // namespace finplan
