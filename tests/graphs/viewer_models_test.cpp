// What the viewer programs show besides the planner's own graphs: a run zoomed to an
// age span, and two runs compared age by age with gaps where a run has no such age.
#include <gtest/gtest.h>

#include <cmath>

#include "graphs/line_graph.h"
#include "graphs/plot_zoom.h"
#include "graphs/recording_surface.h"
#include "graphs/scenario_comparison.h"

namespace finplan::test {
namespace {

// rows from firstAge; net worth 1000 x age, investment 100 x age, tax free 10, retirement 1.
std::unique_ptr<PlotFileContents> run(int firstAge, int rows) {
    auto p = std::make_unique<PlotFileContents>();
    PlotSeries& s = *p->series;
    s.plotRowCount = rows - 1;
    for (int r = 0; r < rows; ++r) {
        PlotRow& row = s.rows[static_cast<std::size_t>(r)];
        row.age = static_cast<float>(firstAge + r);
        row.netWorth = 1000.0f * row.age;
        row.investmentSavings = 100.0f * row.age;
        row.taxFreeSavings = 10;
        row.retirementSavings = 1;
        row.totalIncoming = static_cast<float>(r);
        s.accountBalances[static_cast<std::size_t>(r)][0] = row.age;
    }
    return p;
}

TEST(PlotZoom, TheRowsOfAnAgeSpanAndOneMoreForTheYearTallies) {
    auto p = run(60, 11); // 60..70, 70 the end age
    EXPECT_EQ(ageSpan(*p->series).from, 60);
    EXPECT_EQ(ageSpan(*p->series).to, 70);

    auto worth = zoomedSeries(*p->series, {62, 65}, 1);
    EXPECT_EQ(worth->rowsFilled(), 4);
    EXPECT_EQ(worth->rows[0].age, 62.0f);
    EXPECT_EQ(worth->accountBalances[3][0], 65.0f);
    EXPECT_EQ(worth->plotStartAge, 62);
    // Incoming draws all rows but the last: 62..65 needs the row of 66 behind them.
    auto incoming = zoomedSeries(*p->series, {62, 65}, 3);
    EXPECT_EQ(incoming->rowsFilled(), 5);
    EXPECT_EQ(incoming->rows[4].totalIncoming, 6.0f);
    // Up to the end age the final row is already there to be left out.
    EXPECT_EQ(zoomedSeries(*p->series, {62, 70}, 3)->rowsFilled(), 9);
    // A span beside the run, or the wrong way round, shows nothing.
    EXPECT_EQ(zoomedSeries(*p->series, {80, 90}, 1)->rowsFilled(), 0);
    EXPECT_EQ(zoomedSeries(*p->series, {65, 62}, 1)->rowsFilled(), 0);
}

TEST(ScenarioComparison, TwoRunsAgeByAgeWithTheirDifferences) {
    auto a = run(60, 3); // 60, 61, 62
    auto b = run(61, 3); // 61, 62, 63
    b->series->rows[0].netWorth = 50000;
    std::vector<std::string> taken;
    a->series->fileText = "/home/pat/plans/early.ret";
    taken.push_back(comparedRunName("/tmp/plotinf01.tmp", *a, taken));
    taken.push_back(comparedRunName("/tmp/late.kvp", *b, taken));
    EXPECT_EQ(taken, (std::vector<std::string>{"early.ret", "late.kvp"}));
    EXPECT_EQ(comparedRunName("late.kvp", *b, taken), "late.kvp (2)");

    const Comparison c = compareRuns({{taken[0], a.get()}, {taken[1], b.get()}});
    EXPECT_EQ(c.ages, (std::vector<int>{60, 61, 62, 63}));
    EXPECT_TRUE(std::isnan(c.netWorth[1][0]));
    EXPECT_TRUE(std::isnan(c.netWorth[0][3]));
    EXPECT_EQ(c.netWorth[1][1], 50000.0f);
    EXPECT_EQ(c.totalSavings[0][2], 6211.0f); // 6200 + 10 + 1

    const ComparisonTable t = comparisonTable(c);
    ASSERT_EQ(t.headings.size(), 7u);
    EXPECT_EQ(t.headings[3], "Net Worth Difference\nlate.kvp - early.ret");
    EXPECT_EQ(t.headings[4], "Total Savings\nearly.ret");
    ASSERT_EQ(t.rows.size(), 4u);
    // At 61: 61,000.00 against 50,000.00; savings 6,111.00 on both sides.
    EXPECT_EQ(t.rows[1], (std::vector<std::string>{"61", "$61,000.00", "$50,000.00", "$-11,000.00",
                                                   "$6,111.00", "$6,111.00", "$0.00"}));
    // At 60 only the first run has a value, so there is no difference either.
    EXPECT_EQ(t.rows[0][2], "");
    EXPECT_EQ(t.rows[0][3], "");
}

TEST(ScenarioComparison, TheGraphBreaksEachLineWhereItsRunHasNoAge) {
    auto a = run(60, 3);
    auto b = run(61, 3);
    const Comparison c = compareRuns({{"a", a.get()}, {"b", b.get()}});
    const LineGraph g = comparisonGraph(c);
    EXPECT_EQ(g.names, (std::vector<std::string>{"Net Worth - a", "Net Worth - b",
                                                 "Total Savings - a", "Total Savings - b"}));
    RecordingSurface surface;
    GraphWindowState state;
    drawLineGraph(surface, Rect{0, 0, 800, 600}, g, state);
    ASSERT_TRUE(state.plot.drawn);
    EXPECT_EQ(state.plot.rowCount, 4);
    auto segments = [&](int series) {
        int n = 0;
        for (const auto& op : surface.ops())
            if (op.kind == OpKind::Line && op.pen.color == seriesColor(series) && op.pen.width == 2)
                ++n;
        return n;
    };
    // Each run covers three of the four ages: two segments per line, none into a gap.
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(segments(s), 2) << s;
}

} // namespace
} // namespace finplan::test
