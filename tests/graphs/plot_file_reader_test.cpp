// Plot files read back for the viewer programs: what a run wrote comes back as the
// same tables and draws the same graphs; every damaged file is refused with a reason.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphs/draw_graph.h"
#include "graphs/plot_file.h"
#include "graphs/plot_file_reader.h"
#include "graphs/svg_surface.h"
#include "model/whole_number.h"
#include "platform/recording_messages.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"

namespace finplan::test {
namespace {

// Three accounts in two named groups, a yearly withdrawal, from 60 to 70.
std::unique_ptr<Scenario> groupedScenario() {
    auto s = newScenario(60, 70, 15);
    addAccount(*s, "Savings", kInvestment, 20000, 5, "1").groupIndex = 0;
    addAccount(*s, "Pension", kRetirement, 150000, 6, "2").groupIndex = 1;
    addAccount(*s, "House", kAsset, 300000, 3, "").groupIndex = 1;
    std::strcpy(s->groups.groupName[0], "Cash");
    std::strcpy(s->groups.groupName[1], "Long Term");
    addEvent(*s, EventKind::Withdrawal, "Living", 60, 70, 30000).applyRate = 2;
    return s;
}

// Runs s, writing its plot file to path; the run's tables stay in series.
void runWithPlotFile(Scenario& s, const std::string& path, PlotSeries& series) {
    RecordingMessages messages;
    const FixedClock clock = testClock();
    PlotFileWriter writer(series, clock, messages, path);
    writer.setFileTitle("grouped.ret");
    ASSERT_TRUE(runList(s, {}, {}, &writer)->ok);
}

std::string svgOf(int kind, int first, int last, const GraphSource& source, int lastRow) {
    SvgSurface svg(900, 600);
    GraphWindowState state;
    drawGraph(svg, Rect{0, 0, 900, 600}, kind, first, last, lastRow, state, source);
    return svg.document();
}

TEST(PlotFileReader, ARunComesBackAsTheTablesItFilledAndDrawsTheSameGraphs) {
    ScratchDir dir;
    auto s = groupedScenario();
    auto series = std::make_unique<PlotSeries>();
    const std::string path = dir.file("plotinf01.tmp");
    runWithPlotFile(*s, path, *series);

    PlotFileContents read;
    ASSERT_EQ(readPlotFile(path, read), "");
    EXPECT_EQ(read.graphKind, 1);
    EXPECT_EQ(read.rowCount(), 11); // ages 60..69 and the end age 70
    EXPECT_EQ(read.accountCount(), 3);
    EXPECT_EQ(read.series->fileText, "grouped.ret");
    EXPECT_EQ(read.series->dateText, "12/7/26");
    EXPECT_EQ(read.series->timeText, "1:05:09 PM ");
    EXPECT_EQ(read.series->plotStartAge, 60);
    EXPECT_EQ(read.series->accountNames[2], "Pension"); // the run sorts by access order
    EXPECT_EQ(groupName(*read.scenario, 1), "Long Term");
    EXPECT_EQ(read.scenario->accounts.accounts[2].groupIndex, 1);
    // The file keeps two decimals: every value within half a cent of the table.
    for (int r = 0; r < 11; ++r) {
        for (int f = 0; f < kPlotFieldCount; ++f)
            EXPECT_NEAR(read.series->rows[r].field(f), series->rows[r].field(f),
                        0.005 + 1e-7 * std::fabs(series->rows[r].field(f)))
                << "row " << r << " field " << f;
        for (int a = 0; a < 3; ++a)
            EXPECT_NEAR(read.series->accountBalances[r][a], series->accountBalances[r][a], 0.01);
    }
    // Drawn from the file, each graph kind equals the planner's drawing of the run,
    // whose tables carry the same two-decimal values once rounded the same way.
    for (int r = 0; r < 11; ++r) {
        for (int f = 0; f < kPlotFieldCount; ++f)
            series->rows[r].setField(f, read.series->rows[r].field(f));
        series->accountBalances[r] = read.series->accountBalances[r];
    }
    const GraphSource planner{*series, *s};
    for (int kind : {1, 2, 3, 4, 5, 7})
        EXPECT_EQ(svgOf(kind, 0, 3, read.source(), 10), svgOf(kind, 0, 3, planner, 10))
            << "kind " << kind;
}

// An end age with a fraction: the header says 10.50 years, the run wrote the rows of
// 60..70 and the final row of 71.
TEST(PlotFileReader, AFractionalEndAgeHasItsFinalRow) {
    ScratchDir dir;
    auto s = groupedScenario();
    s->initial.endAge = 70.5f;
    auto series = std::make_unique<PlotSeries>();
    const std::string path = dir.file("plotinf01.tmp");
    runWithPlotFile(*s, path, *series);
    PlotFileContents read;
    ASSERT_EQ(readPlotFile(path, read), "");
    EXPECT_EQ(read.rowCount(), 12);
    EXPECT_EQ(read.series->rows[11].age, 71.0f);
}

// A span of 100 years with every account slot used: 101 rows of 50 balances, the
// largest plot file a run writes. Save Graphs copies at most 99 years of it.
TEST(PlotFileReader, TheLargestPlotFileAndItsLargestSavedCopy) {
    ScratchDir dir;
    auto s = newScenario(20, 120, 10);
    for (int i = 0; i < kMaxAccounts; ++i) {
        const std::string name = "Account " + std::to_string(i + 1);
        addAccount(*s, name.c_str(), kInvestment, 1000.0f * static_cast<float>(i + 1), 4, "1")
            .groupIndex = static_cast<int16_t>(i % 10);
        std::snprintf(s->groups.groupName[i % 10], kGroupNameWidth, "Group %d", i % 10);
    }
    addEvent(*s, EventKind::Deposit, "Pay", 20, 120, 1000);
    auto series = std::make_unique<PlotSeries>();
    const std::string path = dir.file("plotinf01.tmp");
    runWithPlotFile(*s, path, *series);
    PlotFileContents read;
    ASSERT_EQ(readPlotFile(path, read), "");
    EXPECT_EQ(read.rowCount(), kMaxPlotRows);
    EXPECT_EQ(read.accountCount(), kMaxAccounts);
    EXPECT_EQ(read.series->rows[100].age, 120.0f);
    EXPECT_NEAR(read.series->accountBalances[100][49], series->accountBalances[100][49], 0.01);
    EXPECT_EQ(read.scenario->accounts.accounts[49].groupIndex, 9);

    // The same shape at 99 years, saved as a .kvp copy (ending "Done" with no newline).
    auto shorter = newScenario(20, 118, 10);
    *shorter = *s;
    shorter->initial.endAge = 118;
    runWithPlotFile(*shorter, path, *series);
    RecordingMessages messages;
    const std::string kvp = dir.file("largest.kvp");
    ASSERT_TRUE(saveGraphsTo(kvp, messages, path));
    ASSERT_EQ(readPlotFile(kvp, read), "");
    EXPECT_EQ(read.rowCount(), 99);
    EXPECT_EQ(read.accountCount(), 50);
}

// A small file written by hand: one account, two rows.
std::string smallFile() {
    const std::string row = " 1.00 2.00 3.00 4.00 5.00 6.00 7.00 8.00 9.00 10.00 11.00 12.00 "
                            "13.00 14.00 15.00 16.00 17.00 18.00 19.00\n";
    return "4\nFile: a.ret\nDate: 1/2/26\nTime: 3:04:05 PM \n2.00\n1\nCash\n"
           "100.00\n60.00" +
           row + "110.00\n61.00" + row + "Stocks\n\n\n\n\n\n\n\n\n\n0\nDone";
}

TEST(PlotFileReader, AHandWrittenFileAndEveryDamageItRefuses) {
    PlotFileContents read;
    ASSERT_EQ(parsePlotFile(smallFile(), read), "");
    EXPECT_EQ(read.graphKind, 4);
    EXPECT_EQ(read.rowCount(), 2);
    EXPECT_EQ(read.series->rows[1].age, 61.0f);
    EXPECT_EQ(read.series->rows[1].otherOutgoing, 19.0f);
    EXPECT_EQ(read.series->accountBalances[1][0], 110.0f);
    // Lines ended by CR LF read the same.
    std::string crlf;
    for (char c : smallFile())
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(parsePlotFile(crlf, read), "");
    // A first age beyond any age still reads; the start age taken from it stays bounded.
    std::string farAge = smallFile();
    farAge.replace(farAge.find("100.00\n60.00") + 7, 5, "1e30");
    ASSERT_EQ(parsePlotFile(farAge, read), "");
    EXPECT_EQ(read.series->plotStartAge, kWholeNumberLimit);

    struct Damage {
        const char* what;
        std::string from, to;
        const char* reason;
    };
    const std::string good = smallFile();
    const Damage cases[] = {
        {"graph kind 0", "4\nFile", "0\nFile", "line 1 should hold a graph kind from 1 to 7."},
        {"graph kind text", "4\nFile", "x\nFile", "line 1 should hold a graph kind"},
        {"no File line", "File: a.ret", "a.ret", "line 2 should begin with \"File: \"."},
        {"no Time line", "Time: ", "Tim: ", "line 4 should begin with \"Time: \"."},
        {"no years", "\n2.00\n", "\nabc\n", "line 5 should hold the number of years, 1 to 101."},
        {"no rows", "\n2.00\n", "\n0.00\n", "line 5 should hold the number of years"},
        {"102 years", "\n2.00\n", "\n102.00\n", "line 5 should hold the number of years"},
        {"51 accounts", "\n1\nCash", "\n51\nCash",
         "line 6 should hold the number of accounts, 0 to 50."},
        {"negative accounts", "\n1\nCash", "\n-1\nCash",
         "line 6 should hold the number of accounts"},
        {"a balance that is text", "110.00", "lots", "line 10 should hold an account balance."},
        {"an infinite balance", "110.00", "inf", "line 10 should hold an account balance."},
        {"nineteen values", " 19.00\n110", "\n110", "line 9 should hold the 20 values of a year."},
        {"twenty-one values", "19.00\n110", "19.00 20.00\n110",
         "line 9 holds more than the values"},
        {"Done inside the rows", "110.00\n61.00", "Done\n61.00",
         "line 10 ends the file at the year 2 of 2."},
        {"group index text", "\n0\nDone", "\nnone\nDone",
         "line 22 should hold the group of an account."},
        {"no closing Done", "\n0\nDone", "\n0\n", "it ends before its closing \"Done\"."},
        {"cut in the trailer", "\n\n\n\n\n\n\n\n\n\n0\nDone", "\n",
         "it ends before its group names."},
        {"cut after the header", "100.00\n60.00", "", "it ends before the year 1 of 2."},
    };
    for (const Damage& d : cases) {
        std::string text = good;
        const auto at = text.find(d.from);
        ASSERT_NE(at, std::string::npos) << d.what;
        text.replace(at, d.from.size(), d.to);
        if (d.to.empty()) text.resize(at); // cut the file there
        const std::string problem = parsePlotFile(text, read);
        EXPECT_NE(problem.find(d.reason), std::string::npos) << d.what << ": " << problem;
        EXPECT_EQ(problem.rfind("It is not a complete plot file: ", 0), 0u) << d.what;
        EXPECT_EQ(read.rowCount(), 0) << d.what; // nothing half read is kept
    }
    EXPECT_NE(parsePlotFile("", read).find("it ends before its graph kind."), std::string::npos);
}

TEST(PlotFileReader, WhatIsNotAPlotFileAtAll) {
    ScratchDir dir;
    PlotFileContents read;
    const std::string missing = dir.file("missing.kvp");
    EXPECT_EQ(readPlotFile(missing, read), "The file " + missing + " does not exist.");
    EXPECT_EQ(readPlotFile(dir.file(""), read), dir.file("") + " is not a file.");
    const std::string fifo = dir.file("pipe.kvp");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readPlotFile(fifo, read), fifo + " is not a file."); // and does not hang
    const std::string huge = dir.file("huge.kvp");
    writeBytes(huge, std::string(kMaxPlotFileBytes + 1, '1'));
    EXPECT_EQ(readPlotFile(huge, read), huge + " is far too large for this kind of file.");
    const std::string damaged = dir.file("damaged.kvp");
    writeBytes(damaged, "1\nFile: x\n");
    EXPECT_EQ(readPlotFile(damaged, read),
              "Cannot show " + damaged +
                  ".\nIt is not a complete plot file: it ends before its header.");
}

} // namespace
} // namespace finplan::test
