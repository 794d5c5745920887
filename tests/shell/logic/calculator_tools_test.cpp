// Which command opens which calculator, the Mortgage event editor's hook and the
// trade-off's up-down arithmetic.
#include <gtest/gtest.h>

#include <memory>

#include "model/scenario_ops.h"
#include "shell/logic/calculator_tools.h"
#include "shell/logic/command_ids.h"

namespace finplan {
namespace {

TEST(CalculatorTools, OnlyTheSixCalculatorCommandsNameATool) {
    EXPECT_EQ(commandTool(cmd::kMortgageCalculator), CalculatorTool::Mortgage);
    EXPECT_EQ(commandTool(cmd::kTaxInflationInvestment), CalculatorTool::Investment);
    EXPECT_EQ(commandTool(cmd::kTradeOff), CalculatorTool::TradeOff);
    EXPECT_FALSE(commandTool(cmd::kDesktopCalculator));
    EXPECT_FALSE(commandTool(cmd::kCompareScenarios));
    EXPECT_STREQ(toolTitle(CalculatorTool::Schedule), "Mortgage Schedule");
}

class OpenedWith : public CalculatorWindows {
  public:
    void open(CalculatorTool tool, const Event* edited) override {
        last = tool;
        event = edited;
    }
    CalculatorTool last = CalculatorTool::Mortgage;
    const Event* event = reinterpret_cast<const Event*>(1);
};

TEST(CalculatorTools, EditorHookGivesTheRefinanceTheEventBeingEdited) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    OpenedWith windows;
    MortgageEditorTools hook = mortgageEditorTools(windows, *s);

    s->currentEvent = 3;
    s->editingEvent = true; // an existing mortgage is being edited
    hook(CalculatorTool::Refinance);
    EXPECT_EQ(windows.last, CalculatorTool::Refinance);
    EXPECT_EQ(windows.event, &s->events[3]);

    s->editingEvent = false; // a new one: the analysis opens empty
    hook(CalculatorTool::Refinance);
    EXPECT_EQ(windows.event, nullptr);

    s->editingEvent = true; // the schedule and the accelerated analysis take no event
    hook(CalculatorTool::Schedule);
    EXPECT_EQ(windows.last, CalculatorTool::Schedule);
    EXPECT_EQ(windows.event, nullptr);
}

TEST(CalculatorTools, TradeOffUpArrowLowersThePeriodsWithinZeroToHundred) {
    struct Case {
        const char* shown;
        int steps;
        int expected;
    };
    const Case cases[] = {
        {"  5", 1, 4},    // up lowers the count
        {"5", -1, 6},     // down raises it
        {"0", 1, 0},      // the upper end is 0
        {"100", -1, 100}, // the lower end is 100
        {"250", 1, 99},   // a typed count beyond the range starts from its end
        {"12.7", -1, 13}, // the whole number counts
        {"abc", -1, 1},   // no number reads as 0
        {"20", 10, 10},   // Page Up moves ten
    };
    for (const Case& c : cases)
        EXPECT_EQ(tradeOffSpinPosition(c.shown, c.steps), c.expected)
            << '"' << c.shown << "\" " << c.steps;
}

} // namespace
} // namespace finplan
