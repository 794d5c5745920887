// Finite values far beyond what the editors allow still load (a damaged or hand-made
// file may hold them): the run, the event list and every graph take them without a
// conversion out of an int's range (the sanitizer build checks each one), and every
// run ends within the plot table.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "graphs/draw_graph.h"
#include "graphs/plot_file.h"
#include "graphs/recording_surface.h"
#include "platform/recording_messages.h"
#include "results/event_descriptions.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

// Savings, a house and a car loan, a mortgage and a withdrawal, from 60 to 90.
std::unique_ptr<Scenario> ordinaryPlan() {
    auto s = newScenario(60, 90, 15);
    addAccount(*s, "Savings", kInvestment, 200000, 5, "1");
    addAccount(*s, "Car", kAsset, 0, -10, "");
    Event& l = addEvent(*s, EventKind::Loan, "Car loan", 62, 67, 20000);
    l.toAccountId = 2;
    l.downPayment = 2000;
    l.loanRate = 7.5f;
    l.years = 5;
    Event& m = addEvent(*s, EventKind::Mortgage, "Home", 64, 90, 300000);
    m.downPayment = 60000;
    m.loanRate = 6;
    m.years = 30;
    m.appreciationRate = 3;
    m.sellAge = 80;
    Event& w = addEvent(*s, EventKind::Withdrawal, "Living", 60, 90, 30000);
    w.toAccountId = 1;
    return s;
}

void runDescribeAndDraw(Scenario& s, const char* what) {
    auto series = std::make_unique<PlotSeries>();
    RecordingMessages messages;
    const FixedClock clock = testClock();
    PlotFileWriter plot(*series, clock, messages, "");
    runList(s, {true, true}, {}, &plot);
    EXPECT_LT(series->plotRowCount, kMaxPlotRows) << what;
    EXPECT_FALSE(describeEvents(s, true).empty()) << what;
    describeEvents(s, false);

    const GraphSource source{*series, s};
    const int accounts = std::min(series->accountCount, s.accounts.usableCount());
    for (int kind = GraphKind::NetWorth; kind <= GraphKind::Groups; ++kind) {
        RecordingSurface surface;
        GraphWindowState state;
        state.graphKind = kind;
        drawGraph(surface, Rect{0, 0, 800, 560}, kind, 0, accounts, series->plotRowCount, state,
                  source);
    }
    RecordingSurface surface;
    GraphWindowState state;
    drawSummary(surface, Rect{0, 0, 800, 560}, series->plotRowCount, state, source);
}

TEST(DamagedValues, AgesAndAmountsFarBeyondTheEditorsRunDescribeAndDraw) {
    const float big = 3.4e38f;
    const struct {
        const char* what;
        std::function<void(Scenario&)> damage;
    } cases[] = {
        {"start age -1e10", [](Scenario& s) { s.initial.startAge = -1e10f; }},
        {"start age 1e10", [](Scenario& s) { s.initial.startAge = 1e10f; }},
        {"end age -1e10", [](Scenario& s) { s.initial.endAge = -1e10f; }},
        {"end age 1e10", [](Scenario& s) { s.initial.endAge = 1e10f; }},
        {"loan start 1e10", [](Scenario& s) { s.events[0].startAge = 1e10f; }},
        {"loan start -1e10", [](Scenario& s) { s.events[0].startAge = -1e10f; }},
        {"mortgage sold at 1e10", [](Scenario& s) { s.events[1].sellAge = 1e10f; }},
        {"withdrawal end 1e10", [](Scenario& s) { s.events[2].endAge = 1e10f; }},
        {"withdrawal of 3.4e38", [big](Scenario& s) { s.events[2].amount = big; }},
        {"savings of 3.4e38", [big](Scenario& s) { s.accounts.accounts[0].initialAmount = big; }},
        {"mortgage rate 1e10", [](Scenario& s) { s.events[1].loanRate = 1e10f; }},
    };
    for (const auto& c : cases) {
        auto s = ordinaryPlan();
        c.damage(*s);
        runDescribeAndDraw(*s, c.what);
    }
}

} // namespace
} // namespace finplan::test
