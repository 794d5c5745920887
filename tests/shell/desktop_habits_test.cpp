// What a desktop user reaches for, on an offscreen screen of 1600 x 1000 pixels at
// twice the scale (800 x 500 to the program): the standard keys, Cancel at the save
// question, a dropped scenario, tooltips over a graph and windows that fit.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QToolTip>
#include <QTreeWidget>
#include <QUrl>
#include <QtTest>

#include "shell/accounts_page.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/qt_help.h"
#include "shell/results_page.h"
#include "shell_fixture.h"

using namespace finplan;

namespace {

// The window shown and active, so its keys reach it as a user's would.
MainWindow& shownWindow(ShellFixture& f) {
    MainWindow& w = f.open();
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w)) qWarning("the window did not become active");
    return w;
}

bool insideScreen(const QWidget& w) {
    const QRect room = w.screen()->availableGeometry();
    return room.contains(w.frameGeometry());
}

} // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void standardKeysRunTheirCommands();
    void escapeAtTheClosingQuestionKeepsThePlan();
    void droppedScenarioOpens();
    void hoveringAGraphShowsTheValuesAtThatAge();
    void windowAndMortgageEditorFitAtTwiceTheScale();
    void helpIsUsableWhileADialogIsOpen();
};

void DesktopHabitsTest::standardKeysRunTheirCommands() {
    ShellFixture f;
    const QString path = QDir::current().absoluteFilePath(copyExample());
    MainWindow& w = shownWindow(f);
    QCOMPARE(w.actionsOf(cmd::kOpen).front()->text(), QString("&Open...\tCtrl+O"));

    QTest::keyClick(&w, Qt::Key_O, Qt::ControlModifier); // cancelled: nothing chosen
    QCOMPARE(f.chooser.asked.size(), size_t(1));
    QCOMPARE(QString::fromStdString(f.chooser.asked[0].title), QString("Open a Scenario"));

    w.commands().openPath(path.toStdString());
    f.scenario->initial.taxRate = 31;
    f.session.changed(ScenarioChange::EventStored);
    const QDateTime before = QFileInfo(path).lastModified();
    QFile(path).setFileTime(before.addSecs(-60), QFileDevice::FileModificationTime);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFileInfo(path).lastModified() > before.addSecs(-30));

    const int shown = w.currentTab();
    QTest::keyClick(&w, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(w.currentTab(), shown + 1);
    QTest::keyClick(&w, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.currentTab(), shown);

    // Delete in the account list says what the Delete button says.
    w.switchFolder(tab::kAccounts);
    auto* accounts = qobject_cast<AccountsPage*>(w.currentPage());
    QVERIFY(accounts);
    accounts->list()->setCurrentItem(accounts->list()->topLevelItem(0));
    f.messages.entries.clear();
    QTest::keyClick(accounts->list(), Qt::Key_Delete);
    const std::string byKey = shownTexts(f.messages);
    QVERIFY(!byKey.empty());
    f.messages.entries.clear();
    accounts->findChild<QPushButton*>("Delete")->click();
    QCOMPARE(QString::fromStdString(byKey), QString::fromStdString(shownTexts(f.messages)));
}

void DesktopHabitsTest::escapeAtTheClosingQuestionKeepsThePlan() {
    ShellFixture f;
    MainWindow& w = shownWindow(f);
    w.commands().openPath(copyExample().toStdString());
    f.scenario->initial.taxRate = 31;
    f.session.changed(ScenarioChange::EventStored);
    f.messages.choices = {Answer::Cancel};
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(f.session.scenarioModified());
    QCOMPARE(f.scenario->initial.taxRate, 31.0f);
    QVERIFY(!QFile::exists("prefinf.dat"));
}

void DesktopHabitsTest::droppedScenarioOpens() {
    ShellFixture f;
    MainWindow& w = shownWindow(f);
    const QString path = QDir::current().absoluteFilePath(copyExample("dropped.ret"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = w.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    QCOMPARE(w.windowTitle(), "Financial Planner - " + path);
    QVERIFY(f.scenario->eventCount > 0);

    // Anything else is not taken.
    data.setUrls({QUrl::fromLocalFile(QDir::current().absoluteFilePath("notes.pdf"))});
    QDragEnterEvent other(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    other.setAccepted(false);
    QApplication::sendEvent(&w, &other);
    QVERIFY(!other.isAccepted());
}

void DesktopHabitsTest::hoveringAGraphShowsTheValuesAtThatAge() {
    ShellFixture f;
    MainWindow& w = shownWindow(f);
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(tab::kNetWorth);
    QWidget* graph = w.currentPage();
    QVERIFY(QTest::qWaitForWindowExposed(graph));
    graph->repaint(); // the plot's place is known once it is drawn
    const PlotGeometry& plot = w.graphWindow().windowState().plot;
    QVERIFY(plot.drawn);
    const QPoint at(plot.plotLeft + plot.columnWidth / 2, plot.plotBottom - plot.plotHeight / 2);
    QHelpEvent hover(QEvent::ToolTip, at, graph->mapToGlobal(at));
    QApplication::sendEvent(graph, &hover);
    const QString tip = QToolTip::text();
    const int firstAge = static_cast<int>(f.plots->rows[0].age);
    QVERIFY2(tip.startsWith(QString("Age %1\nNet Worth: ").arg(firstAge)), qPrintable(tip));
    QVERIFY2(tip.contains("\nEquity: "), qPrintable(tip));
}

void DesktopHabitsTest::windowAndMortgageEditorFitAtTwiceTheScale() {
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    ShellFixture f;
    MainWindow& w = shownWindow(f);
    QVERIFY2(insideScreen(w), qPrintable(QString("%1,%2 %3x%4")
                                             .arg(w.frameGeometry().x())
                                             .arg(w.frameGeometry().y())
                                             .arg(w.frameGeometry().width())
                                             .arg(w.frameGeometry().height())));
    bool fitted = false, centred = false, wrapped = false;
    whenDialogShows(w, [&](FormDialog& d) {
        QTest::qWait(20);
        fitted = insideScreen(d);
        const QPoint off = d.frameGeometry().center() - w.frameGeometry().center();
        centred = std::abs(off.x()) <= 20;
        // Its seven buttons do not fit one row of 800: they wrap.
        QSet<int> rows;
        for (auto* b : d.findChildren<QPushButton*>())
            rows.insert(b->mapTo(&d, QPoint(0, 0)).y());
        wrapped = rows.size() > 1;
    });
    w.commands().execute(cmd::kAddMortgage);
    QVERIFY(fitted);
    QVERIFY(centred);
    QVERIFY(wrapped);
}

void DesktopHabitsTest::helpIsUsableWhileADialogIsOpen() {
    ShellFixture f;
    MainWindow& w = shownWindow(f);
    QtHelp help("./finance.hlp", FINPLAN_HELP_FILE, &w);
    bool blocked = true;
    whenDialogShows(w, [&](FormDialog& d) {
        help.showContext(1536);
        // A window of the dialog is not blocked by it.
        blocked = QApplication::activeModalWidget() != &d || !help.window()->isVisible() ||
                  help.window()->parentWidget() != &d;
    });
    w.commands().execute(cmd::kAddMortgage);
    QVERIFY(!blocked);
    // The dialog gone, the help window stays open, the main window's again.
    QVERIFY(help.window() && help.window()->isVisible());
    QCOMPARE(help.window()->parentWidget(), &w);
}

int main(int argc, char** argv) {
    // An offscreen screen like the one the user reported: 1600 x 1000 at twice the scale.
    QTemporaryDir config;
    const QString file = config.filePath("screen.json");
    QFile json(file);
    if (!json.open(QIODevice::WriteOnly)) return 1;
    json.write(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600,
                   "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
    json.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toLocal8Bit());
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    DesktopHabitsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_habits_test.moc"
