// The Inflation Calculator and "Taxes, Inflation and Your Investment", and the
// presenter of each tool.
#include "shell/logic/calculator_presenters.h"

namespace finplan {

InflationPresenter::InflationPresenter(PlannerParts& parts)
    : CalculatorPresenter(CalculatorTool::Inflation),
      calculator_(parts.calculators.inflation, parts.messages) {
    using F = InflationField;
    addSection({.title = "", .layout = SectionLayout::Form});
    bindEdit(F::StartAge, "Start Age", calculator_.startAge, "startAge");
    bindEdit(F::EndAge, "End Age", calculator_.endAge, "endAge");
    bindEdit(F::Amount, "Start Age Amount", calculator_.amount, "amount");
    bindEdit(F::Rate, "Inflation Rate", calculator_.rate, "rate", "%");
    bindResult(F::InflatedAmount, "Inflated Amount", calculator_.inflatedAmount, "inflatedAmount");

    stayButton(F::Calculate, "Calculate", "calculate", [this] { calculator_.calculate(); });
    button(F::Ok, "OK", "OK", [] { return Press::Accept; });
    defaultId = F::Calculate;
}

InvestmentPresenter::InvestmentPresenter(PlannerParts& parts)
    : CalculatorPresenter(CalculatorTool::Investment),
      calculator_(parts.calculators.investment, parts.messages) {
    using F = InvestmentField;
    InvestmentCalculator& c = calculator_;
    addSection({.title = "", .layout = SectionLayout::Form});
    bindEdit(F::Amount, "Amount invested", c.amount, "amount");
    bindEdit(F::Years, "Number of years amount is invested", c.years, "years");
    bindEdit(F::ReturnRate, "Expected yearly rate of return on investment", c.returnRate,
             "returnRate", "%");
    bindEdit(F::TaxRate, "Rate at which investment is taxed", c.taxRate, "taxRate", "%");
    bindEdit(F::InflationRate, "Estimated yearly inflation rate", c.inflationRate, "inflationRate",
             "%");

    addSection({.title = "Analysis", .layout = SectionLayout::Sentences});
    line([&] {
        words("At the end of");
        bindResult(F::AnalysisYears, "", c.analysisYears, "analysisYears");
        words("years, taxed at a yearly rate of");
        bindResult(F::AnalysisTaxRate, "", c.analysisTaxRate, "analysisTaxRate");
    });
    line([&] {
        words("your investment will be worth");
        bindResult(F::Worth, "", c.worth, "worth");
    });
    line([&] {
        words("At a yearly inflation");
        words("rate of");
        bindResult(F::AnalysisInflationRate, "", c.analysisInflationRate, "analysisInflationRate");
        words("this amounts to");
        bindResult(F::TodaysValue, "", c.todaysValue, "todaysValue");
    });
    line([&] {
        words("in today's");
        words("purchasing power.  It also represents a");
        bindResult(F::EffectiveRate, "", c.effectiveRate, "effectiveRate");
        words("effective");
    });
    words("yearly rate of return on your investment.");

    stayButton(F::Calculate, "Calculate", "calculate", [this] { calculator_.calculate(); });
    button(F::Ok, "OK", "OK", [] { return Press::Accept; });
    helpButton(F::Help, parts.help, InvestmentCalculator::kHelpContext);
    defaultId = F::Calculate;
}

std::unique_ptr<CalculatorPresenter>
makeCalculatorPresenter(CalculatorTool tool, PlannerParts& parts, const Event* editedMortgage) {
    switch (tool) {
    case CalculatorTool::Mortgage:
        return std::make_unique<MortgageCalculatorPresenter>(parts);
    case CalculatorTool::Refinance:
        return std::make_unique<RefinancePresenter>(parts, editedMortgage);
    case CalculatorTool::Accelerated:
        return std::make_unique<AcceleratedPresenter>(parts);
    case CalculatorTool::Inflation:
        return std::make_unique<InflationPresenter>(parts);
    case CalculatorTool::Investment:
        return std::make_unique<InvestmentPresenter>(parts);
    case CalculatorTool::TradeOff:
        return std::make_unique<TradeOffPresenter>(parts);
    case CalculatorTool::Schedule:
        break;
    }
    return nullptr;
}

} // namespace finplan
