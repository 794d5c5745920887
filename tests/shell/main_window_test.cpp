// The main window on the offscreen platform, with scripted messages and file dialogs:
// start-up, the title, Open, the tab row, the Results list, the save question and the
// Go To check.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextStream>
#include <QToolBar>
#include <QtTest>

#include "shell/event_list_page.h"
#include "shell/folder_tab_row.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/event_editor.h"
#include "shell/logic/folder_tabs.h"
#include "shell/qt_help.h"
#include "shell/results_page.h"
#include "shell/standard_keys.h"
#include "shell/success_rate_label.h"
#include "shell_fixture.h"
#include "tests/shell/logic/held_runs.h"

using namespace finplan;

namespace {

QStringList menuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? "-" : a->text());
    return out;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void startUpWithoutFinanceDat();
    void startUpWithFinanceDat();
    void openThroughTheOpenCommand();
    void tabLabelsFollowTheAccounts_data();
    void tabLabelsFollowTheAccounts();
    void resultsListShowsTheCommandLineSchedule();
    void newAsksToSaveAChangedScenario();
    void toolWindowBlocksAllButTheAlwaysCommands();
    void missingCalculatorIsReported();
    void closingWritesThePlacement();
    void scenarioFolderDeletesAnEvent();
    void saveAsThenRecentEntryReopens();
    void exportWritesTheTabFile();
    void reindexShowsTheScenarioFolder();
    void helpWindowOpensAtTheTopic();
    void graphFoldersEnablePrintCurrentGraph();
    void commandLineScenarioOpensAtStartUp();
    void missingCommandLineScenarioIsReported();
    void scenarioFolderFollowsTheOpenedAccounts();
    void statusBarSuccessRateFollowsEdits();
};

void MainWindowTest::startUpWithoutFinanceDat() {
    ShellFixture f;
    MainWindow& w = f.open();
    QCOMPARE(w.windowTitle(), QString("Financial Planner - tmp01.ret"));
    QVERIFY(QFile::exists("finance.dat"));
    QCOMPARE(w.tabRow()->labels().size(), 10); // nine folders and Analysis
    QCOMPARE(w.tabRow()->labels()[0], QString(kBrandTabLabel));
    QCOMPARE(w.currentTab(), 0);
    QCOMPARE(w.currentPage()->objectName(), QString("splash"));
    QCOMPARE(w.toolBar()->actions().size(), 33);
    for (QAction* a : w.actionsOf(cmd::kPrintGraph))
        QVERIFY(!a->isEnabled());
    for (QAction* a : w.actionsOf(cmd::kSave))
        QVERIFY(a->isEnabled());
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
    // No recent entries: About follows Exit's separator directly.
    QStringList file = menuTexts(w.fileMenu());
    QCOMPARE(file.mid(file.size() - 3),
             (QStringList{"E&xit\t" + shownKey(StandardKey::Quit), "-", "A&bout..\tAlt+b"}));
}

void MainWindowTest::startUpWithFinanceDat() {
    ShellFixture f;
    copyExample("plan.ret");
    {
        QFile dat("finance.dat");
        QVERIFY(dat.open(QIODevice::WriteOnly));
        dat.write(
            "plan.ret\n  0.00  10.00 -10.00  20.00   0.00  10.00 -10.00  10.00 0\nolder.ret\n");
    }
    MainWindow& w = f.open();
    QCOMPARE(w.windowTitle(), QString("Financial Planner - plan.ret"));
    QVERIFY(f.scenario->eventCount > 0);
    QCOMPARE(w.tabRow()->labels().size(), 11);
    QCOMPARE(w.tabRow()->labels()[9], QString("Accounts 1-8"));
    QStringList file = menuTexts(w.fileMenu());
    QVERIFY2(file.contains("(1) older.ret"), qPrintable(file.join("|")));
    QCOMPARE(file.indexOf("(1) older.ret") + 2, file.indexOf("A&bout..\tAlt+b"));
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

void MainWindowTest::openThroughTheOpenCommand() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString path = QDir::current().absoluteFilePath(copyExample());
    f.chooser.answers.push_back(path.toStdString());
    QVERIFY(w.commands().execute(cmd::kOpen));
    QCOMPARE(f.chooser.asked.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.chooser.asked[0].title), QString("Open a Scenario"));
    QCOMPARE(QString::fromStdString(f.chooser.asked[0].defaultExtension), QString("ret"));
    QCOMPARE(w.windowTitle(), "Financial Planner - " + path);
    QVERIFY(f.scenario->eventCount > 0);
    QCOMPARE(w.currentTab(), 2); // a scenario with events opens on its event list
    auto* list = w.eventListView();
    QVERIFY(list);
    QVERIFY(list->list()->count() > f.scenario->eventCount);
    QVERIFY(menuTexts(w.fileMenu()).contains("(1) tmp01.ret"));
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

void MainWindowTest::tabLabelsFollowTheAccounts_data() {
    QTest::addColumn<int>("accounts");
    QTest::addColumn<QStringList>("accountTabs");
    QTest::newRow("0") << 0 << QStringList{};
    QTest::newRow("10") << 10 << QStringList{"Accounts 1-10"};
    QTest::newRow("11") << 11 << QStringList{"Accounts 1-10", "Account 11"};
    QTest::newRow("25") << 25 << QStringList{"Accounts 1-10", "Accounts 11-20", "Accounts 21-25"};
}

void MainWindowTest::tabLabelsFollowTheAccounts() {
    QFETCH(int, accounts);
    QFETCH(QStringList, accountTabs);
    ShellFixture f;
    MainWindow& w = f.open();
    for (int i = 0; i < accounts; ++i) {
        std::snprintf(f.scenario->accounts.accounts[i].name, kAccountNameWidth, "Acct %02d", i);
        f.scenario->accounts.accounts[i].id = static_cast<uint16_t>(i);
    }
    f.scenario->accounts.accountCount = static_cast<int16_t>(accounts);
    f.scenario->accounts.nextAccountId = accounts;
    w.switchFolder(1);
    QStringList labels = w.tabRow()->labels();
    QCOMPARE(labels.mid(0, 4), (QStringList{"Summary", "Accounts", "Scenario", "Results"}));
    QCOMPARE(labels.mid(9), accountTabs + QStringList{"Analysis"}); // Analysis ends the row
    if (accounts > 10) {
        w.switchFolder(10); // the second account tab shows accounts 11 on
        QCOMPARE(w.currentTab(), 10);
    }
}

void MainWindowTest::resultsListShowsTheCommandLineSchedule() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString path = copyExample();
    w.commands().openPath(path.toStdString());
    w.switchFolder(3);
    auto* page = w.resultsView();
    QVERIFY(page);
    auto shownLines = [page] {
        QStringList shown;
        for (int i = 0; i < page->list()->count(); ++i)
            shown << page->list()->item(i)->text();
        return shown;
    };
    auto printedLines = [&path](QStringList options) {
        QProcess cli;
        cli.start(FINPLAN_CLI, QStringList{"run", path} + options);
        if (!cli.waitForFinished(20000) || cli.exitCode() != 0) return QStringList{};
        QStringList printed = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
        if (!printed.isEmpty() && printed.back().isEmpty()) printed.removeLast();
        return printed;
    };
    const QStringList shown = shownLines();
    QVERIFY(shown.size() > 100);
    QVERIFY(page->caption()->isHidden()); // the plain run says nothing about itself
    const QStringList printed = printedLines({});
    // The printed schedule starts with the event list; the list shows what follows it.
    QVERIFY(printed.size() > shown.size());
    QCOMPARE(printed.mid(printed.size() - shown.size()), shown);
    QCOMPARE(page->list()->currentRow(), shown.size() - 1); // Bottom at start

    // A random-rate run names its seed, and the command line gives it again from that seed.
    page->findChild<QPushButton*>("Run with random account rates")->click();
    const QString caption = page->caption()->text();
    QVERIFY2(caption.startsWith("Random account rates, seed "), qPrintable(caption));
    const QStringList random = shownLines();
    const QStringList repeated =
        printedLines({"--random", "accounts", "--seed", caption.section(' ', -1)});
    QVERIFY(repeated.size() > random.size());
    QCOMPARE(repeated.mid(repeated.size() - random.size()), random);
    QVERIFY(random != shown);
}

void MainWindowTest::newAsksToSaveAChangedScenario() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString path = copyExample();
    w.commands().openPath(path.toStdString());
    f.session.changed(ScenarioChange::EventStored);
    f.messages.answers = {false, false}; // don't save; don't read accounts
    w.commands().execute(cmd::kNew);
    QVERIFY2(f.messages.entries.size() == 2, shownTexts(f.messages).c_str());
    const auto& save = f.messages.entries[0];
    QVERIFY(save.question);
    QCOMPARE(QString::fromStdString(save.text), "Do you wish to save the file " + path + "?");
    QCOMPARE(QString::fromStdString(save.title), QString("Korvel Financial Planner"));
    QCOMPARE(QString::fromStdString(f.messages.entries[1].text),
             QString("Do you wish to read the accounts from a tab-delimited file?"));
    QCOMPARE(f.scenario->eventCount, 0);
    QCOMPARE(w.windowTitle(), QString("Financial Planner - ./temp01.ret"));
    QCOMPARE(w.currentTab(), 0);

    // Unchanged: only the accounts question.
    f.messages.entries.clear();
    f.messages.answers = {false};
    w.commands().execute(cmd::kNew);
    QCOMPARE(f.messages.entries.size(), size_t(1));
}

void MainWindowTest::toolWindowBlocksAllButTheAlwaysCommands() {
    ShellFixture f;
    MainWindow& w = f.open();
    int raised = 0;
    f.tools.open("Mortgage Calculator", [&] { ++raised; });
    QVERIFY(!w.commands().execute(cmd::kNew));
    QCOMPARE(raised, 1);
    QVERIFY(f.messages.entries.empty());
    w.switchFolder(3); // the folder does not change either
    QCOMPARE(w.currentTab(), 0);
    QVERIFY(w.commands().execute(cmd::kTipResults));
    QVERIFY(w.commands().execute(cmd::kHelpContents));
    QCOMPARE(f.help.shown, (std::vector<int>{1554, 0}));
}

void MainWindowTest::missingCalculatorIsReported() {
    ShellFixture f;
    MainWindow& w = f.open();
    f.launcher.result = false;
    w.commands().execute(cmd::kDesktopCalculator);
    QCOMPARE(f.launcher.launched.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.launcher.launched[0][0]), QString("calc.exe"));
    QVERIFY(f.messages.last());
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("The Window's Calculator could not be found in the path."));
    QCOMPARE(QString::fromStdString(f.messages.last()->title), QString("Execution Error"));
    f.launcher.result = true;
    w.commands().execute(cmd::kCompareScenarios);
    QCOMPARE(f.launcher.launched.back(), (std::vector<std::string>{"didaza.exe", "plotinf01.tmp"}));
}

void MainWindowTest::closingWritesThePlacement() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.close();
    QVERIFY(f.messages.entries.empty()); // accounts unchanged: no question
    QFile pref("prefinf.dat");
    QVERIFY(pref.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(pref.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].toInt() >= 10);

    // A changed scenario is not closed without the save question.
    ShellFixture g;
    MainWindow& w2 = g.open();
    g.session.changed(ScenarioChange::EventStored);
    g.messages.answers = {false};
    w2.close();
    QCOMPARE(g.messages.entries.size(), size_t(1));
    QCOMPARE(QString::fromStdString(g.messages.entries[0].text),
             QString("Do you wish to save the file tmp01.ret?"));
}

void MainWindowTest::scenarioFolderDeletesAnEvent() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(2);
    EventListPage* page = w.eventListView();
    QVERIFY(page);
    int events = f.scenario->eventCount;
    page->list()->setCurrentRow(1);
    QTest::mouseClick(page->findChild<QPushButton*>("Delete"), Qt::LeftButton);
    QCOMPARE(f.scenario->eventCount, events - 1);
    QVERIFY(f.session.resultsStale());
    // Copy then Cancel leaves the file's bytes as they were and the scenario unchanged.
    f.session.changed(ScenarioChange::SavedAs);
    const auto bytes = scenarioContentBytes(*f.scenario);
    page = w.eventListView();
    page->list()->setCurrentRow(1);
    whenDialogShows(w, [](FormDialog& d) { d.reject(); });
    QTest::mouseClick(page->findChild<QPushButton*>("Copy"), Qt::LeftButton);
    QCOMPARE(f.scenario->eventCount, events - 1);
    QVERIFY(scenarioContentBytes(*f.scenario) == bytes);
    QVERIFY(!f.session.scenarioModified());
    // Copy then OK adds one.
    whenDialogShows(w, [](FormDialog& d) { d.pressDefault(); });
    QTest::mouseClick(page->findChild<QPushButton*>("Copy"), Qt::LeftButton);
    QCOMPARE(f.scenario->eventCount, events);
    QVERIFY(f.session.scenarioModified());
}

void MainWindowTest::saveAsThenRecentEntryReopens() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString first = copyExample("first.ret");
    w.commands().openPath(first.toStdString());
    f.chooser.answers.push_back(std::string("second.ret"));
    w.commands().execute(cmd::kSaveAs);
    QCOMPARE(QString::fromStdString(f.chooser.asked.back().title),
             QString("Save Scenario With a New Name"));
    QVERIFY(QFile::exists("second.ret"));
    QCOMPARE(w.windowTitle(), QString("Financial Planner - second.ret"));
    QStringList file = menuTexts(w.fileMenu());
    QVERIFY2(file.contains("(1) first.ret"), qPrintable(file.join("|")));

    // The recent entry opens first.ret again and puts second.ret at the top.
    w.commands().execute(cmd::recentCommand(0));
    QCOMPARE(w.windowTitle(), QString("Financial Planner - first.ret"));
    file = menuTexts(w.fileMenu());
    QCOMPARE(file.indexOf("(1) second.ret") + 1, file.indexOf("(2) first.ret"));
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

void MainWindowTest::exportWritesTheTabFile() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    f.chooser.answers.push_back(std::string("plan.kve"));
    w.commands().execute(cmd::kExportResults);
    QCOMPARE(QString::fromStdString(f.chooser.asked.back().title),
             QString("Export Results To a Tab File"));
    QFile kve("plan.kve");
    QVERIFY(kve.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(kve.readAll()).split('\n', Qt::SkipEmptyParts);
    QVERIFY(lines[0].startsWith("Age\t"));
    QVERIFY(lines[0].endsWith("Equity\tTotal"));
    QVERIFY(lines[1].startsWith("45.00\t"));
    QCOMPARE(lines.size(), 1 + (90 - 45) + 1); // each year and the end age
}

void MainWindowTest::reindexShowsTheScenarioFolder() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(1);
    f.messages.answers = {false};
    w.commands().execute(cmd::kReindexAccounts);
    QCOMPARE(w.currentTab(), 1); // declined: nothing changes
    f.messages.answers = {true};
    w.commands().execute(cmd::kReindexAccounts);
    QCOMPARE(w.currentTab(), 2);
}

void MainWindowTest::helpWindowOpensAtTheTopic() {
    // "./finance.hlp" is missing in the test folder: the copy beside the program is read.
    ShellFixture f;
    QtHelp help("./finance.hlp", FINPLAN_HELP_FILE);
    help.showContext(1554);
    QVERIFY(help.window() && help.window()->isVisible());
    QCOMPARE(QString::fromStdString(help.lastAnchor()), QString("ctx1554"));
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(browser->toPlainText().contains("The Results folder"));
    help.showHelpOnHelp();
    QCOMPARE(QString::fromStdString(help.lastAnchor()), QString("helponhelp"));
}

void MainWindowTest::graphFoldersEnablePrintCurrentGraph() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    auto enabled = [&](int id) {
        for (QAction* a : w.actionsOf(id))
            if (!a->isEnabled()) return false;
        return true;
    };
    QCOMPARE(w.actionsOf(cmd::kPrintGraph).size(), size_t(2)); // menu item and button
    for (int t : {4, 8, 9}) {
        w.switchFolder(t);
        QVERIFY2(enabled(cmd::kPrintGraph) && enabled(cmd::kPrintGraph2),
                 qPrintable(QString::number(t)));
        QCOMPARE(w.currentPage()->objectName(), QString("graph"));
    }
    w.switchFolder(3);
    QVERIFY(!enabled(cmd::kPrintGraph));
    w.switchFolder(0);
    QVERIFY(!enabled(cmd::kPrintGraph2));
    QCOMPARE(w.currentPage()->objectName(), QString("summary"));
    QCOMPARE(w.tabRow()->labels()[0], QString("Summary"));
    QVERIFY(f.plots->rowsFilled() == 90 - 45 + 1);
}

void MainWindowTest::commandLineScenarioOpensAtStartUp() {
    ShellFixture f;
    QString path = QDir::current().absoluteFilePath(copyExample());
    {
        QFile dat("finance.dat");
        QVERIFY(dat.open(QIODevice::WriteOnly));
        dat.write("older.ret\n  0.00  10.00 -10.00  20.00   0.00  10.00 -10.00  10.00 0\n");
    }
    MainWindow& w = f.open(ShellOptions{false, path.toStdString()});
    // Opened where start-up opens the last scenario: the tabs already name its accounts
    // and the window starts on the welcome page, as any start does.
    QCOMPARE(w.windowTitle(), "Financial Planner - " + path);
    QVERIFY(f.scenario->eventCount > 0);
    QCOMPARE(w.currentTab(), 0);
    QCOMPARE(w.currentPage()->objectName(), QString("splash"));
    QCOMPARE(w.tabRow()->labels().size(), 11);
    QCOMPARE(w.tabRow()->labels()[9], QString("Accounts 1-8"));
    QVERIFY(f.plots->rowsFilled() > 0); // and it was run
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

void MainWindowTest::missingCommandLineScenarioIsReported() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, "no-such-plan.ret"});
    QCOMPARE(f.messages.entries.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.messages.entries[0].text),
             QString("Cannot open no-such-plan.ret"));
    QCOMPARE(QString::fromStdString(f.messages.entries[0].title), QString("FILE ERROR"));
    QCOMPARE(w.windowTitle(), QString("Financial Planner - tmp01.ret"));
    QCOMPARE(f.scenario->eventCount, 0);
}

void MainWindowTest::scenarioFolderFollowsTheOpenedAccounts() {
    ShellFixture f;
    MainWindow& w = f.open();
    QCOMPARE(w.tabRow()->labels().size(), 10); // nine folders and Analysis
    f.chooser.answers.push_back(copyExample().toStdString());
    w.commands().execute(cmd::kOpen);
    // Opening lands on the event list; the account tabs must not be those of the old plan.
    QCOMPARE(w.currentTab(), tab::kScenario);
    QCOMPARE(w.tabRow()->labels().size(), 11);
    QCOMPARE(w.tabRow()->labels()[9], QString("Accounts 1-8"));
    QCOMPARE(w.tabRow()->labels()[0], QString("Summary"));
}

// The status bar's success rate follows the scenario: an edit brings the figure of the
// edited plan, and an edit made while a run is in flight cancels that run.
void MainWindowTest::statusBarSuccessRateFollowsEdits() {
    test::HeldRuns held; // the run of the undone plan, until the Redo cancels it
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    LiveSuccessRate& live = w.liveSuccessRate();
    QLabel* label = w.successRateLabel();
    QVERIFY(label);
    auto expected = [&] {
        TrialSettings settings;
        settings.trials = kLiveTrials;
        settings.seed = kLiveSeed;
        TrialControl control;
        return QString::fromStdString(
            successText(runTrials(*f.scenario, settings, control, 0, f.clock.now())));
    };
    QTRY_VERIFY_WITH_TIMEOUT(
        live.resultRevision() == f.session.revision() && !label->text().isEmpty(), 10000);
    QCOMPARE(label->text(), expected());

    // An edit: the figure of the plan without one of its events.
    const uint64_t opened = f.session.revision();
    w.switchFolder(2);
    w.eventListView()->list()->setCurrentRow(1);
    QTest::mouseClick(w.eventListView()->findChild<QPushButton*>("Delete"), Qt::LeftButton);
    const uint64_t afterDelete = f.session.revision();
    QCOMPARE(afterDelete, opened + 1);
    QTRY_VERIFY_WITH_TIMEOUT(live.resultRevision() == afterDelete, 10000);
    QCOMPARE(label->text(), expected());

    // Undo, and Redo while the trials of the undone plan run: they are cancelled unseen.
    w.commands().execute(cmd::kUndo);
    live.runStarting = held.hook();
    live.poll(false); // as the status bar's timer does: the run starts
    QVERIFY(live.running());
    const int cancelled = live.cancelledRuns();
    w.commands().execute(cmd::kRedo);
    QTRY_VERIFY_WITH_TIMEOUT(live.resultRevision() == f.session.revision(), 10000);
    QCOMPARE(held.cancelled(), 1);
    QCOMPARE(live.cancelledRuns(), cancelled + 1);
    QCOMPARE(label->text(), expected());

    // A click opens the Analysis folder with those trials.
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(w.currentTab(), analysisTab(f.scenario->accounts.usableCount()));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
