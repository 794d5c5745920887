// What a user trusts the window with between one scenario and the next: the help window
// goes with the main window, imported accounts show at once, New and Open ask before
// changed accounts are dropped, closing keeps the session, and another scenario starts
// its Results folder afresh.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "shell/folder_tab_row.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/folder_tabs.h"
#include "shell/qt_help.h"
#include "shell/results_page.h"
#include "shell_fixture.h"

using namespace finplan;

namespace {

// A tab file the import reads: one line per account, name and amount.
void writeTabFile(const QString& name, const QString& text) {
    QFile f(name);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write the tab file");
    f.write(text.toUtf8());
}

// The Accounts folder's "Number of Accounts" box.
QString accountsSummary(MainWindow& w) {
    auto* count = w.currentPage()->findChild<QLineEdit*>("Number of Accounts");
    return count ? count->text() : QString();
}

// The list, tree or graph a folder shows, found by its object name.
QSize folderWidgetSize(MainWindow& w, int folder, const char* name) {
    w.switchFolder(folder);
    QApplication::processEvents();
    auto* widget = w.currentPage()->findChild<QWidget*>(name);
    if (!widget && w.currentPage()->objectName() == name) widget = w.currentPage();
    return widget ? widget->size() : QSize();
}

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString firstLine(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readLine()).trimmed();
}

} // namespace

class WindowLifecycleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void helpWindowGoesWithItsOwnerOnce();
    void importShowsTheAccountsAtOnce();
    void openAsksBeforeDroppingAccountsReadAfterNew();
    void closingTheWindowKeepsTheSession();
    void newScenarioStartsTheResultsFolderAfresh();
    void windowOpensAtTheLastSizeAndFoldersFollowIt();
};

void WindowLifecycleTest::helpWindowGoesWithItsOwnerOnce() {
    // At exit the main window is destroyed before the help port: the help window, its
    // child, goes with it and must not be deleted a second time by the port.
    auto owner = std::make_unique<QWidget>();
    auto help = std::make_unique<QtHelp>("./finance.hlp", FINPLAN_HELP_FILE, owner.get());
    help->showContents();
    QVERIFY(help->window());
    owner.reset();
    QVERIFY(!help->window());
    help.reset();

    // Without an owner the port deletes its window itself.
    auto alone = std::make_unique<QtHelp>("./finance.hlp", FINPLAN_HELP_FILE);
    alone->showContents();
    QPointer<QDialog> window = alone->window();
    alone.reset();
    QVERIFY(window.isNull());
}

void WindowLifecycleTest::importShowsTheAccountsAtOnce() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    const int before = f.scenario->accounts.usableCount();
    w.switchFolder(tab::kAccounts);
    QString summary = accountsSummary(w);
    QVERIFY2(summary.contains(QString("%1").arg(before, 2)), qPrintable(summary));

    // One line updates an account the example has, the other adds one.
    const QString existing = QString::fromLatin1(f.scenario->accounts.accounts[0].name);
    writeTabFile("update.kvi", existing + "\t1234.00\nA brand new account\t1000.00\n");
    f.chooser.answers.push_back(std::string("update.kvi"));
    f.messages.answers = {true, true, true};
    acceptEveryDialog(w); // the new account's Account Information
    w.commands().execute(cmd::kImportAccounts);
    QCOMPARE(f.scenario->accounts.usableCount(), before + 1);

    // The folder shows the accounts as they are now, without leaving it.
    QCOMPARE(w.currentTab(), int(tab::kAccounts));
    summary = accountsSummary(w);
    QVERIFY2(summary.contains(QString("%1").arg(before + 1, 2)), qPrintable(summary));
    auto* list = w.currentPage()->findChild<QTreeWidget*>("accountsList");
    QVERIFY(list);
    QCOMPARE(list->topLevelItemCount(), before + 1);
    QCOMPARE(w.tabRow()->labels(), [&] {
        QStringList l;
        for (const auto& s : folderTabLabels(before + 1, true))
            l << QString::fromStdString(s);
        return l;
    }());
}

void WindowLifecycleTest::openAsksBeforeDroppingAccountsReadAfterNew() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString other = copyExample("other.ret");
    writeTabFile("three.kvi", "First\t100.00\nSecond\t200.00\nThird\t300.00\n");
    f.chooser.answers.push_back(std::string("three.kvi"));
    f.messages.answers = {true}; // read the accounts from a tab file: Yes
    acceptEveryDialog(w);        // each account's Account Information
    w.commands().execute(cmd::kNew);
    QCOMPARE(f.scenario->accounts.usableCount(), 3);
    QVERIFY2(w.tabRow()->labels().contains("Accounts 1-3"),
             qPrintable(w.tabRow()->labels().join("|")));
    const QString newName = QString::fromStdString(f.files.scenarioPath);

    f.messages.entries.clear();
    f.messages.answers = {true}; // save the three accounts: Yes, under a name asked for
    f.chooser.answers.push_back(std::string("three.ret"));
    f.chooser.answers.push_back(other.toStdString());
    w.commands().execute(cmd::kOpen);
    QVERIFY2(!f.messages.entries.empty(), "no save question before Open");
    QCOMPARE(QString::fromStdString(f.messages.entries[0].text),
             "Do you wish to save the file " + newName + "?");
    // Saved under the name chosen: the file holds the three accounts.
    Scenario saved;
    ScenarioFiles savedFiles;
    savedFiles.displayName = "three.ret";
    RecordingMessages quiet;
    QVERIFY(readScenario(saved, savedFiles, quiet));
    QCOMPARE(saved.accounts.usableCount(), 3);
    // The opened scenario is unchanged: closing asks nothing more.
    QVERIFY(!f.session.accountsModified());
    f.messages.entries.clear();
    w.close();
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

void WindowLifecycleTest::closingTheWindowKeepsTheSession() {
    ShellFixture f;
    MainWindow& w = f.open();
    QString first = copyExample("first.ret");
    QString second = copyExample("second.ret");
    w.commands().openPath(first.toStdString());
    w.commands().openPath(second.toStdString());
    QFile::remove("finance.dat");
    // The window's close button, not File > Exit.
    w.close();
    QVERIFY(QFile::exists("finance.dat"));
    QCOMPARE(firstLine("finance.dat"), second);

    // The next start opens the scenario of this session and lists the one before it.
    ShellFixture g;
    QFile::copy(f.dir.filePath("finance.dat"), "finance.dat");
    QFile::copy(f.dir.filePath("second.ret"), "second.ret");
    MainWindow& w2 = g.open();
    QCOMPARE(w2.windowTitle(), "Financial Planner - " + second);
}

void WindowLifecycleTest::newScenarioStartsTheResultsFolderAfresh() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(tab::kResults);
    ResultsPage* page = w.resultsView();
    QVERIFY(page);
    page->ageBox()->setText("60");
    QTest::mouseClick(page->findChild<QPushButton*>("Go To"), Qt::LeftButton);
    QVERIFY(page->list()->currentItem()->text().startsWith("60.0"));

    f.messages.answers = {false}; // no tab file
    w.commands().execute(cmd::kNew);
    w.switchFolder(tab::kResults);
    page = w.resultsView();
    QVERIFY(page);
    QCOMPARE(page->ageBox()->text(), QString());
    QCOMPARE(w.results().place(), ResultsPlace::Bottom);
    QCOMPARE(page->list()->currentRow(), page->list()->count() - 1);
}

void WindowLifecycleTest::windowOpensAtTheLastSizeAndFoldersFollowIt() {
    // The offscreen screen is 800 x 600: the saved window fits on it.
    {
        ShellFixture f;
        writeTabFile("prefinf.dat", "30\n40\n700\n540\n");
        MainWindow& w = f.open();
        w.show();
        // The frame's corner where it was, the size inside the frame as it was.
        QCOMPARE(w.frameGeometry().topLeft(), QPoint(30, 40));
        QCOMPARE(w.size(), QSize(700, 540));
        QCOMPARE(w.minimumSize(), QSize(602, 510));
        w.commands().openPath(copyExample().toStdString());
        const struct {
            int folder;
            const char* name;
        } shown[] = {{tab::kAccounts, "accountsList"},
                     {tab::kScenario, "eventList"},
                     {tab::kResults, "resultsList"},
                     {tab::kNetWorth, "graph"}};
        std::vector<QSize> before;
        for (const auto& s : shown)
            before.push_back(folderWidgetSize(w, s.folder, s.name));
        // 70 wider and 40 higher: each list and graph takes all of it.
        w.resize(770, 580);
        for (std::size_t i = 0; i < before.size(); ++i) {
            QVERIFY2(before[i].isValid(), shown[i].name);
            QCOMPARE(folderWidgetSize(w, shown[i].folder, shown[i].name),
                     before[i] + QSize(70, 40));
        }
        w.close();
        QCOMPARE(fileText("prefinf.dat"), QString("30\n40\n770\n580\n"));
    }
    {
        // A file with the position only, and a size below the default: the default.
        for (const char* saved : {"30\n40\n", "30\n40\n700\n400\n"}) {
            ShellFixture f;
            writeTabFile("prefinf.dat", saved);
            MainWindow& w = f.open();
            w.show();
            QCOMPARE(w.frameGeometry().topLeft(), QPoint(30, 40));
            QCOMPARE(w.size(), QSize(602, 510));
            // Maximised on closing: the place and size it goes back to are kept.
            w.showMaximized();
            QApplication::processEvents();
            QVERIFY(w.width() > 602);
            w.close();
            QCOMPARE(fileText("prefinf.dat"), QString("30\n40\n602\n510\n"));
        }
    }
}

QTEST_MAIN(WindowLifecycleTest)
#include "window_lifecycle_test.moc"
