// The Inflation Calculator and "Taxes, Inflation and Your Investment".
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/calculator_dialogs.h"

namespace finplan {

InflationDialog::InflationDialog(PlannerParts& theParts, QWidget* parent)
    : CalculatorDialog(CalculatorTool::Inflation, theParts, parent),
      calculator(theParts.calculators.inflation, theParts.messages) {
    QFormLayout* f = form(nullptr);
    row(f, "Start Age", calculator.startAge, "startAge");
    row(f, "End Age", calculator.endAge, "endAge");
    row(f, "Start Age Amount", calculator.amount, "amount");
    percentRow(f, "Inflation Rate", calculator.rate, "rate");
    row(f, "Inflated Amount", calculator.inflatedAmount, "inflatedAmount", true);

    button("Calculate", "calculate", [this] { calculator.calculate(); })->setDefault(true);
    button("OK", "OK", [this] { accept(); });
}

InvestmentDialog::InvestmentDialog(PlannerParts& theParts, QWidget* parent)
    : CalculatorDialog(CalculatorTool::Investment, theParts, parent),
      calculator(theParts.calculators.investment, theParts.messages) {
    InvestmentCalculator& c = calculator;
    QFormLayout* f = form(nullptr);
    row(f, "Amount invested", c.amount, "amount");
    row(f, "Number of years amount is invested", c.years, "years");
    percentRow(f, "Expected yearly rate of return on investment", c.returnRate, "returnRate");
    percentRow(f, "Rate at which investment is taxed", c.taxRate, "taxRate");
    percentRow(f, "Estimated yearly inflation rate", c.inflationRate, "inflationRate");

    QVBoxLayout* analysis = lines("Analysis");
    sentence(analysis, {"At the end of", field(c.analysisYears, "analysisYears", true),
                        "years, taxed at a yearly rate of",
                        field(c.analysisTaxRate, "analysisTaxRate", true)});
    sentence(analysis, {"your investment will be worth", field(c.worth, "worth", true)});
    sentence(analysis, {"At a yearly inflation", "rate of",
                        field(c.analysisInflationRate, "analysisInflationRate", true),
                        "this amounts to", field(c.todaysValue, "todaysValue", true)});
    sentence(analysis, {"in today's", "purchasing power.  It also represents a",
                        field(c.effectiveRate, "effectiveRate", true), "effective"});
    sentence(analysis, {"yearly rate of return on your investment."});

    button("Calculate", "calculate", [this] { calculator.calculate(); })->setDefault(true);
    button("OK", "OK", [this] { accept(); });
    helpButton(InvestmentCalculator::kHelpContext);
}

} // namespace finplan
