// The Accounts folder, Account Information and Groups as the user meets them, on the
// offscreen platform: typing into the real widgets, pressing OK and Cancel, clicking
// the list's headers, with the Messages port scripted.
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "model/scenario_file.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "shell/account_info_dialog.h"
#include "shell/accounts_page.h"
#include "shell/groups_dialog.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/undo_stack.h"
#include "shell_fixture.h"

using namespace finplan;

namespace {

void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void press(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(button);
    QVERIFY2(b, button);
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList column(QTreeWidget* tree, int c) {
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        out << tree->topLevelItem(i)->text(c);
    return out;
}

void clickHeader(QTreeWidget* tree, int section) {
    QHeaderView* h = tree->header();
    const QPoint at(h->sectionViewportPosition(section) + 4, h->height() / 2);
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class AccountDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void addAccountTypedIntoTheDialog();
    void refusedOkAndCancelLeaveTheScenarioAsItWas();
    void groupsDialogBounds();
    void folderSortsByItsHeadersAndRefusesDeletingAnAccountInUse();
};

void AccountDialogsTest::addAccountTypedIntoTheDialog() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    std::strcpy(s->groups.groupName[2], "Stocks");
    RecordingMessages messages;
    ScenarioSession session(*s);
    AccountInfoPresenter presenter(session, AccountDialogMode::Add, 0, messages);
    int helps = 0;
    AccountInfoDialog dialog(presenter, [&] { ++helps; });
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Account Information"));
    QTest::keyClicks(dialog.nameBox(), "Roth IRA");
    QTest::keyClicks(dialog.amountBox(), "48000");
    QTest::keyClicks(dialog.rateBox(), "7.5");
    QTest::keyClicks(dialog.minRateBox(), "-10");
    QTest::keyClicks(dialog.maxRateBox(), "25");
    QTest::keyClicks(dialog.orderBox(), "5");
    QVERIFY(!dialog.penaltyBox()->isEnabled()); // a new account starts as an Asset
    dialog.typeBox()->setFocus();
    for (int i = 0; i < 4; ++i) // down to "Tax Free Savings"
        QTest::keyClick(dialog.typeBox(), Qt::Key_Down);
    QCOMPARE(dialog.typeBox()->currentText(), QString("Tax Free Savings"));
    QVERIFY(dialog.penaltyBox()->isEnabled());
    QTest::mouseClick(dialog.penaltyBox(), Qt::LeftButton);
    dialog.groupBox()->setFocus();
    QTest::keyClick(dialog.groupBox(), Qt::Key_Down);
    QCOMPARE(dialog.groupBox()->currentText(), QString("Stocks"));
    press(&dialog, "Help");
    QCOMPARE(helps, 1);
    press(&dialog, "OK");

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(messages.entries.empty());
    QCOMPARE(s->accounts.accountCount, int16_t(1));
    const Account& a = s->accounts.accounts[0];
    QCOMPARE(QString(a.name), QString("Roth IRA"));
    QCOMPARE(a.initialAmount, 48000.0f);
    QCOMPARE(a.rate, 7.5f);
    QCOMPARE(a.randomMinRate, -10.0f);
    QCOMPARE(a.randomMaxRate, 25.0f);
    QCOMPARE(QString(a.accessOrder), QString("5"));
    QCOMPARE(a.type, int16_t(AccountType::TaxFreeSavings));
    QCOMPARE(a.penaltyFlag, int16_t(1));
    QCOMPARE(a.groupIndex, int16_t(2));
    QVERIFY(session.accountsModified());
}

void AccountDialogsTest::refusedOkAndCancelLeaveTheScenarioAsItWas() {
    ShellFixture f;
    f.open(ShellOptions{false, copyExample().toStdString()});
    Scenario& s = *f.scenario;
    f.session.changed(ScenarioChange::FileWritten);
    f.session.changed(ScenarioChange::RunCompleted);
    const auto before = scenarioContentBytes(s);
    AccountInfoPresenter presenter(f.session, AccountDialogMode::Edit, 0, f.messages);
    AccountInfoDialog dialog(presenter, {});
    dialog.show();
    QVERIFY(dialog.amountBox()->hasSelectedText()); // an edit starts in the amount
    QTest::keyClicks(dialog.amountBox(), "1000");
    retype(dialog.rateBox(), "150");
    dialog.typeBox()->setFocus();
    QTest::keyClick(dialog.typeBox(), Qt::Key_Up);
    press(&dialog, "OK");
    QVERIFY(dialog.isVisible()); // the dialog stays open on the refused rate
    QVERIFY(f.messages.last());
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("This rate must be between -99.0% and 99.0%"));
    QCOMPARE(QString::fromStdString(f.messages.last()->title), QString("RATE ERROR"));
    QVERIFY(scenarioContentBytes(s) == before);
    press(&dialog, "Cancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(scenarioContentBytes(s) == before);
    QVERIFY(!f.session.accountsModified());
    QVERIFY(!f.session.resultsStale());
}

void AccountDialogsTest::groupsDialogBounds() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    RecordingMessages messages;
    ScenarioSession session(*s);
    const auto before = scenarioContentBytes(*s);
    GroupsPresenter presenter(session, messages);
    GroupsDialog dialog(presenter, {});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Groups"));
    QTest::keyClicks(dialog.nameBox(0), "Stocks");
    QTest::keyClicks(dialog.minBox(0), "-50.01");
    QTest::keyClicks(dialog.maxBox(0), "100");
    QTest::keyClicks(dialog.nameBox(1), "B"); // one letter: its bounds are not read
    QTest::keyClicks(dialog.minBox(1), "junk");
    press(&dialog, "OK");
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.texts(),
             std::vector<std::string>{"The rate must be between -50.00% and 100.00%."});
    QVERIFY(scenarioContentBytes(*s) == before);

    retype(dialog.minBox(0), "-50");
    press(&dialog, "OK");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString(s->groups.groupName[0]), QString("Stocks"));
    QCOMPARE(s->groups.groupRandomMinRate[0], -50.0f);
    QCOMPARE(s->groups.groupRandomMaxRate[0], 100.0f);
    QCOMPARE(QString(s->groups.groupName[1]), QString("B"));
    QCOMPARE(s->groups.groupRandomMinRate[1], 0.0f);

    // Opened again, what is typed first replaces the first name instead of joining it.
    GroupsPresenter again(session, messages);
    GroupsDialog second(again, {});
    second.show();
    QCOMPARE(second.focusWidget(), second.nameBox(0));
    QTest::keyClicks(second.focusWidget(), "Equities");
    press(&second, "OK");
    QCOMPARE(QString(s->groups.groupName[0]), QString("Equities"));
}

void AccountDialogsTest::folderSortsByItsHeadersAndRefusesDeletingAnAccountInUse() {
    ShellFixture f;
    MainWindow& w = f.open(ShellOptions{true, copyExample().toStdString()});
    w.show();
    w.switchFolder(tab::kAccounts);
    auto* page = qobject_cast<AccountsPage*>(w.currentPage());
    QVERIFY(page);
    QTreeWidget* tree = page->list();
    QCOMPARE(tree->headerItem()->text(7), QString("ID"));
    QCOMPARE(column(tree, 0).first(), QString("401(k) - Pat"));
    QCOMPARE(page->countBox()->text(), QString(" 8"));
    QCOMPARE(page->totalBox()->text(), QString("$859,000.00"));

    clickHeader(tree, 4); // "Rate": ascending first
    QCOMPARE(column(tree, 4).first(), QString("-15.000"));
    clickHeader(tree, 4);
    QCOMPARE(column(tree, 4).first(), QString("7.500"));
    QVERIFY(tree->header()->isSortIndicatorShown());
    QCOMPARE(tree->header()->sortIndicatorSection(), 4);
    QCOMPARE(tree->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    QTest::mouseClick(page->withdrawalOrder(), Qt::LeftButton);
    QVERIFY(page->withdrawalOrder()->isChecked());
    QCOMPARE(column(tree, 6).mid(0, 3), (QStringList{"", "1", "2"}));
    QTest::mouseClick(page->withdrawalOrder(), Qt::LeftButton);
    QCOMPARE(column(tree, 0).first(), QString("401(k) - Pat"));

    // Joint Brokerage receives Social Security and has its rate changed at 65.
    const auto before = scenarioContentBytes(*f.scenario);
    tree->setCurrentItem(tree->findItems("Joint Brokerage", Qt::MatchExactly).first());
    press(page, "Delete");
    QCOMPARE(f.messages.texts(),
             (std::vector<std::string>{"This account is required by the Retirement rates event.",
                                       "This account is required by the Social Security event.",
                                       "Make the necessary changes to your Financial Scenario."}));
    QVERIFY(scenarioContentBytes(*f.scenario) == before);

    // Nothing needs the emergency fund: it goes, and the folder shows seven accounts.
    tree->setCurrentItem(tree->findItems("Emergency Fund", Qt::MatchExactly).first());
    press(page, "Delete");
    page = qobject_cast<AccountsPage*>(w.currentPage());
    QVERIFY(page);
    QCOMPARE(page->countBox()->text(), QString(" 7"));
    QVERIFY(page->list()->findItems("Emergency Fund", Qt::MatchExactly).isEmpty());
    QCOMPARE(f.scenario->accounts.accountCount, int16_t(7));
}

QTEST_MAIN(AccountDialogsTest)
#include "account_dialogs_test.moc"
