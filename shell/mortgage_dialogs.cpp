// The three mortgage calculators: the Mortgage Calculator, the Refinance Analysis and
// the Accelerated Mortgage Payment Analysis.
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/calculator_dialogs.h"

namespace finplan {

MortgageCalculatorDialog::MortgageCalculatorDialog(PlannerParts& theParts, QWidget* parent)
    : CalculatorDialog(CalculatorTool::Mortgage, theParts, parent),
      calculator(theParts.calculators.mortgage, theParts.messages) {
    QFormLayout* f = form(nullptr);
    row(f, "Amount ", calculator.amount, "amount");
    row(f, "Down Payment", calculator.downPayment, "downPayment");
    percentRow(f, "Rate", calculator.rate, "rate");
    row(f, "No Of Years", calculator.years, "years");
    row(f, "Monthly Payment", calculator.monthlyPayment, "monthlyPayment", true);

    // Calculate and OK both close the dialog once the payment has been worked out.
    auto calculate = [this] {
        if (calculator.calculate()) accept();
    };
    button("Calculate", "calculate", calculate);
    button("OK", "OK", calculate);
    button("Cancel", "cancel", [this] { reject(); });
    helpButton(MortgageCalculator::kHelpContext);
    button("Use this mortgage in plan", "useInPlan", [this] {
        calculator.useInPlan();
        accept();
    })->setDefault(true);
}

RefinanceDialog::RefinanceDialog(PlannerParts& theParts, const Event* editedMortgage,
                                 QWidget* parent)
    : CalculatorDialog(CalculatorTool::Refinance, theParts, parent),
      analysis(theParts.calculators.refinance, theParts.messages, editedMortgage) {
    heading("Refinance Calculator");
    QHBoxLayout* sides = columns();
    QFormLayout* old = form("Existing Mortgage", sides);
    row(old, "Start Age of Mortgage", analysis.startAge, "startAge");
    row(old, "Amount ", analysis.amount, "amount");
    percentRow(old, "Rate", analysis.rate, "rate");
    row(old, "No of Years", analysis.years, "years");
    row(old, "Monthly Payment", analysis.monthlyPayment, "monthlyPayment", true);

    QFormLayout* refi = form("Refinanced Mortgage", sides);
    row(refi, "Age at Refinancing", analysis.refiAge, "refiAge");
    row(refi, "Amount ", analysis.refiAmount, "refiAmount");
    percentRow(refi, "Rate", analysis.refiRate, "refiRate");
    row(refi, "No of Years", analysis.refiYears, "refiYears");
    row(refi, "Monthly Payment", analysis.refiMonthlyPayment, "refiMonthlyPayment", true);
    row(refi, "Closing Costs", analysis.closingCosts, "closingCosts");
    refi->addRow(checkBox(analysis.includeClosingCosts, "Include closing costs in mortgage",
                          "includeClosingCosts"));
    row(refi, "Mortgage Points", analysis.points, "points");
    refi->addRow(checkBox(analysis.includePoints, "Include points in mortgage", "includePoints"));

    QFormLayout* result = form("Refinancing Analysis");
    row(result, "Refinanced Amount", analysis.refinancedAmount, "refinancedAmount", true);
    row(result, "Total Mortgage Costs", analysis.totalMortgageCosts, "totalMortgageCosts", true);
    row(result, "Months to Break Even", analysis.monthsToBreakEven, "monthsToBreakEven", true);

    button("Do Analysis", "doAnalysis", [this, &theParts] {
        analysis.doAnalysis(theParts.runner.taxRateInEffect());
    })->setDefault(true);
    button("OK", "OK", [this] {
        analysis.ok();
        accept();
    });
    button("Cancel", "cancel", [this] { reject(); });
    helpButton(RefinanceAnalysis::kHelpContext);
}

AcceleratedDialog::AcceleratedDialog(PlannerParts& theParts, QWidget* parent)
    : CalculatorDialog(CalculatorTool::Accelerated, theParts, parent),
      analysis(theParts.calculators.accelerated, theParts.messages, theParts.scenario.initial) {
    AcceleratedPaymentAnalysis& a = analysis;
    QHBoxLayout* sides = columns();
    QFormLayout* old = form("Existing Mortgage", sides);
    row(old, "Loan Amount", a.loanAmount, "loanAmount");
    row(old, "Number of Years", a.numberOfYears, "numberOfYears");
    row(old, "Years Left", a.yearsLeft, "yearsLeft");
    percentRow(old, "Rate", a.rate, "rate");
    row(old, "Monthly Payment", a.monthlyPayment, "monthlyPayment", true);
    row(old, "Total Payments", a.totalPayments, "totalPayments", true);
    row(old, "Total Interest", a.totalInterest, "totalInterest", true);

    QFormLayout* fast = form("Accelerated Payment Mortgage", sides);
    row(fast, "Additional Monthly Payment", a.additionalPayment, "additionalPayment");
    row(fast, "Payment Years", a.paymentYears, "paymentYears", true);
    row(fast, "Monthly Payment", a.acceleratedMonthlyPayment, "acceleratedMonthlyPayment", true);
    row(fast, "Total Payments", a.acceleratedTotalPayments, "acceleratedTotalPayments", true);
    row(fast, "Total Interest", a.acceleratedTotalInterest, "acceleratedTotalInterest", true);
    row(fast, "Savings", a.savings, "savings", true);

    QVBoxLayout* invest = lines("Investment Comparison");
    sentence(invest, {field(a.investedAmount, "investedAmount", true),
                      " invested monthly at a yearly rate of",
                      field(a.investmentRate, "investmentRate"), " %"});
    sentence(invest, {" and taxed at", field(a.taxRate, "taxRate"), " %",
                      " with an inflation rate of", field(a.inflationRate, "inflationRate"), " %"});
    sentence(invest, {" would be worth ", field(a.worth, "worth", true), "at the end of",
                      field(a.worthYears, "worthYears", true), " years."});

    button("Calculate", "calculate", [this] { analysis.calculate(); })->setDefault(true);
    button("OK", "OK", [this] { accept(); });
    helpButton(AcceleratedPaymentAnalysis::kHelpContext);
}

} // namespace finplan
