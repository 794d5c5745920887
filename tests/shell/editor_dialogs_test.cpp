// Each editor dialog driven through its real widgets on the offscreen platform: keys
// typed into the edit boxes, boxes clicked, OK pressed; messages answered by script.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "shell/event_list_page.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/event_editor.h"
#include "shell/logic/event_editors.h"
#include "shell/logic/initial_values_presenter.h"
#include "shell_fixture.h"

namespace finplan {

namespace {

void type(FormDialog& d, ControlId id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(d.widgetOf(id));
    QVERIFY2(edit, qPrintable(QString("no edit box %1").arg(id.number())));
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void click(FormDialog& d, ControlId id) {
    if (auto* box = qobject_cast<QCheckBox*>(d.widgetOf(id))) {
        // On the box itself: the row is wider than the box and its text.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        return;
    }
    QAbstractButton* b = d.buttonOf(id);
    QVERIFY2(b, qPrintable(QString("no button %1").arg(id.number())));
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class EditorDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void withdrawalThroughItsWidgets();
    void depositTransferAndLoanStoreTheirAccounts();
    void mortgageCalculatesInTheDialog();
    void fundamentalsWithTheAccountRateDialog();
    void chooserOpensAnEditor();
    void initialValuesRefusesThenStores();
    void typingReplacesTheFirstFieldAndTabPassesShownValues();
    void undoFromTheEditMenuNamesTheChange();
};

void EditorDialogsTest::withdrawalThroughItsWidgets() {
    ShellFixture f;
    MainWindow& w = f.open();
    whenDialogShows(w, [&](FormDialog& d) {
        QCOMPARE(d.windowTitle(), QString("Withdrawal"));
        type(d, WithdrawalField::Description, "Living expenses");
        type(d, WithdrawalField::StartAge, "65.5");
        type(d, WithdrawalField::EndAge, "90");
        type(d, WithdrawalField::Amount, "0");
        click(d, WithdrawalField::ApplyInflation);
        click(d, StandardButton::Ok); // refused: the amount
        QCOMPARE(QString::fromStdString(f.messages.last()->title), QString("AMOUNT ERROR"));
        QVERIFY(d.isVisible());
        // Back in the amount, its text selected for retyping.
        QCOMPARE(d.focusWidget(), d.widgetOf(WithdrawalField::Amount));
        QCOMPARE(qobject_cast<QLineEdit*>(d.widgetOf(WithdrawalField::Amount))->selectedText(),
                 QString("0"));
        type(d, WithdrawalField::Amount, "40000");
        click(d, StandardButton::Ok);
    });
    w.commands().execute(cmd::kAddWithdrawal);
    QCOMPARE(f.scenario->eventCount, 1);
    const Event& e = f.scenario->events[0];
    QCOMPARE(QString(e.description), QString("Living expenses"));
    QCOMPARE(e.startAge, 65.0f);
    QCOMPARE(e.amount, 40000.0f);
    QCOMPARE(e.applyInflation, int16_t(1));
    QCOMPARE(w.currentTab(), 2); // the Scenario folder shows it
}

void EditorDialogsTest::depositTransferAndLoanStoreTheirAccounts() {
    ShellFixture f;
    MainWindow& w = f.open();
    for (const char* name : {"Savings", "Checking"}) {
        Account& a = f.scenario->accounts.accounts[f.scenario->accounts.accountCount];
        std::strcpy(a.name, name);
        a.rate = 3;
        assignAccountId(*f.scenario);
    }
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, DepositField::Description, "Salary");
        type(d, DepositField::StartAge, "30");
        type(d, DepositField::EndAge, "60");
        type(d, DepositField::Amount, "50000");
        qobject_cast<QComboBox*>(d.widgetOf(DepositField::DepositTo))
            ->setCurrentIndex(1); // Savings
        click(d, StandardButton::Ok);
    });
    w.commands().execute(cmd::kAddDeposit);
    QCOMPARE(f.scenario->events[0].toAccountId, int16_t(0));
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, TransferField::Description, "Move");
        type(d, TransferField::StartAge, "40");
        type(d, TransferField::EndAge, "41");
        type(d, TransferField::Amount, "100");
        qobject_cast<QComboBox*>(d.widgetOf(TransferField::FromAccount))
            ->setCurrentIndex(0); // Checking
        qobject_cast<QComboBox*>(d.widgetOf(TransferField::ToAccount))
            ->setCurrentIndex(1); // Savings
        click(d, StandardButton::Ok);
    });
    w.commands().execute(cmd::kAddTransfer);
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, LoanField::Description, "Car");
        type(d, LoanField::StartAge, "45");
        type(d, LoanField::PayoffAge, "50");
        type(d, LoanField::Rate, "6");
        type(d, LoanField::Amount, "20000");
        type(d, LoanField::Years, "5");
        qobject_cast<QComboBox*>(d.widgetOf(LoanField::DepositTo))->setCurrentIndex(0);
        click(d, LoanField::Ok);
    });
    w.commands().execute(cmd::kAddLoan);
    QCOMPARE(f.scenario->eventCount, 3);
    const Event& transfer = f.scenario->events[1];
    QCOMPARE(transfer.fromAccountId, int16_t(1));
    QCOMPARE(transfer.toAccountId, int16_t(0));
    const Event& loan = f.scenario->events[2];
    QCOMPARE(loan.toAccountId, int16_t(1));
    QVERIFY(loan.monthlyPayment > 386.6f && loan.monthlyPayment < 386.7f); // 20000, 6 %, 5 yrs
}

void EditorDialogsTest::mortgageCalculatesInTheDialog() {
    ShellFixture f;
    MainWindow& w = f.open();
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, MortgageField::Description, "House");
        type(d, MortgageField::StartAge, "47");
        type(d, MortgageField::PayoffAge, "77");
        type(d, MortgageField::Rate, "8");
        type(d, MortgageField::Amount, "100000");
        type(d, MortgageField::DownPayment, "0");
        type(d, MortgageField::Years, "30");
        click(d, MortgageField::AcceleratedFromStart);
        click(d, MortgageField::Calculate);
        QCOMPARE(qobject_cast<QLineEdit*>(d.widgetOf(MortgageField::MonthlyPayment))->text(),
                 QString("$733.76"));
        QVERIFY(!d.buttonOf(MortgageField::Refinance)->isEnabled());
        click(d, MortgageField::Ok);
    });
    w.commands().execute(cmd::kAddMortgage);
    QCOMPARE(f.scenario->eventCount, 1);
    QCOMPARE(f.scenario->events[0].acceleratedMode, int16_t(1));
}

void EditorDialogsTest::fundamentalsWithTheAccountRateDialog() {
    ShellFixture f;
    MainWindow& w = f.open();
    Account& a = f.scenario->accounts.accounts[0];
    std::strcpy(a.name, "Stocks");
    a.rate = a.currentRate = 8;
    assignAccountId(*f.scenario);
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, FundamentalsField::Description, "Slower growth");
        type(d, FundamentalsField::StartAge, "60");
        qobject_cast<QComboBox*>(d.widgetOf(FundamentalsField::AccountCombo))->setCurrentIndex(1);
        whenDialogShows(w, [&](FormDialog& rate) {
            QCOMPARE(rate.windowTitle(), QString("Account Rate"));
            // The account's name is only shown: typing starts in the rate.
            QCOMPARE(rate.focusWidget(), rate.widgetOf(AccountRateField::Rate));
            type(rate, AccountRateField::Rate, "5.5");
            click(rate, AccountRateField::Ok);
        });
        click(d, FundamentalsField::ChangeRate);
        click(d, FundamentalsField::Ok);
    });
    w.commands().execute(cmd::kAddFundamentals);
    QCOMPARE(f.scenario->eventCount, 1);
    QCOMPARE(f.scenario->events[0].rateAccountId, int16_t(0));
    QCOMPARE(f.scenario->events[0].newAccountRate, 5.5f);
}

void EditorDialogsTest::chooserOpensAnEditor() {
    ShellFixture f;
    MainWindow& w = f.open();
    whenDialogShows(w, [&](FormDialog& chooser) {
        QCOMPARE(chooser.windowTitle(), QString("Add Event"));
        whenDialogShows(w, [&](FormDialog& d) {
            type(d, DepositField::Description, "Gift");
            type(d, DepositField::StartAge, "50");
            type(d, DepositField::EndAge, "50");
            type(d, DepositField::Amount, "1000");
            click(d, StandardButton::Ok);
        });
        click(chooser, AddEventButton::Deposit);
        click(chooser, AddEventButton::Ok); // closes the chooser
    });
    w.commands().execute(cmd::kAddEventChooser);
    QCOMPARE(f.scenario->eventCount, 1);
    QCOMPARE(f.scenario->events[0].eventKind(), EventKind::Deposit);
}

void EditorDialogsTest::initialValuesRefusesThenStores() {
    ShellFixture f;
    MainWindow& w = f.open();
    whenDialogShows(w, [&](FormDialog& d) {
        QCOMPARE(d.windowTitle(), QString("Initial Data"));
        type(d, InitialValuesField::StartAge, "19");
        type(d, InitialValuesField::EndAge, "120");
        click(d, InitialValuesField::Ok);
        QCOMPARE(QString::fromStdString(f.messages.last()->text),
                 QString("The age range must be less than 100!"));
        type(d, InitialValuesField::StartAge, "20");
        type(d, InitialValuesField::TaxRate, "22");
        click(d, InitialValuesField::Ok);
    });
    w.commands().execute(cmd::kInitialValues);
    QCOMPARE(f.scenario->initial.startAge, 20.0f);
    QCOMPARE(f.scenario->initial.taxRate, 22.0f);
}

// Keys as a user presses them, into whatever has the focus: no selecting by the test.
void EditorDialogsTest::typingReplacesTheFirstFieldAndTabPassesShownValues() {
    ShellFixture f;
    MainWindow& w = f.open();
    whenDialogShows(w, [&](FormDialog& d) {
        // Keys follow the focus only once the dialog is the active window; on a busy
        // machine it may just have been shown.
        QVERIFY(QTest::qWaitForWindowActive(&d));
        auto* start = qobject_cast<QLineEdit*>(d.widgetOf(InitialValuesField::StartAge));
        QCOMPARE(d.focusWidget(), start);
        QCOMPARE(start->selectedText(), start->text());
        QTest::keyClicks(d.focusWidget(), "45");
        QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(d.focusWidget(), "90");
        // Birth month, birth day, "Use Birthday"; the ten totals and averages are
        // passed by.
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), d.widgetOf(InitialValuesField::TaxRate));
        QTest::keyClicks(d.focusWidget(), "22");
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
    });
    w.commands().execute(cmd::kInitialValues);
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
    QCOMPARE(f.scenario->initial.startAge, 45.0f);
    QCOMPARE(f.scenario->initial.endAge, 90.0f);
    QCOMPARE(f.scenario->initial.taxRate, 22.0f);
}

void EditorDialogsTest::undoFromTheEditMenuNamesTheChange() {
    ShellFixture f;
    MainWindow& w = f.open();
    w.commands().openPath(copyExample().toStdString());
    w.switchFolder(2);
    const auto before = scenarioContentBytes(*f.scenario);
    EventListPage* page = w.eventListView();
    const auto lines = page->list()->findItems("Living expenses - Withdraw", Qt::MatchContains);
    QVERIFY(!lines.isEmpty());
    page->list()->setCurrentItem(lines.front());
    whenDialogShows(w, [&](FormDialog& d) {
        type(d, WithdrawalField::Amount, "12345");
        click(d, StandardButton::Ok);
    });
    QTest::mouseClick(page->findChild<QPushButton*>("Edit"), Qt::LeftButton);
    const auto edited = scenarioContentBytes(*f.scenario);
    QVERIFY(edited != before);
    QMenu* edit = w.menuBar()->actions()[1]->menu();
    Q_EMIT edit->aboutToShow();
    QAction* undo = w.actionsOf(cmd::kUndo).front();
    QVERIFY2(undo->text().startsWith("&Undo Edit Withdrawal 'Living expenses'"),
             qPrintable(undo->text()));
    QVERIFY(!w.actionsOf(cmd::kRedo).front()->isEnabled());
    Q_EMIT edit->aboutToHide(); // the keys work again with the menu closed
    undo->trigger();
    QVERIFY(scenarioContentBytes(*f.scenario) == before);
    w.actionsOf(cmd::kRedo).front()->trigger();
    QVERIFY(scenarioContentBytes(*f.scenario) == edited);
}

} // namespace finplan

QTEST_MAIN(finplan::EditorDialogsTest)
#include "editor_dialogs_test.moc"
