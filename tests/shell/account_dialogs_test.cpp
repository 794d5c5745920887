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
#include "platform/help.h"
#include "platform/help_contexts.h"
#include "platform/recording_messages.h"
#include "shell/accounts_page.h"
#include "shell/form_dialog.h"
#include "shell/logic/account_info_presenter.h"
#include "shell/logic/folder_tabs.h"
#include "shell/logic/groups_presenter.h"
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

void press(FormDialog& dialog, StandardButton button) {
    QTest::mouseClick(dialog.buttonOf(button), Qt::LeftButton);
}

QLineEdit* edit(const FormDialog& dialog, ControlId id) {
    return qobject_cast<QLineEdit*>(dialog.widgetOf(id));
}

QComboBox* combo(const FormDialog& dialog, ControlId id) {
    return qobject_cast<QComboBox*>(dialog.widgetOf(id));
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
    RecordingHelp help;
    ScenarioSession session(*s);
    AccountInfoPresenter presenter(session, AccountDialogMode::Add, 0, messages, help);
    FormDialog dialog(presenter);
    dialog.show();
    using F = AccountInfoField;
    QCOMPARE(dialog.windowTitle(), QString("Account Information"));
    QTest::keyClicks(edit(dialog, F::Name), "Roth IRA");
    QTest::keyClicks(edit(dialog, F::InitialAmount), "48000");
    QTest::keyClicks(edit(dialog, F::Rate), "7.5");
    QTest::keyClicks(edit(dialog, F::RandomMinimumRate), "-10");
    QTest::keyClicks(edit(dialog, F::RandomMaximumRate), "25");
    QTest::keyClicks(edit(dialog, F::AccessOrder), "5");
    auto* penalty = qobject_cast<QCheckBox*>(dialog.widgetOf(F::Penalty));
    QVERIFY(!penalty->isEnabled()); // a new account starts as an Asset
    combo(dialog, F::Type)->setFocus();
    for (int i = 0; i < 4; ++i) // down to "Tax Free Savings"
        QTest::keyClick(combo(dialog, F::Type), Qt::Key_Down);
    QCOMPARE(combo(dialog, F::Type)->currentText(), QString("Tax Free Savings"));
    QVERIFY(penalty->isEnabled());
    // The texts typed before the choice are still there.
    QCOMPARE(edit(dialog, F::Name)->text(), QString("Roth IRA"));
    QTest::mouseClick(penalty, Qt::LeftButton, {}, QPoint(6, penalty->height() / 2));
    combo(dialog, F::Group)->setFocus();
    QTest::keyClick(combo(dialog, F::Group), Qt::Key_Down);
    QCOMPARE(combo(dialog, F::Group)->currentText(), QString("Stocks"));
    press(dialog, StandardButton::Help);
    QCOMPARE(help.shown, std::vector<int>{help::kAccountInformation});
    press(dialog, StandardButton::Ok);

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
    AccountInfoPresenter presenter(f.session, AccountDialogMode::Edit, 0, f.messages, f.help);
    FormDialog dialog(presenter);
    dialog.show();
    using F = AccountInfoField;
    QVERIFY(edit(dialog, F::InitialAmount)->hasSelectedText()); // an edit starts in the amount
    QTest::keyClicks(edit(dialog, F::InitialAmount), "1000");
    retype(edit(dialog, F::Rate), "150");
    combo(dialog, F::Type)->setFocus();
    QTest::keyClick(combo(dialog, F::Type), Qt::Key_Up);
    press(dialog, StandardButton::Ok);
    QVERIFY(dialog.isVisible()); // the dialog stays open on the refused rate
    QVERIFY(f.messages.last());
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("This rate must be between -99.0% and 99.0%"));
    QCOMPARE(QString::fromStdString(f.messages.last()->title), QString("RATE ERROR"));
    QVERIFY(scenarioContentBytes(s) == before);
    QCOMPARE(dialog.focusWidget(), edit(dialog, F::Rate)); // back to the refused rate
    press(dialog, StandardButton::Cancel);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(scenarioContentBytes(s) == before);
    QVERIFY(!f.session.accountsModified());
    QVERIFY(!f.session.resultsStale());
}

void AccountDialogsTest::groupsDialogBounds() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    RecordingMessages messages;
    RecordingHelp help;
    ScenarioSession session(*s);
    const auto before = scenarioContentBytes(*s);
    GroupsPresenter presenter(session, messages, help);
    FormDialog dialog(presenter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Groups"));
    QTest::keyClicks(edit(dialog, groupNameField(0)), "Stocks");
    QTest::keyClicks(edit(dialog, groupMinimumField(0)), "-50.01");
    QTest::keyClicks(edit(dialog, groupMaximumField(0)), "100");
    QTest::keyClicks(edit(dialog, groupNameField(1)), "B"); // one letter: its bounds are not read
    QTest::keyClicks(edit(dialog, groupMinimumField(1)), "junk");
    press(dialog, StandardButton::Ok);
    QVERIFY(dialog.isVisible());
    QCOMPARE(messages.texts(),
             std::vector<std::string>{"The rate must be between -50.00% and 100.00%."});
    QVERIFY(scenarioContentBytes(*s) == before);

    QCOMPARE(dialog.focusWidget(), edit(dialog, groupMinimumField(0)));
    retype(edit(dialog, groupMinimumField(0)), "-50");
    press(dialog, StandardButton::Ok);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(QString(s->groups.groupName[0]), QString("Stocks"));
    QCOMPARE(s->groups.groupRandomMinRate[0], -50.0f);
    QCOMPARE(s->groups.groupRandomMaxRate[0], 100.0f);
    QCOMPARE(QString(s->groups.groupName[1]), QString("B"));
    QCOMPARE(s->groups.groupRandomMinRate[1], 0.0f);

    // Opened again, what is typed first replaces the first name instead of joining it.
    GroupsPresenter again(session, messages, help);
    FormDialog second(again);
    second.show();
    QCOMPARE(second.focusWidget(), edit(second, groupNameField(0)));
    QTest::keyClicks(second.focusWidget(), "Equities");
    press(second, StandardButton::Ok);
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
