// The Results folder's rules over a scripted run, and the Scenario folder's Copy and
// Delete on real event lines.
#include <gtest/gtest.h>

#include "engine/money.h"
#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "shell/logic/event_list_presenter.h"
#include "shell/logic/results_presenter.h"

namespace finplan {
namespace {

// A run of ages 60..62 with one event line per year (tag 0) and a rate line (8000).
class ScriptedRunner : public ScenarioRunner {
  public:
    bool run(ResultsList* list, RunMode mode, const RunFlags& flags) override {
        calls.push_back(
            {mode, flags.prepareOnly, flags.randomAccountRates, flags.randomGroupRates});
        if (!list || flags.prepareOnly) return false;
        list->beginRun();
        for (int age = 60; age < 63; ++age) {
            list->line(std::string(184, '-'), -1, age);
            list->line(format("%-4.1f%15s", static_cast<float>(age), "$1.00"), -1, age);
            list->line("Financial Events:", -1, age);
            list->line("  Spending - Withdraw $1.00", 0, age);
            list->line(" Rate = 5%", 8000, age);
        }
        return true;
    }
    bool exportResults() override { return true; }
    ViewSettings& viewSettings() override { return view; }
    void setGraphKind(int kind) override { graphKind = kind; }
    int graphKind = 0;
    float plotStartAge() const override { return 60; }
    float taxRateInEffect() const override { return 15; }

    struct Call {
        RunMode mode;
        bool prepare, randomAccounts, randomGroups;
    };
    std::vector<Call> calls;
    ViewSettings view;
};

class ResultsPresenterTest : public ::testing::Test {
  protected:
    ResultsPresenterTest() {
        scenario->initial.startAge = 60;
        scenario->initial.endAge = 63;
        scenario->eventCount = 1;
    }
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    ScriptedRunner runner;
    RecordingMessages messages;
    ResultsPresenter results{runner, *scenario, messages};
};

TEST_F(ResultsPresenterTest, OpensAtTheBottomAndKeepsTheChosenPlaceAcrossRuns) {
    results.show();
    ASSERT_EQ(results.list().lines.size(), 15u);
    EXPECT_EQ(results.selectedLine(), 14);
    results.top();
    EXPECT_EQ(results.selectedLine(), 0);
    results.runAgain();
    EXPECT_EQ(results.selectedLine(), 0);
    ASSERT_TRUE(results.goTo("61"));
    EXPECT_EQ(results.selectedLine(), 6); // the age row of 61
    results.toggleDetails();
    EXPECT_TRUE(results.showDetails());
    EXPECT_EQ(results.selectedLine(), 6);
}

TEST_F(ResultsPresenterTest, GoToChecksTheAgeAndClampsToTheList) {
    results.show();
    struct Row {
        const char* text;
        bool ok;
        int line;
    };
    const Row rows[] = {
        {"130", false, 14},    {"0.5", false, 14},   {"abc", false, 14},
        {"120.01", false, 14}, {"12,34", false, 14}, {"1", true, 0},
        {"59.9", true, 0},     {"62.7", true, 11},   {"120", true, 14},
    };
    for (const Row& r : rows) {
        results.bottom();
        messages.entries.clear();
        EXPECT_EQ(results.goTo(r.text), r.ok) << r.text;
        EXPECT_EQ(results.selectedLine(), r.line) << r.text;
        if (!r.ok) {
            ASSERT_NE(messages.last(), nullptr) << r.text;
            EXPECT_EQ(messages.last()->text, "This age must be between 1.0 and 120.0.");
            EXPECT_EQ(messages.last()->title, "AGE ERROR");
        } else {
            EXPECT_TRUE(messages.entries.empty()) << r.text;
        }
    }
}

TEST_F(ResultsPresenterTest, DoubleClickGoesToAnAgeOrOpensTheLinesEvent) {
    results.show();
    DoubleClickAction a = results.doubleClick(6);
    EXPECT_EQ(a.kind, DoubleClickAction::ShowAge);
    EXPECT_EQ(a.value, 61);
    EXPECT_EQ(results.ageBoxText(), " 61");
    EXPECT_EQ(results.selectedLine(), 6);
    EXPECT_EQ(results.doubleClick(3).kind, DoubleClickAction::EditEvent);
    EXPECT_EQ(results.doubleClick(4).kind, DoubleClickAction::Nothing);  // rate line
    EXPECT_EQ(results.doubleClick(2).kind, DoubleClickAction::Nothing);  // driver line
    EXPECT_EQ(results.doubleClick(99).kind, DoubleClickAction::Nothing); // past the end
}

TEST_F(ResultsPresenterTest, RandomButtonsPrepareThenRunWithOneKindOfRandomRates) {
    results.runRandom(true);
    ASSERT_EQ(runner.calls.size(), 2u);
    EXPECT_TRUE(runner.calls[0].prepare);
    EXPECT_EQ(runner.calls[0].mode, RunMode::PrintFile);
    EXPECT_FALSE(runner.calls[1].prepare);
    EXPECT_TRUE(runner.calls[1].randomGroups);
    EXPECT_FALSE(runner.calls[1].randomAccounts);
    runner.graphKind = 4;
    results.runAgain();
    EXPECT_FALSE(runner.calls.back().randomGroups);
    EXPECT_EQ(runner.graphKind, 1); // Run Again names the net worth graph again
}

class EventListTest : public ::testing::Test {
  protected:
    EventListTest() {
        resetScenario(*scenario);
        scenario->eventCount = 0;
        addWithdrawal(70, "B spending", 500);
        addWithdrawal(65, "A spending", 1000);
    }
    void addWithdrawal(float age, const char* name, float amount) {
        beginAddEvent(*scenario);
        Event& e = scenario->events[scenario->currentEvent];
        e.startAge = age;
        e.endAge = age;
        e.oneTime = 1;
        e.amount = amount;
        std::snprintf(e.description, sizeof e.description, "%s", name);
        storeEvent(*scenario, EventKind::Withdrawal);
    }
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
};

TEST_F(EventListTest, LinesMapToTheirEventsAfterSorting) {
    EventListPresenter list(*scenario, nullptr);
    list.refill();
    ASSERT_EQ(list.lines().size(), 3u); // header and one line per one-time withdrawal
    EXPECT_NE(list.lines()[1].find("A spending"), std::string::npos);
    EXPECT_EQ(list.eventOfLine(0), -1);
    EXPECT_EQ(list.eventOfLine(1), 0);
    EXPECT_EQ(list.eventOfLine(2), 1);
    EXPECT_EQ(list.eventOfLine(3), -1);
}

} // namespace
} // namespace finplan
