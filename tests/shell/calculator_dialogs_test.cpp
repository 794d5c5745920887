// The calculator dialogs on the offscreen platform: numbers typed into the real
// fields, the buttons clicked, the results read back from the read-only fields. The
// expected figures are worked out by hand from the payment and growth rules.
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "shell/form_dialog.h"
#include "shell/logic/calculator_presenters.h"
#include "shell/logic/command_ids.h"
#include "shell/mortgage_schedule_window.h"
#include "shell_fixture.h"

using namespace finplan;

namespace {

PlannerParts partsOf(ShellFixture& f) {
    return f.parts();
}

// A calculator's presenter in the form, as the Tools/Aids menu shows it.
struct Calculator {
    Calculator(CalculatorTool tool, PlannerParts& parts, const Event* mortgage = nullptr)
        : presenter(makeCalculatorPresenter(tool, parts, mortgage)), form(*presenter) {}
    std::unique_ptr<CalculatorPresenter> presenter;
    FormDialog form;
};

QLineEdit* edit(QWidget& d, const char* name) {
    auto* e = d.findChild<QLineEdit*>(name);
    if (!e) qFatal("no field %s", name);
    return e;
}

// What the user sees in a field, without the padding of the printed formats.
QString shown(QWidget& d, const char* name) {
    return edit(d, name)->text().trimmed();
}

void type(QWidget& d, const char* name, const char* text) {
    QLineEdit* e = edit(d, name);
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

void click(QWidget& d, const char* name) {
    auto* b = d.findChild<QAbstractButton*>(name);
    if (!b) qFatal("no button %s", name);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The last message's title, "" when none was shown.
QString lastTitle(const RecordingMessages& m) {
    return m.last() ? QString::fromStdString(m.last()->title) : QString();
}

} // namespace

class CalculatorDialogsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void mortgageCalculatorPaymentAndHandOver();
    void refinanceCostsAndPayment();
    void acceleratedPaymentPaysOffEarlier();
    void inflationGrowsTheAmount();
    void investmentAnalysisSentence();
    void tradeOffEndAmountsSpinGraphAndSave();
    void mortgageScheduleWindowListsTheYears();
    void menuCommandMarksTheToolOpenWhileItShows();
};

void CalculatorDialogsTest::mortgageCalculatorPaymentAndHandOver() {
    ShellFixture f;
    PlannerParts parts = partsOf(f);
    {
        Calculator c(CalculatorTool::Mortgage, parts);
        FormDialog& d = c.form;
        d.show();
        QCOMPARE(shown(d, "amount"), QString("0.0"));
        QCOMPARE(shown(d, "rate"), QString("8.0"));
        QCOMPARE(shown(d, "years"), QString("30"));
        QCOMPARE(shown(d, "monthlyPayment"), QString("0.0"));
        click(d, "calculate"); // an amount of 0.0 is refused; the dialog stays
        QCOMPARE(lastTitle(f.messages), QString("AMOUNT ERROR"));
        QVERIFY(d.isVisible());

        type(d, "amount", "100000");
        type(d, "downPayment", "0");
        type(d, "rate", "8.0");
        type(d, "years", "30");
        click(d, "calculate");
        // 100000 x r / (1 - (1 + r)^-360), r = 0.08 / 12: 733.76, left-aligned in 9.
        QCOMPARE(edit(d, "monthlyPayment")->text(), QString("733.76   "));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(!d.isVisible());
    }
    {
        // Opened again it shows what was read and computed last; Enter is "Use this
        // mortgage in plan", which hands the texts over with the payment they make.
        Calculator c(CalculatorTool::Mortgage, parts);
        FormDialog& d = c.form;
        d.show();
        QCOMPARE(shown(d, "amount"), QString("100000"));
        QCOMPARE(shown(d, "monthlyPayment"), QString("733.76"));
        QVERIFY(!f.calculators.mortgage.handOver);
        type(d, "downPayment", "20000");
        QTest::keyClick(edit(d, "downPayment"), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(f.calculators.mortgage.handOver);
        auto handed = takeMortgageHandOver(f.calculators.mortgage);
        QVERIFY(handed);
        QCOMPARE(QString::fromStdString(handed->downPayment), QString("20000"));
        // 80000 x r / (1 - (1 + r)^-360), r = 0.08 / 12: 587.01, not the 733.76 above.
        QCOMPARE(QString::fromStdString(handed->monthlyPayment), QString("$587.01"));
    }
    Calculator forHelp(CalculatorTool::Mortgage, parts);
    click(forHelp.form, "help");
    QCOMPARE(f.help.shown, std::vector<int>{MortgageCalculator::kHelpContext});
}

void CalculatorDialogsTest::refinanceCostsAndPayment() {
    ShellFixture f;
    PlannerParts parts = partsOf(f);
    Calculator c(CalculatorTool::Refinance, parts);
    FormDialog& d = c.form;
    d.show();
    QCOMPARE(shown(d, "startAge"), QString("0"));
    click(d, "doAnalysis");
    QCOMPARE(lastTitle(f.messages), QString("AGE ERROR"));

    type(d, "startAge", "40");
    type(d, "amount", "100000");
    type(d, "rate", "8");
    type(d, "years", "30");
    type(d, "refiAge", "45");
    type(d, "refiAmount", "100000");
    type(d, "refiRate", "6");
    type(d, "refiYears", "30");
    type(d, "closingCosts", "2000");
    type(d, "points", "1");
    click(d, "includeClosingCosts");
    f.messages.entries.clear();
    QTest::keyClick(edit(d, "points"), Qt::Key_Return); // Enter is "Do Analysis"
    QVERIFY(f.messages.entries.empty());
    QVERIFY(d.isVisible());
    // Closing costs financed: 102000; costs up front 1 % of that + 2000 = 3020; the
    // payment on 102000 at 6 % over 30 years 611.54.
    QCOMPARE(shown(d, "refinancedAmount"), QString("$102,000.00"));
    QCOMPARE(shown(d, "totalMortgageCosts"), QString("$3,020.00"));
    QCOMPARE(shown(d, "refiMonthlyPayment"), QString("$611.54"));
    QVERIFY(!shown(d, "monthsToBreakEven").isEmpty());

    click(d, "OK"); // keeps the refinanced side
    QCOMPARE(f.calculators.refinance.age, 45.0f);
    QCOMPARE(f.calculators.refinance.includeClosingCosts, 1);

    // From the Mortgage event editor on an existing mortgage: the event's values.
    Event e;
    e.kind = static_cast<int16_t>(EventKind::Mortgage);
    e.startAge = 50, e.amount = 250000, e.downPayment = 50000, e.loanRate = 7, e.years = 15;
    Calculator editorCalc(CalculatorTool::Refinance, parts, &e);
    FormDialog& fromEditor = editorCalc.form;
    QCOMPARE(shown(fromEditor, "amount"), QString("200000.00"));
    QCOMPARE(shown(fromEditor, "years"), QString("15"));
    QCOMPARE(shown(fromEditor, "refiAge"), QString("45.00"));
    QVERIFY(fromEditor.findChild<QCheckBox*>("includeClosingCosts")->isChecked());
}

void CalculatorDialogsTest::acceleratedPaymentPaysOffEarlier() {
    ShellFixture f;
    f.scenario->initial.taxRate = 25;
    f.scenario->initial.inflationRate = 3;
    PlannerParts parts = partsOf(f);
    Calculator c(CalculatorTool::Accelerated, parts);
    FormDialog& d = c.form;
    d.show();
    QCOMPARE(shown(d, "investmentRate"), QString("5.00"));
    QCOMPARE(shown(d, "taxRate"), QString("25.00"));
    QCOMPARE(shown(d, "inflationRate"), QString("3.00"));

    type(d, "loanAmount", "100000");
    type(d, "numberOfYears", "30");
    type(d, "yearsLeft", "30");
    type(d, "rate", "0");
    click(d, "calculate");
    QCOMPARE(lastTitle(f.messages), QString("Rate Error!"));

    type(d, "rate", "8");
    type(d, "additionalPayment", "0");
    click(d, "calculate");
    QCOMPARE(shown(d, "monthlyPayment"), QString("$733.76"));
    QCOMPARE(shown(d, "acceleratedMonthlyPayment"), QString("$733.76"));
    QCOMPARE(shown(d, "savings"), QString("$0.00"));
    QCOMPARE(shown(d, "worth"), QString("$0.00"));

    // 100 more a month pays the loan off in month 242: 242 / 12 = 20.17 years.
    type(d, "additionalPayment", "100");
    click(d, "calculate");
    QCOMPARE(shown(d, "paymentYears"), QString("20.17"));
    QCOMPARE(shown(d, "acceleratedMonthlyPayment"), QString("$833.76"));
    QCOMPARE(shown(d, "investedAmount"), QString("$100.00"));
    QCOMPARE(shown(d, "worthYears"), QString("20"));
    QVERIFY(d.isVisible());
    click(d, "OK");
    QVERIFY(!d.isVisible());
    QCOMPARE(f.calculators.accelerated.additionalPayment, 100.0f);
}

void CalculatorDialogsTest::inflationGrowsTheAmount() {
    ShellFixture f;
    PlannerParts parts = partsOf(f);
    Calculator c(CalculatorTool::Inflation, parts);
    FormDialog& d = c.form;
    d.show();
    type(d, "startAge", "30");
    type(d, "endAge", "30");
    type(d, "amount", "1000");
    type(d, "rate", "3");
    click(d, "calculate");
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("End Age must be greater the Start Age."));

    type(d, "endAge", "40");
    QTest::keyClick(edit(d, "endAge"), Qt::Key_Return); // Enter is "Calculate"
    // 1000 x 1.03^10 = 1343.92; the dialog stays open after calculating.
    QCOMPARE(shown(d, "inflatedAmount"), QString("1343.92"));
    QVERIFY(d.isVisible());
    click(d, "OK");
    QVERIFY(!d.isVisible());
    Calculator againCalc(CalculatorTool::Inflation, parts);
    FormDialog& again = againCalc.form;
    QCOMPARE(shown(again, "startAge"), QString("30.00"));
    QCOMPARE(shown(again, "inflatedAmount"), QString("1343.92"));
}

void CalculatorDialogsTest::investmentAnalysisSentence() {
    ShellFixture f;
    PlannerParts parts = partsOf(f);
    Calculator c(CalculatorTool::Investment, parts);
    FormDialog& d = c.form;
    d.show();
    QCOMPARE(shown(d, "years"), QString("1"));
    click(d, "calculate");
    QCOMPARE(lastTitle(f.messages), QString("Amount Error!"));

    // 1000 at 10 % for 2 years, untaxed, no inflation: 1000 x 1.1^2 = 1210.00, and an
    // effective rate of (210 / 1000 x 100) / 2 = 10.50 %.
    type(d, "amount", "1000");
    type(d, "years", "2");
    type(d, "returnRate", "10");
    type(d, "taxRate", "0");
    type(d, "inflationRate", "0");
    click(d, "calculate");
    QCOMPARE(shown(d, "analysisYears"), QString("2"));
    QCOMPARE(shown(d, "analysisTaxRate"), QString("0.00%"));
    QCOMPARE(shown(d, "worth"), QString("$1,210.00"));
    QCOMPARE(shown(d, "todaysValue"), QString("$1,210.00"));
    QCOMPARE(shown(d, "effectiveRate"), QString("10.50%"));

    // Taxed at 100 % nothing grows.
    type(d, "taxRate", "100");
    click(d, "calculate");
    QCOMPARE(shown(d, "worth"), QString("$1,000.00"));
    click(d, "help");
    QCOMPARE(f.help.shown, std::vector<int>{InvestmentCalculator::kHelpContext});
}

void CalculatorDialogsTest::tradeOffEndAmountsSpinGraphAndSave() {
    ShellFixture f;
    f.scenario->initial.taxRate = 15;
    PlannerParts parts = partsOf(f);
    Calculator c(CalculatorTool::TradeOff, parts);
    FormDialog& d = c.form;
    d.show();
    QCOMPARE(shown(d, "name1"), QString("Option 1"));
    QCOMPARE(shown(d, "endAmount1"), QString("0.00"));

    // Option 1: 1000 up front, 100 in and 40 out per period, 10 periods:
    // 1000 + 10 x 60 = 1600.
    type(d, "name1", "Rent");
    type(d, "fixedAmount1", "1000");
    type(d, "incomePerPeriod1", "100");
    type(d, "costPerPeriod1", "40");
    type(d, "periodsText", "10");
    click(d, "calculate");
    QCOMPARE(shown(d, "endAmount1"), QString("1600.00"));
    QCOMPARE(shown(d, "difference1"), QString("1600.00")); // option 1 against option 2
    QCOMPARE(shown(d, "difference2"), QString("0.00"));

    // Taxed at 15 %: 0.85 x 1000 + 10 x 0.85 x 60 = 1360.
    click(d, "useTaxRate");
    QCOMPARE(shown(d, "endAmount1"), QString("1360.00"));

    // The up arrow lowers the count: 9 periods, 850 + 9 x 51 = 1309.
    QTest::keyClick(edit(d, "periodsText"), Qt::Key_Up);
    QCOMPARE(shown(d, "periodsText"), QString("9"));
    QCOMPARE(shown(d, "endAmount1"), QString("1309.00"));

    type(d, "periodsText", "2");
    click(d, "graph");
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("Not enough periods.\nPlease try again."));
    QVERIFY(f.launcher.launched.empty());
    type(d, "periodsText", "3");
    click(d, "graph");
    QCOMPARE(f.launcher.launched.size(), size_t(1));
    QCOMPARE(f.launcher.launched[0], (std::vector<std::string>{"rezirud.exe", "trade.tmp"}));
    QVERIFY(QFile::exists("trade.tmp"));
    f.launcher.result = false; // a grapher that cannot be started is reported
    click(d, "graph");
    QCOMPARE(QString::fromStdString(f.messages.last()->text),
             QString("The program finplan-tradeoff could not be found beside the planner or in "
                     "the path."));

    click(d, "OK");
    QVERIFY(!d.isVisible());
    QFile saved("tradeinf.dat");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(saved.readLine()), QString("Rent\n"));
}

void CalculatorDialogsTest::mortgageScheduleWindowListsTheYears() {
    ShellFixture f;
    Scenario& s = *f.scenario;
    Event& e = s.events[0];
    e.kind = static_cast<int16_t>(EventKind::Mortgage);
    e.startAge = 40, e.amount = 100000, e.loanRate = 8, e.years = 30;
    s.eventCount = 1;
    f.session.beginEditEvent(0); // the slot the editor has just stored
    PlannerParts parts = partsOf(f);
    auto w = std::make_unique<MortgageScheduleWindow>(parts, nullptr, nullptr);
    w->show();
    QTreeWidget* list = w->list();
    QCOMPARE(list->columnCount(), 10);
    QCOMPARE(list->headerItem()->text(9), QString("Property Liability"));
    // Age 40 with nothing paid, then ages 41 to 70.
    QCOMPARE(list->topLevelItemCount(), 31);
    QCOMPARE(list->topLevelItem(0)->text(0).trimmed(), QString("40"));
    QCOMPARE(list->topLevelItem(30)->text(0).trimmed(), QString("70"));
    // No appreciation: the property keeps its price; nothing was down, nothing paid yet.
    QCOMPARE(list->topLevelItem(30)->text(8).trimmed(), QString("100000.00"));
    QCOMPARE(list->topLevelItem(0)->text(9).trimmed(), QString("100000.00"));

    // Wider: the columns take their share of the new width (1270 - 20) x 33 / 625 = 66.
    w->resize(1270, 500);
    QTRY_COMPARE(list->columnWidth(0), 66);
    w->close();
    QVERIFY(f.calculators.schedule.recomputeWidths);

    // The editor's mortgage as validated, given directly: listed, and left untouched.
    Event edited = e;
    edited.years = 10;
    edited.monthsElapsed = 0, edited.principalPaid = 0;
    MortgageScheduleWindow fromEditor(parts, &edited, nullptr);
    QCOMPARE(fromEditor.list()->topLevelItemCount(), 11);
    QCOMPARE(edited.monthsElapsed, int16_t(0));
    QCOMPARE(edited.principalPaid, 0.0f);
}

void CalculatorDialogsTest::menuCommandMarksTheToolOpenWhileItShows() {
    ShellFixture f;
    MainWindow& w = f.open();
    bool markedOpen = false;
    QString title;
    f.answerDialog = [&](QDialog& d) {
        markedOpen = f.tools.isOpen("Inflation Calculator");
        title = d.windowTitle();
        // Another command meanwhile only brings the calculator to the front.
        QVERIFY(!w.commands().execute(cmd::kNew));
    };
    w.commands().execute(cmd::kInflationCalculator);
    QVERIFY(markedOpen);
    QCOMPARE(title, QString("Inflation Calculator"));
    QVERIFY(!f.tools.anyOpen());
    QVERIFY2(f.messages.entries.empty(), shownTexts(f.messages).c_str());
}

QTEST_MAIN(CalculatorDialogsTest)
#include "calculator_dialogs_test.moc"
