// The Trade-Off Analysis: three options side by side, the up-down control on
// "No of Periods", the tax box, "Graph" and the values kept in "tradeinf.dat".
#include <string>

#include "shell/logic/calculator_presenters.h"

namespace finplan {

namespace {

constexpr const char* kRows[] = {"Fixed Cost", "Cost per Period", "Fixed Amount",
                                 "Income per Period"};
constexpr const char* kRowNames[] = {"fixedCost", "costPerPeriod", "fixedAmount",
                                     "incomePerPeriod"};
constexpr const char* kDifferences[] = {"Option 1 - Option 2", "Option 2 - Option 3",
                                        "Option 1 - Option 3"};

std::string cellName(const char* row, int option) {
    return row + std::to_string(option + 1);
}

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

TradeOffPresenter::TradeOffPresenter(PlannerParts& parts)
    : CalculatorPresenter(CalculatorTool::TradeOff), launcher_(parts.launcher, parts.messages),
      analysis_(parts.calculators.tradeOff, parts.messages, launcher_,
                parts.scenario.initial.taxRate) {
    using F = TradeOffField;
    TradeOffAnalysis& t = analysis_;
    addSection({.title = "", .layout = SectionLayout::Grid});
    // Each option a column, each of the analysis's texts a cell: "Option Name", the
    // Outgoing and Incoming rows, the End Amounts.
    auto cells = [&](const char* label, const char* rowName, F first, std::string* column,
                     bool results) {
        line([&] {
            for (int j = 0; j < kTradeOptions; ++j) {
                const std::string name = cellName(rowName, j);
                const char* shownLabel = j == 0 ? label : "";
                if (results)
                    bindResult(tradeOffField(first, j), shownLabel, column[at(j)], name.c_str());
                else
                    bindEdit(tradeOffField(first, j), shownLabel, column[at(j)], name.c_str());
            }
        });
    };
    line([&] {
        words("");
        for (int j = 0; j < kTradeOptions; ++j)
            words(("Option " + std::to_string(j + 1)).c_str());
    });
    cells("Option Name", "name", F::FirstName, t.names.data(), false);
    for (int r = 0; r < 4; ++r) {
        if (r == 0) words("<b>Outgoing</b>");
        if (r == 2) words("<b>Incoming</b>");
        cells(kRows[r], kRowNames[r], tradeOffField(F::FirstValue, r * kTradeOptions),
              &t.values[at(r * kTradeOptions)], false);
    }
    cells("End Amount", "endAmount", F::FirstEndAmount, t.endAmounts.data(), true);
    line([&] {
        bindSpin(F::Periods, "No of Periods", t.periods, "periods");
        bindCheck(F::UseTaxRate, "Use Initial Values Tax Rate", t.useTaxRate, "useTaxRate",
                  [this] { analysis_.setUseTaxRate(analysis_.useTaxRate); });
    });

    addSection({.title = "Differences", .layout = SectionLayout::Grid});
    line([&] {
        for (const char* difference : kDifferences)
            words(difference);
    });
    line([&] {
        for (int k = 0; k < kTradeOptions; ++k)
            bindResult(tradeOffField(F::FirstDifference, k), "", t.differences[at(k)],
                       cellName("difference", k).c_str());
    });

    stayButton(F::Calculate, "Calculate", "calculate", [this] { analysis_.calculate(); });
    stayButton(F::Graph, "Graph", "graph", [this] { analysis_.graph(); });
    // The dialog closes even when the values could not be saved (the user was told).
    button(F::Ok, "OK", "OK", [this] {
        analysis_.ok();
        return Press::Accept;
    });
    helpButton(F::Help, parts.help, TradeOffAnalysis::kHelpContext);
    defaultId = F::Calculate;
}

void TradeOffPresenter::step(ControlId /*id*/, int steps) {
    act([this, steps] { analysis_.spinTo(tradeOffSpinPosition(analysis_.periods, steps)); });
}

} // namespace finplan
