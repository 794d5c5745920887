// The Analysis folder's history modes without a display: the Markets dialog's rows and
// checks, a historical-sequences run with its failing years opening as a schedule, and
// the choices kept in the side file for the next session.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <thread>

#include "model/scenario_ops.h"
#include "platform/recording_messages.h"
#include "platform/scripted_file_chooser.h"
#include "shell/logic/analysis_presenter.h"
#include "shell/logic/markets_presenter.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

// One stock fund paying a withdrawal too large for some of history's sequences.
std::unique_ptr<Scenario> stockPlan() {
    auto s = test::newScenario(60, 90, 0);
    std::strcpy(s->groups.groupName[0], "Stocks");
    std::strcpy(s->groups.groupName[2], "Cash");
    Account& a = test::addAccount(*s, "Fund", test::kTaxFree, 1000000, 7, "");
    a.groupIndex = 0;
    Event& e = test::addEvent(*s, EventKind::Withdrawal, "", 60, 89, 50000);
    e.applyInflation = 1;
    e.toAccountId = static_cast<int16_t>(a.id);
    return s;
}

TEST(MarketsPresenter, ListsTheNamedGroupsAndStoresOnlyRowsThatPass) {
    auto s = stockPlan();
    RecordingMessages messages;
    MarketSettings settings;
    settings.setChoice("Cash", MarketChoice{Market::Inflation, kDefaultStocksShare, 0.5f});
    MarketsPresenter p(*s, settings, messages);
    ASSERT_EQ(p.rows.size(), 2u);
    EXPECT_EQ(p.rows[0].group, "Stocks");
    EXPECT_EQ(p.rows[0].market, Market::None);
    EXPECT_EQ(p.rows[1].adjustment, "0.50");

    const MarketSettings before = settings;
    p.rows[0].market = Market::Mix;
    for (const auto& [share, adjustment, field] :
         {std::tuple{"120", "0", MarketsPresenter::Field::StocksShare},
          std::tuple{"abc", "0", MarketsPresenter::Field::StocksShare},
          std::tuple{"60", "-25", MarketsPresenter::Field::Adjustment},
          std::tuple{"60", "", MarketsPresenter::Field::Adjustment}}) {
        p.rows[0].stocksShare = share;
        p.rows[0].adjustment = adjustment;
        EXPECT_FALSE(p.ok()) << share << " " << adjustment;
        EXPECT_EQ(p.refusedRow, 0);
        EXPECT_EQ(p.refusedField, field);
        EXPECT_EQ(settings, before);
    }
    p.rows[0].stocksShare = "60";
    p.rows[0].adjustment = "-0.25";
    p.rows[1].market = Market::None;
    p.historicalInflation = false;
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(settings.choiceOf("Stocks"), (MarketChoice{Market::Mix, 60, -0.25f}));
    EXPECT_FALSE(settings.choiceOf("Cash").follows());
    EXPECT_FALSE(settings.historicalInflation);
}

// The form's side: a market chosen opens its fields; OK reads them, and a refused
// share is the field the form goes back to.
TEST(MarketsPresenter, FieldsFollowTheMarketAndARefusedShareIsGoneBackTo) {
    auto s = stockPlan();
    RecordingMessages messages;
    MarketSettings settings;
    MarketsPresenter p(*s, settings, messages);
    const ControlId share = MarketsField::FirstShare;
    EXPECT_FALSE(p.field(share).enabled);
    p.choose(MarketsField::FirstMarket, static_cast<int>(Market::Mix));
    EXPECT_TRUE(p.field(share).enabled);
    p.text(share) = "120";
    EXPECT_EQ(p.press(MarketsField::Ok), Press::Stay);
    EXPECT_TRUE(p.takeRefusedField() == share);
    p.text(share) = "60";
    EXPECT_EQ(p.press(MarketsField::Ok), Press::Accept);
    EXPECT_EQ(settings.choiceOf("Stocks"), (MarketChoice{Market::Mix, 60, 0}));
}

TEST(AnalysisPresenter, HistoricalSequencesListFailingYearsThatOpenAndKeepTheChoices) {
    auto s = stockPlan();
    FixedClock clock{LocalTime{2026, 12, 7, 13, 5, 9}};
    RecordingMessages messages;
    ScriptedFileChooser chooser;
    ScenarioSession session(*s);
    ScenarioFiles files;
    const test::ScratchDir scratch;
    files.scenarioPath = files.displayName = scratch.file("history_plan.ret");
    {
        AnalysisPresenter p(session, clock, messages, chooser, &files);
        p.followScenario();
        p.markets.setChoice("Stocks", MarketChoice{Market::Stocks, kDefaultStocksShare, 0});
        p.mode = AnalysisMode::HistoricalSequences;
        p.trialsText = "x"; // not read for the cycles
        p.seedText = "77";
        ASSERT_TRUE(p.run());
        for (int i = 0; i < 2000 && !p.poll(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        ASSERT_NE(p.historyResults(), nullptr);
        EXPECT_EQ(p.results(), nullptr);
        EXPECT_EQ(p.statusText(),
                  "123 cycles of 30 years of history_plan.ret, start years 1871 to 1993");
        const std::vector<int> failing = p.failingYears();
        ASSERT_FALSE(failing.empty());
        EXPECT_EQ(static_cast<int>(failing.size()), p.historyResults()->failed);
        const auto cycle = p.cycleToOpen(failing.front());
        ASSERT_TRUE(cycle);
        EXPECT_EQ(cycle->cycleStart, failing.front());
        EXPECT_EQ(p.cycleChart().lines.size(), 123u);
        EXPECT_TRUE(messages.entries.empty());
    }
    // The next session finds the mode, the seed and the markets beside the scenario.
    AnalysisPresenter again(session, clock, messages, chooser, &files);
    again.followScenario();
    EXPECT_EQ(again.mode, AnalysisMode::HistoricalSequences);
    EXPECT_EQ(again.seedText, "77");
    EXPECT_EQ(again.markets.choiceOf("Stocks").market, Market::Stocks);

    // The status bar's success rate follows the kept mode before the folder is shown:
    // random history, with the side file's markets.
    AnalysisPresenter unread(session, clock, messages, chooser, &files);
    const LiveTrialsSetup live = unread.liveTrialsSetup();
    EXPECT_EQ(live.mode, TrialRandomMode::History);
    ASSERT_TRUE(live.market);
    EXPECT_EQ(live.market->groups[0].market, Market::Stocks);
    EXPECT_FALSE(live.market->groups[2].follows());
}

} // namespace
} // namespace finplan
