#include <gtest/gtest.h>

#include "graphs/plot_file.h"
#include "platform/recording_messages.h"
#include "results/line_sinks.h"
#include "results/schedule_runs.h"
#include "tests/engine/scenario_builder.h"

namespace finplan::test {
namespace {

TEST(ResultsList, MarkerDroppedAgeRowsIndexedTagsKeptUpTo6000) {
    ResultsList list;
    list.line("??", 0, 60);
    list.line("60.0      $1.00", -1, 60);
    list.line("  Pay - Deposit", 3, 60);
    list.line("  A.B=$5.00", -1, 60); // an account line, not the age row
    for (int i = 0; i < 6000; ++i)
        list.line("x", 5, 60);
    EXPECT_EQ(list.lines.size(), 6003u);
    EXPECT_EQ(list.ageLine(60), 0);
    EXPECT_EQ(list.ageLine(121), -1);
    int tag = 0;
    ASSERT_TRUE(list.tagOf(1, tag));
    EXPECT_EQ(tag, 3);
    EXPECT_TRUE(list.tagOf(5999, tag));
    EXPECT_FALSE(list.tagOf(6000, tag)); // listed, but no tag
    EXPECT_FALSE(list.tagOf(6002, tag));
    list.beginRun();
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(list.ageLine(60), -1);
}

TEST(TextScheduleSink, MarkerFollowsTwoEmptyLines) {
    TextScheduleSink file;
    file.line("a", 0, 0);
    file.line("??", 0, 0);
    file.line("b", 0, 0);
    EXPECT_EQ(file.text, "a\n\n\n??\nb\n");
}

TEST(PrepareRun, WritesNothingAndLeavesThePlotAlone) {
    auto s = newScenario(60, 62, 10);
    addAccount(*s, "Inv", kInvestment, 1000, 10, "1");
    auto st = std::make_unique<RunState>();
    auto series = std::make_unique<PlotSeries>();
    ViewSettings view{true, true};
    SeededRandom random(1);
    FixedClock clock = testClock();
    RecordingMessages messages;
    PlotFileWriter plot(*series, clock, messages, "prepare_plot.tmp");
    RunSession session{*s, *st, view, random, clock, messages, &plot};
    std::remove("prepare_plot.tmp");
    prepareRun(session, RunFlags{});
    EXPECT_EQ(std::fopen("prepare_plot.tmp", "r"), nullptr);
    EXPECT_EQ(series->plotRowCount, -1);
    EXPECT_EQ(st->taxRateInEffect, 10.0f); // the working values are prepared
}

TEST(PlotTables, LongestSpansStayInsideTheTables) {
    struct Row {
        float start, end;
        int lastRow;
    } rows[] = {
        {20, 120, 100}, // 100 years and the final age fill all 101 rows
        {1, 120, 100},  // a damaged span of 119 years: the rows past the table are dropped
    };
    for (const Row& row : rows) {
        auto s = newScenario(row.start, row.end, 10);
        addAccount(*s, "Inv", kInvestment, 1000, 5, "1");
        auto series = std::make_unique<PlotSeries>();
        FixedClock clock = testClock();
        RecordingMessages messages;
        PlotFileWriter plot(*series, clock, messages, "");
        auto r = runList(*s, ViewSettings{true, true}, RunFlags{}, &plot);
        ASSERT_TRUE(r->ok);
        EXPECT_EQ(series->plotRowCount, row.lastRow) << row.start;
        EXPECT_EQ(series->rows[100].age, row.start + 100);
        EXPECT_GT(series->ageTotals.netWorth[120], 1000.0f);
        EXPECT_EQ(r->list.ageLine(120), static_cast<int>(r->list.lines.size()) - 2);
    }
}

} // namespace
} // namespace finplan::test
