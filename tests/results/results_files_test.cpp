// Byte-exact results file, print file, plot file and tab export of one small run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "graphs/plot_file.h"
#include "platform/recording_messages.h"
#include "results/schedule_runs.h"
#include "results/tab_export.h"
#include "tests/engine/scenario_builder.h"
#include "tests/model/files_test_support.h"

namespace finplan::test {
namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += l + "\n";
    return out;
}

// Investment 1,000.00 at 10 %, tax free 500.00 at 0 %, a one-time withdrawal of
// 100.00 at 60, tax 10 %, from 60 to 61.
std::unique_ptr<Scenario> smallScenario() {
    auto s = newScenario(60, 61, 10);
    addAccount(*s, "TF", kTaxFree, 500, 0, "2");
    addAccount(*s, "Inv", kInvestment, 1000, 10, "1");
    Event& w = addEvent(*s, EventKind::Withdrawal, "Cash", 60, 60, 100);
    w.oneTime = 1;
    recomputeTotals(*s);
    return s;
}

struct Session {
    std::unique_ptr<Scenario> s = smallScenario();
    std::unique_ptr<RunState> st = std::make_unique<RunState>();
    ViewSettings view{true, true};
    SeededRandom random{1};
    FixedClock clock = testClock();
    RecordingMessages messages;
    RunSession run{*s, *st, view, random, clock, messages, nullptr};
};

const std::vector<std::string> kHead = {
    " 60.0 Initial Rates  Tax=10.00% Inflation=4.00%",
    " 60.0 Cash - Withdraw $100.00.",
    "Initial Rates:",
    " TF = 0.00%", // the block lists the accounts before they are sorted
    " Inv = 10.00%",
    " Tax = 10.00%",
    " Inflation = 4.00%",
    " Appreciation = 0.00%",
};

const std::vector<std::string> kYears = {
    dashes(184),
    ageRow("60.0", {"$1,000.00", "$500.00", "$0.00", "$0.00", "$0.00", "$0.00", "$1,500.00"}),
    dashes(185),
    "Financial Events:",
    "  Cash - Withdraw $100.00",
    "      $100.00 from Inv",
    // 900.00 earns 90.00, taxed 9.00.
    "  Pay $9.00 Tax On Savings Interest",
    "      $9.00 from Inv",
    "Summary:",
    "    Total Incoming=$90.00",
    "       Taxable Income=$90.00",
    "    Total Outgoing=$109.00",
    "       Withdrawals=$100.00",
    "       Taxes on savings interest=$9.00",
    "End Of Year Account Summary:",
    "  Inv=$981.00             ",
    "  TF=$500.00             ",
    dashes(175),
    ageRow("61.0", {"$981.00", "$500.00", "$0.00", "$0.00", "$0.00", "$0.00", "$1,481.00"}),
    dashes(175),
};

TEST(ResultsFile, SavedTextHasDescriptionsRatesAndScheduleWithoutMarker) {
    Session t;
    std::string text;
    ASSERT_TRUE(resultsFileText(t.run, RunFlags{}, text));
    EXPECT_EQ(text, joined(kHead) + joined(kYears));
    EXPECT_EQ(text.find("??"), std::string::npos);
    EXPECT_EQ(dashes(184).size(), 184u);
}

TEST(ResultsFile, PrintFileMarksTheHeadingsAfterTheRatesBlock) {
    Session t;
    const std::string path = "print_test.dat";
    ASSERT_TRUE(writePrintFile(t.run, RunFlags{}, path));
    EXPECT_EQ(readBytes(path), joined(kHead) + "\n\n??\n" + joined(kYears));
    std::remove(path.c_str());
}

TEST(ResultsFile, ListDropsTheMarker) {
    Session t;
    ResultsList list;
    ASSERT_TRUE(runToList(t.run, list, RunFlags{}));
    std::vector<std::string> expected(kHead.begin() + 2, kHead.end());
    expected.insert(expected.end(), kYears.begin(), kYears.end());
    EXPECT_EQ(list.lines, expected);
    EXPECT_EQ(list.ageLine(60), 7);
}

TEST(ResultsFile, UnwritablePathIsReported) {
    Session t;
    EXPECT_FALSE(writeResultsFile(t.run, RunFlags{}, "no_such_dir/out.sch"));
    ASSERT_NE(t.messages.last(), nullptr);
    EXPECT_EQ(t.messages.last()->text,
              "Cannot open no_such_dir/out.sch\nNo such file or directory");
    EXPECT_EQ(t.messages.last()->title, "FILE ERROR");
}

TEST(PlotFile, HeaderRowsAndTrailer) {
    Session t;
    auto series = std::make_unique<PlotSeries>();
    const std::string path = "plot_test.tmp";
    PlotFileWriter plot(*series, t.clock, t.messages, path);
    plot.setFileTitle("small.ret");
    t.run.plot = &plot;
    std::string text;
    ASSERT_TRUE(resultsFileText(t.run, RunFlags{}, text));
    const std::string expected =
        "1\nFile: small.ret\nDate: 12/7/26\nTime: 1:05:09 PM \n2.00\n2\nInv\nTF\n"
        "1000.00\n500.00\n"
        "60.00 1000.00 500.00 0.00 0.00 0.00 1500.00 "
        "90.00 0.00 90.00 0.00 109.00 100.00 9.00 0.00 0.00 0.00 0.00 0.00 0.00\n"
        "981.00\n500.00\n"
        // The final row repeats the year's tallies; the taxes were reset at year end.
        "61.00 981.00 500.00 0.00 0.00 0.00 1481.00 "
        "90.00 0.00 90.00 0.00 100.00 100.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00\n"
        "\n\n\n\n\n\n\n\n\n\n0\n0\nDone\n";
    EXPECT_EQ(readBytes(path), expected);
    EXPECT_EQ(series->plotRowCount, 1);
    EXPECT_EQ(series->rows[0].netWorth, 1500.0f);
    EXPECT_EQ(series->rows[0].totalOutgoing, 109.0f);
    EXPECT_EQ(series->accountBalances[1][0], 981.0f);
    EXPECT_EQ(series->accountNames[1], "TF");
    EXPECT_EQ(series->ageTotals.netWorth[61], 1481.0f);
    std::remove(path.c_str());
}

// A birthday start (7 December, birthday 7 September: 60 + 91/365) writes the exact
// age in the first row only. The year starts with nothing, so the written
// totalOutgoing leaves out the 500.00 closing costs while the table keeps them;
// otherOutgoing shows them either way. The first year's mortgage interest is scaled
// by the year fraction 1 - 91/365.
TEST(PlotFile, BirthdayAgeAndClosingCostsOfAYearStartingAtNothing) {
    auto s = newScenario(60, 62, 0);
    s->initial.useBirthday = 1;
    s->initial.birthMonth = 9;
    s->initial.birthDay = 7;
    addAccount(*s, "Inv", kInvestment, 0, 0, "1");
    Event& m = addEvent(*s, EventKind::Mortgage, "Home", 60, 90, 10000);
    m.loanRate = 6;
    m.years = 30;
    m.closingCosts = 500;
    recomputeTotals(*s);
    auto st = std::make_unique<RunState>();
    ViewSettings view;
    SeededRandom random{1};
    FixedClock clock = testClock();
    RecordingMessages messages;
    auto series = std::make_unique<PlotSeries>();
    const std::string path = "plot_birthday_test.tmp";
    PlotFileWriter plot(*series, clock, messages, path);
    RunSession run{*s, *st, view, random, clock, messages, &plot};
    ResultsList list;
    ASSERT_TRUE(runToList(run, list, RunFlags{}));

    const float f = 1 - ((60.0f + 91.0f / 365.0f) - 60.0f);
    const float interest = amortiseYear(10000, monthlyRate(6), 360, 0, 11, 0, 0).interest * f;
    const std::string i = format("%.2f", interest);
    std::stringstream text(readBytes(path));
    std::vector<std::string> lines;
    for (std::string l; std::getline(text, l);)
        lines.push_back(l);
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[4], "3.00"); // 62 - 60 + 1
    EXPECT_EQ(lines[8], "60.25 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 0.00 " + i +
                            " 0.00 0.00 " + i + " 0.00 0.00 0.00 0.00 500.00");
    EXPECT_EQ(lines[10].substr(0, 6), "61.00 ");
    EXPECT_FLOAT_EQ(series->rows[0].totalOutgoing, interest + 500.0f);
    EXPECT_EQ(series->rows[0].age, 60.0f);
    std::remove(path.c_str());
}

TEST(PlotFile, UnopenableFileStopsTheRun) {
    Session t;
    auto series = std::make_unique<PlotSeries>();
    PlotFileWriter plot(*series, t.clock, t.messages, "no_such_dir/plot.tmp");
    t.run.plot = &plot;
    std::string text;
    EXPECT_FALSE(resultsFileText(t.run, RunFlags{}, text));
    ASSERT_NE(t.messages.last(), nullptr);
    // The message names the file and its folder.
    EXPECT_EQ(t.messages.last()->text, "Cannot open plot file\n" + absolutePath("no_such_dir") +
                                           "/plot.tmp: No such file or directory");
    EXPECT_EQ(text, joined({kHead[0], kHead[1]}));
    EXPECT_TRUE(plot.failed());
}

TEST(TabExport, HeaderAndOneRowPerAge) {
    Session t;
    ResultsList list;
    const std::string path = "export_test.kve";
    std::remove(path.c_str());
    ASSERT_TRUE(exportResultsTo(t.run, list, path));
    EXPECT_EQ(readBytes(path), "Age\tInv\tTF\tEquity\tTotal\n"
                               "60.00\t1000.00\t500.00\t0.00\t1500.00\n"
                               "61.00\t981.00\t500.00\t0.00\t1481.00\n");
    EXPECT_TRUE(t.messages.entries.empty());

    // An existing file: No leaves it untouched.
    t.messages.answers = {false};
    std::ofstream(path) << "old";
    EXPECT_FALSE(exportResultsTo(t.run, list, path));
    EXPECT_EQ(t.messages.entries.back().text, path + " exits - Overwrite anyway?");
    EXPECT_EQ(readBytes(path), "old");
    std::remove(path.c_str());
}

TEST(TabExport, EquityCountsTwiceInTheTotal) {
    TabExportWriter w;
    auto s = newScenario(60, 61, 0);
    addAccount(*s, "Shares", kEquity, 300, 0, "1");
    w.row(60, *s, 300);
    EXPECT_EQ(w.text, "Age\tShares\tEquity\tTotal\n60.00\t300.00\t300.00\t600.00\n");
}

} // namespace
} // namespace finplan::test
