// The calculator dialogs of the Tools/Aids menu, each a thin view over its presenter,
// and the desktop's CalculatorWindows, which opens them (and the Mortgage Schedule).
#pragma once

#include <memory>

#include "calculators/accelerated_payment.h"
#include "calculators/inflation_calculators.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/refinance_analysis.h"
#include "calculators/trade_off_analysis.h"
#include "shell/calculator_dialog.h"
#include "shell/logic/reporting_launcher.h"

namespace finplan {

class MortgageCalculatorDialog : public CalculatorDialog {
  public:
    MortgageCalculatorDialog(PlannerParts& parts, QWidget* parent);

  private:
    MortgageCalculator calculator;
};

class RefinanceDialog : public CalculatorDialog {
  public:
    RefinanceDialog(PlannerParts& parts, const Event* editedMortgage, QWidget* parent);

  private:
    RefinanceAnalysis analysis;
};

class AcceleratedDialog : public CalculatorDialog {
  public:
    AcceleratedDialog(PlannerParts& parts, QWidget* parent);

  private:
    AcceleratedPaymentAnalysis analysis;
};

class InflationDialog : public CalculatorDialog {
  public:
    InflationDialog(PlannerParts& parts, QWidget* parent);

  private:
    InflationCalculator calculator;
};

class InvestmentDialog : public CalculatorDialog {
  public:
    InvestmentDialog(PlannerParts& parts, QWidget* parent);

  private:
    InvestmentCalculator calculator;
};

class TradeOffDialog : public CalculatorDialog {
  public:
    TradeOffDialog(PlannerParts& parts, QWidget* parent);

  private:
    ReportingLauncher launcher; // a grapher that cannot be started is reported
    TradeOffAnalysis analysis;
};

// The window of a tool, built but not shown.
std::unique_ptr<QDialog> makeCalculatorWindow(CalculatorTool tool, PlannerParts& parts,
                                              const Event* editedMortgage, QWidget* parent);

class QtCalculatorWindows : public CalculatorWindows {
  public:
    // run shows a window modally, marked open under its name in the tool table.
    using RunTool = std::function<void(QDialog&, const std::string& name)>;
    QtCalculatorWindows(PlannerParts theParts, QWidget* theParent, RunTool theRun)
        : parts(theParts), parent(theParent), run(std::move(theRun)) {}
    void open(CalculatorTool tool, const Event* editedMortgage = nullptr) override;

  private:
    PlannerParts parts;
    QWidget* parent;
    RunTool run;
};

} // namespace finplan
