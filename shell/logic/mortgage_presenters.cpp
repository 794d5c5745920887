// The three mortgage calculators: the Mortgage Calculator, the Refinance Analysis and
// the Accelerated Mortgage Payment Analysis.
#include "shell/logic/calculator_presenters.h"

namespace finplan {

MortgageCalculatorPresenter::MortgageCalculatorPresenter(PlannerParts& parts)
    : CalculatorPresenter(CalculatorTool::Mortgage),
      calculator_(parts.calculators.mortgage, parts.messages) {
    using F = MortgageCalculatorField;
    addSection({.title = "", .layout = SectionLayout::Form});
    bindEdit(F::Amount, "Amount ", calculator_.amount, "amount");
    bindEdit(F::DownPayment, "Down Payment", calculator_.downPayment, "downPayment");
    bindEdit(F::Rate, "Rate", calculator_.rate, "rate", "%");
    bindEdit(F::Years, "No Of Years", calculator_.years, "years");
    bindResult(F::MonthlyPayment, "Monthly Payment", calculator_.monthlyPayment, "monthlyPayment");

    // Calculate and OK both close the dialog once the payment has been worked out.
    auto calculate = [this] { return calculator_.calculate() ? Press::Accept : Press::Stay; };
    button(F::Calculate, "Calculate", "calculate", calculate);
    button(F::Ok, "OK", "OK", calculate);
    button(F::Cancel, "Cancel", "cancel", [] { return Press::Reject; });
    helpButton(F::Help, parts.help, MortgageCalculator::kHelpContext);
    button(F::UseInPlan, "Use this mortgage in plan", "useInPlan", [this] {
        calculator_.useInPlan();
        return Press::Accept;
    });
    defaultId = F::UseInPlan;
    cancelId = F::Cancel;
}

RefinancePresenter::RefinancePresenter(PlannerParts& parts, const Event* editedMortgage)
    : CalculatorPresenter(CalculatorTool::Refinance),
      analysis_(parts.calculators.refinance, parts.messages, editedMortgage) {
    using F = RefinanceField;
    RefinanceAnalysis& a = analysis_;
    boldLine = "Refinance Calculator";
    addSection({.title = "Existing Mortgage", .layout = SectionLayout::Form});
    bindEdit(F::StartAge, "Start Age of Mortgage", a.startAge, "startAge");
    bindEdit(F::Amount, "Amount ", a.amount, "amount");
    bindEdit(F::Rate, "Rate", a.rate, "rate", "%");
    bindEdit(F::Years, "No of Years", a.years, "years");
    bindResult(F::MonthlyPayment, "Monthly Payment", a.monthlyPayment, "monthlyPayment");

    addSection({.title = "Refinanced Mortgage", .layout = SectionLayout::Form, .beside = true});
    bindEdit(F::RefiAge, "Age at Refinancing", a.refiAge, "refiAge");
    bindEdit(F::RefiAmount, "Amount ", a.refiAmount, "refiAmount");
    bindEdit(F::RefiRate, "Rate", a.refiRate, "refiRate", "%");
    bindEdit(F::RefiYears, "No of Years", a.refiYears, "refiYears");
    bindResult(F::RefiMonthlyPayment, "Monthly Payment", a.refiMonthlyPayment,
               "refiMonthlyPayment");
    bindEdit(F::ClosingCosts, "Closing Costs", a.closingCosts, "closingCosts");
    bindCheck(F::IncludeClosingCosts, "Include closing costs in mortgage", a.includeClosingCosts,
              "includeClosingCosts");
    bindEdit(F::Points, "Mortgage Points", a.points, "points");
    bindCheck(F::IncludePoints, "Include points in mortgage", a.includePoints, "includePoints");

    addSection({.title = "Refinancing Analysis", .layout = SectionLayout::Form});
    bindResult(F::RefinancedAmount, "Refinanced Amount", a.refinancedAmount, "refinancedAmount");
    bindResult(F::TotalMortgageCosts, "Total Mortgage Costs", a.totalMortgageCosts,
               "totalMortgageCosts");
    bindResult(F::MonthsToBreakEven, "Months to Break Even", a.monthsToBreakEven,
               "monthsToBreakEven");

    ScenarioRunner& runner = parts.runner;
    stayButton(F::DoAnalysis, "Do Analysis", "doAnalysis",
               [this, &runner] { analysis_.doAnalysis(runner.taxRateInEffect()); });
    button(F::Ok, "OK", "OK", [this] {
        analysis_.ok();
        return Press::Accept;
    });
    button(F::Cancel, "Cancel", "cancel", [] { return Press::Reject; });
    helpButton(F::Help, parts.help, RefinanceAnalysis::kHelpContext);
    defaultId = F::DoAnalysis;
    cancelId = F::Cancel;
}

AcceleratedPresenter::AcceleratedPresenter(PlannerParts& parts)
    : CalculatorPresenter(CalculatorTool::Accelerated),
      analysis_(parts.calculators.accelerated, parts.messages, parts.scenario.initial) {
    using F = AcceleratedField;
    AcceleratedPaymentAnalysis& a = analysis_;
    addSection({.title = "Existing Mortgage", .layout = SectionLayout::Form});
    bindEdit(F::LoanAmount, "Loan Amount", a.loanAmount, "loanAmount");
    bindEdit(F::NumberOfYears, "Number of Years", a.numberOfYears, "numberOfYears");
    bindEdit(F::YearsLeft, "Years Left", a.yearsLeft, "yearsLeft");
    bindEdit(F::Rate, "Rate", a.rate, "rate", "%");
    bindResult(F::MonthlyPayment, "Monthly Payment", a.monthlyPayment, "monthlyPayment");
    bindResult(F::TotalPayments, "Total Payments", a.totalPayments, "totalPayments");
    bindResult(F::TotalInterest, "Total Interest", a.totalInterest, "totalInterest");

    addSection(
        {.title = "Accelerated Payment Mortgage", .layout = SectionLayout::Form, .beside = true});
    bindEdit(F::AdditionalPayment, "Additional Monthly Payment", a.additionalPayment,
             "additionalPayment");
    bindResult(F::PaymentYears, "Payment Years", a.paymentYears, "paymentYears");
    bindResult(F::AcceleratedMonthlyPayment, "Monthly Payment", a.acceleratedMonthlyPayment,
               "acceleratedMonthlyPayment");
    bindResult(F::AcceleratedTotalPayments, "Total Payments", a.acceleratedTotalPayments,
               "acceleratedTotalPayments");
    bindResult(F::AcceleratedTotalInterest, "Total Interest", a.acceleratedTotalInterest,
               "acceleratedTotalInterest");
    bindResult(F::Savings, "Savings", a.savings, "savings");

    addSection({.title = "Investment Comparison", .layout = SectionLayout::Sentences});
    line([&] {
        bindResult(F::InvestedAmount, "", a.investedAmount, "investedAmount");
        words(" invested monthly at a yearly rate of");
        bindEdit(F::InvestmentRate, "", a.investmentRate, "investmentRate");
        words(" %");
    });
    line([&] {
        words(" and taxed at");
        bindEdit(F::TaxRate, "", a.taxRate, "taxRate");
        words(" %");
        words(" with an inflation rate of");
        bindEdit(F::InflationRate, "", a.inflationRate, "inflationRate");
        words(" %");
    });
    line([&] {
        words(" would be worth ");
        bindResult(F::Worth, "", a.worth, "worth");
        words("at the end of");
        bindResult(F::WorthYears, "", a.worthYears, "worthYears");
        words(" years.");
    });

    stayButton(F::Calculate, "Calculate", "calculate", [this] { analysis_.calculate(); });
    button(F::Ok, "OK", "OK", [] { return Press::Accept; });
    helpButton(F::Help, parts.help, AcceleratedPaymentAnalysis::kHelpContext);
    defaultId = F::Calculate;
}

} // namespace finplan
