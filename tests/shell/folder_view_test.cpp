// The folders and the menu bar as the user sees them, on the offscreen platform: the
// Results list and its headings, double-clicks and Go To, the stacked tab rows, empty
// graphs, and every popup of the menu bar.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <map>

#include "graphs/graph_series.h"
#include "shell/folder_tab_row.h"
#include "shell/logic/folder_tabs.h"
#include "shell/results_page.h"
#include "shell/standard_keys.h"
#include "shell_fixture.h"

using namespace finplan;

class FolderViewTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void goToAge130IsAnAgeError();
    void resultsListScrollsToTheEndOfItsWidestLine();
    void graphsStayEmptyWithoutEvents();
    void groupsAfterTheAccountsFolderKeepTheirTotals();
    void stackedTabRowsFillTheWidthAndEachTabAnswersItsClick();
    void everyFolderPageLiesInsideTheWindow();
    void doubleClickOnTheResultsList();
    void menuBarHoldsTheWholeRetireMenu();
    void grabRunSavesEveryFolderAndExits();
};

void FolderViewTest::goToAge130IsAnAgeError() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(3);
    ResultsPage* page = w.resultsView();
    QVERIFY(page);
    int before = page->list()->currentRow();
    page->ageBox()->setText("130");
    QTest::mouseClick(page->findChild<QPushButton*>("Go To"), Qt::LeftButton);
    QVERIFY(f.messages.last());
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("This age must be between 1.0 and 120.0."));
    QCOMPARE(QString::fromStdString(f.messages.last()->title), QString("AGE ERROR"));
    QCOMPARE(page->list()->currentRow(), before);

    page->ageBox()->setText("60");
    QTest::mouseClick(page->findChild<QPushButton*>("Go To"), Qt::LeftButton);
    QVERIFY(page->list()->currentItem()->text().startsWith("60.0"));
    // Enter in the age box goes there too.
    page->ageBox()->setText("70");
    QTest::keyClick(page->ageBox(), Qt::Key_Return);
    QVERIFY(page->list()->currentItem()->text().startsWith("70.0"));
}

void FolderViewTest::resultsListScrollsToTheEndOfItsWidestLine() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, copyExample().toStdString()});
    w.resize(602, 510);
    w.show();
    w.switchFolder(tab::kResults);
    ResultsPage* page = w.resultsView();
    QVERIFY(page);
    for (bool details : {false, true}) {
        if (page->findChild<QCheckBox*>()->isChecked() != details)
            page->findChild<QCheckBox*>()->click();
        QCOMPARE(w.results().showDetails(), details);
        QListWidget* list = page->list();
        QApplication::processEvents();
        int widest = 0;
        for (int i = 0; i < list->count(); ++i)
            widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(i)->text()));
        // The 184-dash rule is the widest line; scrolled to the end, all of it is in view.
        QVERIFY(widest >= list->fontMetrics().horizontalAdvance(QString(184, '-')));
        QScrollBar* bar = list->horizontalScrollBar();
        QVERIFY2(bar->maximum() + list->viewport()->width() >= widest,
                 qPrintable(QString("details %1: %2 + %3 < %4")
                                .arg(details)
                                .arg(bar->maximum())
                                .arg(list->viewport()->width())
                                .arg(widest)));
        QCOMPARE(list->textElideMode(), Qt::ElideNone);
        // Fixed pitch, so the amounts stand under their headings.
        QCOMPARE(list->fontMetrics().horizontalAdvance("iiiiiiii"),
                 list->fontMetrics().horizontalAdvance("MMMMMMMM"));
    }
}

void FolderViewTest::graphsStayEmptyWithoutEvents() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, copyExample().toStdString()});
    w.show();
    // The accounts stay, the events go: nothing is plotted.
    f.scenario->eventCount = 0;
    f.session.changed(ScenarioChange::EventEditorClosed);
    auto drawnPixels = [&w] {
        QImage image = w.currentPage()->grab().toImage();
        const QRgb first = image.pixel(0, 0);
        int other = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                other += image.pixel(x, y) != first;
        return other;
    };
    w.switchFolder(tab::kNetWorth);
    QCOMPARE(drawnPixels(), 0);
    // The Summary says where to begin instead: text, no graph.
    w.switchFolder(tab::kSummary);
    QVERIFY(drawnPixels() > 0);
}

// The Accounts folder sorts the account slots by name without a new run; the Groups
// graph and its pie must still pair each balance with the group its account had.
void FolderViewTest::groupsAfterTheAccountsFolderKeepTheirTotals() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, copyExample().toStdString()});
    w.show();
    std::map<int, float> opening; // by group: the sum of its accounts' initial amounts
    for (int i = 0; i < f.scenario->accounts.usableCount(); ++i)
        opening[f.scenario->accounts.accounts[i].groupIndex] +=
            f.scenario->accounts.accounts[i].initialAmount;
    for (int t : {tab::kResults, tab::kAccounts, tab::kGroups})
        w.switchFolder(t);
    QVERIFY(!f.session.resultsStale());
    const GraphSource source{*f.plots, *f.scenario};
    const GraphSeriesSet set =
        collectSeries(GraphKind::Groups, 0, 0, f.plots->plotRowCount, source);
    const PieComponents pie = pieComponents(GraphKind::Groups, 0, 0, 0, source);
    QVERIFY(set.names.size() >= 2);
    std::size_t k = 0;
    for (int g = 0; g < kMaxGroups; ++g) {
        if (!f.scenario->groups.exists(g)) continue;
        QCOMPARE(set.values[k][0], opening[g]);
        QCOMPARE(pie.values[k], std::trunc(opening[g]));
        ++k;
    }
}

void FolderViewTest::stackedTabRowsFillTheWidthAndEachTabAnswersItsClick() {
    FolderTabRow row;
    row.resize(602, 60);
    QStringList labels;
    for (const auto& l : folderTabLabels(25, true))
        labels << QString::fromStdString(l);
    row.setLabels(labels);
    row.setCurrent(3);
    QVERIFY(row.rowCount() > 1);
    std::map<int, std::vector<QRect>> byRow;
    for (int i = 0; i < labels.size(); ++i)
        byRow[row.tabRect(i).top()].push_back(row.tabRect(i));
    QCOMPARE(static_cast<int>(byRow.size()), row.rowCount());
    for (auto& [top, rects] : byRow) {
        std::sort(rects.begin(), rects.end(),
                  [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        QCOMPARE(rects.front().left(), 2);
        QCOMPARE(rects.back().right(), 602 - 3);
        for (size_t k = 1; k < rects.size(); ++k)
            QCOMPARE(rects[k].left(), rects[k - 1].right() + 1);
    }
    // The current tab's row lies next to the folder, at the bottom.
    QCOMPARE(row.tabRect(3).top(), byRow.rbegin()->first);
    QSignalSpy clicks(&row, &FolderTabRow::tabClicked);
    for (int i = 0; i < labels.size(); ++i)
        QTest::mouseClick(&row, Qt::LeftButton, {}, row.tabRect(i).center());
    QCOMPARE(clicks.size(), labels.size());
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(clicks[i][0].toInt(), i);
}

void FolderViewTest::everyFolderPageLiesInsideTheWindow() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, copyExample().toStdString()});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int t = 0; t < w.tabRow()->labels().size(); ++t) {
        w.switchFolder(t);
        QApplication::processEvents();
        QWidget* page = w.currentPage();
        const QRect inWindow(page->mapTo(&w, QPoint(0, 0)), page->size());
        QVERIFY2(QRect(0, 0, w.width(), w.height()).contains(inWindow),
                 qPrintable(QString("tab %1: page %2,%3 %4x%5 in %6x%7")
                                .arg(t)
                                .arg(inWindow.x())
                                .arg(inWindow.y())
                                .arg(inWindow.width())
                                .arg(inWindow.height())
                                .arg(w.width())
                                .arg(w.height())));
        QVERIFY(inWindow.top() >= w.tabRow()->mapTo(&w, QPoint(0, w.tabRow()->height())).y());
    }
}

void FolderViewTest::doubleClickOnTheResultsList() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{false, copyExample().toStdString()});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.switchFolder(tab::kResults);
    ResultsPage* page = w.resultsView();
    QListWidget* list = page->list();
    auto find = [&](const QString& start) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().startsWith(start)) return i;
        return -1;
    };
    auto doubleClick = [&](int row) {
        list->scrollToItem(list->item(row));
        QApplication::processEvents();
        QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    };
    // An age row: that age goes to the box and its row to the top of the list.
    const int row52 = find("52.0");
    QVERIFY(row52 > 0);
    doubleClick(row52);
    QCOMPARE(page->ageBox()->text(), QString(" 52"));
    QCOMPARE(list->currentRow(), row52);
    QCOMPARE(list->indexAt(QPoint(2, 2)).row(), row52);
    // The place is kept by Run Again.
    QTest::mouseClick(page->findChild<QPushButton*>("Run Again"), Qt::LeftButton);
    QVERIFY(list->currentItem()->text().startsWith("52.0"));
    // An event's line asks for that event's editor.
    const int eventLine = find("  Living expenses - Withdraw");
    QVERIFY(eventLine > 0);
    f.messages.entries.clear();
    QString title;
    whenDialogShows(w, [&](FormDialog& d) { title = d.windowTitle(); });
    doubleClick(eventLine);
    QCOMPARE(title, QString("Withdrawal"));
    // A dash rule does nothing.
    f.messages.entries.clear();
    doubleClick(find("-----"));
    QVERIFY(f.messages.entries.empty());
    QCOMPARE(page->ageBox()->text(), QString(" 52"));
}

void FolderViewTest::menuBarHoldsTheWholeRetireMenu() {
    ShellFixture f;
    MainWindow& w = f.open();
    // Every popup as the user sees it: texts with their accelerator texts, "-" for a
    // separator, "!" in front of a greyed item, ">" in front of a sub-popup.
    auto listing = [](QMenu* menu, auto&& self) -> QStringList {
        QStringList out;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) {
                out << "-";
            } else if (a->menu()) {
                out << ">" + a->text();
                out << self(a->menu(), self);
            } else {
                out << (a->isEnabled() ? "" : "!") + a->text();
            }
        }
        return out;
    };
    std::map<QString, QStringList> popups;
    QStringList order;
    for (QAction* a : w.menuBar()->actions()) {
        order << a->text();
        popups[a->text()] = listing(a->menu(), listing);
    }
    QCOMPARE(order, (QStringList{"&File", "&Edit", "&Tools/Aids", "&Print", "&Graphs",
                                 "&Quick Tips", "&Help"}));
    // Items with one of the platform's standard keys show that key; the others keep
    // their letters.
    auto key = [](StandardKey k) { return "\t" + shownKey(k); };
    QCOMPARE(popups["&File"],
             (QStringList{"&New" + key(StandardKey::New), "&Open..." + key(StandardKey::Open),
                          "&Save" + key(StandardKey::Save), "S&ave as.." + key(StandardKey::SaveAs),
                          "-", "&Import Account Data\tAlt+i", "&Export Account Results\tAlt+e", "-",
                          "Save A&ccounts\tAlt+c", "&Read Accounts\tAlt+r", "Re-Index Accounts",
                          "-", "Save &Graphs\tAlt+g", "-", "E&xit" + key(StandardKey::Quit), "-",
                          "A&bout..\tAlt+b"}));
    QCOMPARE(
        popups["&Edit"],
        (QStringList{"&Undo" + key(StandardKey::Undo), "&Redo" + key(StandardKey::Redo), "-",
                     "&Initial Values\tAlt+i", ">&Add Event To Scenario\tAlt+a",
                     "&Withdrawal\tAlt+w", "&Deposit\tAlt+d", "&Loan\tAlt+l", "&Mortgage\tAlt+m",
                     "&Transfer\tAlt+t", "&Fundamentals\tAlt+f", "&Group Names\tAlt+g"}));
    QCOMPARE(popups["&Tools/Aids"],
             (QStringList{
                 "&Mortgage Calculator\tAlt+m", "&Refinance Analysis\tAlt+r",
                 "&Accelerated Mortgage Payment Analysis\tAlt+a", "&Inflation Calculator\tAlt+i",
                 "Ta&xes/Inflation/Investment Analysis\tAlt+x", "&Trade-off Analysis\tAlt+t",
                 "&Compare Scenarios\tAlt+c", "-", "&Window's Calculator\tAlt+w"}));
    QCOMPARE(popups["&Print"], (QStringList{"Print &Results" + key(StandardKey::Print),
                                            "!&Print Current Graph\tAlt+p"}));
    QCOMPARE(popups["&Graphs"], (QStringList{"&Create Graph Window\tAlt+c", "Save &Graphs\tAlt+g",
                                             "!&Print Current Graph\tAlt+p"}));
    QCOMPARE(popups["&Quick Tips"],
             (QStringList{"&Importing Account Data From A Tab-Delimited File\tAlt+i",
                          "&Exporting Account Data To A Tab-Delimited File\tAlt+e",
                          "&Summary Folder\tAlt+s", "&Accounts Folder\tAlt+a",
                          "&Results Folder\tAlt+r", "&Graph Functionality\tAlt+g"}));
    QCOMPARE(popups["&Help"], (QStringList{"Help On This &Folder" + key(StandardKey::HelpContents),
                                           "&Table Of Contents\tAlt+t", "&Help On Help\tAlt+h"}));
    // Items reach their own commands: Summary Folder tip and Help On Help.
    w.menuBar()->actions()[5]->menu()->actions()[2]->trigger();
    QCOMPARE(f.help.shown.back(), 1557);
    w.menuBar()->actions()[6]->menu()->actions()[2]->trigger();
    QCOMPARE(f.help.shown.back(), -1);
}

void FolderViewTest::grabRunSavesEveryFolderAndExits() {
    QTemporaryDir work;
    QProcess planner;
    planner.setWorkingDirectory(work.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    planner.setProcessEnvironment(env);
    planner.start(FINPLANNER, {"--grab", work.filePath("shots"), FINPLAN_EXAMPLE});
    QVERIFY(planner.waitForFinished(30000));
    QCOMPARE(planner.exitStatus(), QProcess::NormalExit);
    QCOMPARE(planner.exitCode(), 0);
    const QStringList shots =
        QDir(work.filePath("shots")).entryList({"*.png"}, QDir::Files, QDir::Name);
    // The welcome page first, the Summary once another folder was seen, then the others.
    QCOMPARE(shots, (QStringList{"00-summary.png", "00-welcome.png", "01-accounts.png",
                                 "02-scenario.png", "03-results.png", "04-net-worth.png",
                                 "05-incoming-outgoing.png", "06-incoming.png", "07-outgoing.png",
                                 "08-groups.png", "09-accounts-1-8.png", "10-analysis.png"}));
    QImage welcome(work.filePath("shots/00-welcome.png")),
        summary(work.filePath("shots/00-summary.png"));
    QCOMPARE(welcome.size(), QSize(602, 510));
    QVERIFY(welcome != summary);
}

QTEST_MAIN(FolderViewTest)
#include "folder_view_test.moc"
