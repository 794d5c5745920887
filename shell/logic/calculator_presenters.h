// The presenters of the calculator dialogs of the Tools/Aids menu, each over its
// calculator, and the one that makes them for a tool.
#pragma once

#include <memory>

#include "calculators/accelerated_payment.h"
#include "calculators/inflation_calculators.h"
#include "calculators/mortgage_calculator.h"
#include "calculators/refinance_analysis.h"
#include "calculators/trade_off_analysis.h"
#include "shell/logic/calculator_presenter.h"
#include "shell/logic/main_presenter.h"
#include "shell/logic/reporting_launcher.h"

namespace finplan {

class MortgageCalculatorPresenter : public CalculatorPresenter {
  public:
    explicit MortgageCalculatorPresenter(PlannerParts& parts);

  private:
    MortgageCalculator calculator_;
};

class RefinancePresenter : public CalculatorPresenter {
  public:
    RefinancePresenter(PlannerParts& parts, const Event* editedMortgage);

  private:
    RefinanceAnalysis analysis_;
};

class AcceleratedPresenter : public CalculatorPresenter {
  public:
    explicit AcceleratedPresenter(PlannerParts& parts);

  private:
    AcceleratedPaymentAnalysis analysis_;
};

class InflationPresenter : public CalculatorPresenter {
  public:
    explicit InflationPresenter(PlannerParts& parts);

  private:
    InflationCalculator calculator_;
};

class InvestmentPresenter : public CalculatorPresenter {
  public:
    explicit InvestmentPresenter(PlannerParts& parts);

  private:
    InvestmentCalculator calculator_;
};

class TradeOffPresenter : public CalculatorPresenter {
  public:
    explicit TradeOffPresenter(PlannerParts& parts);
    void step(ControlId id, int steps) override;

  private:
    ReportingLauncher launcher_; // a grapher that cannot be started is reported
    TradeOffAnalysis analysis_;
};

// The presenter of a calculator dialog; none for the Mortgage Schedule, a window of
// its own.
std::unique_ptr<CalculatorPresenter>
makeCalculatorPresenter(CalculatorTool tool, PlannerParts& parts, const Event* editedMortgage);

} // namespace finplan
