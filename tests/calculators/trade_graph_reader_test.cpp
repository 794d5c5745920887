// "trade.tmp" read back by the trade-off grapher: the running amounts the dialog's
// Graph button wrote, the end amounts and differences the dialog shows, and every
// damaged file refused with a reason.
#include <gtest/gtest.h>

#include "calculators/trade_graph_reader.h"
#include "calculators/trade_off_files.h"
#include "tests/model/files_test_support.h"

namespace finplan::test {
namespace {

// Option 1: fixed amount 1000, income 100 and cost 40 a period: 1000 + 60 r.
// Option 2 has no name and is left out of the file. Option 3: fixed cost 500, income
// 200 a period: -500 + 200 r. Ten periods.
TradeOffState twoNamedOptions() {
    TradeOffState s;
    s.names = {"Rent", "", "Buy"};
    s.values[kTradeFixedAmount + 0] = 1000;
    s.values[kTradeIncomePerPeriod + 0] = 100;
    s.values[kTradeCostPerPeriod + 0] = 40;
    s.values[kTradeFixedCost + 2] = 500;
    s.values[kTradeIncomePerPeriod + 2] = 200;
    s.values[kTradePeriods] = 10;
    return s;
}

TEST(TradeGraphReader, TheDialogsFileComesBackAsItsRunningAmounts) {
    TradeGraph g;
    ASSERT_EQ(parseTradeGraph(tradeGraphText(twoNamedOptions(), 0), g), "");
    EXPECT_EQ(g.names, (std::vector<std::string>{"Rent", "Buy"}));
    EXPECT_EQ(g.rowCount, 12); // periods 0..11
    EXPECT_EQ(g.periods(), 10);
    EXPECT_EQ(g.drawnRows(), 11); // the graph ends at period 10, as its text says
    for (int r = 0; r < 12; ++r) {
        EXPECT_FLOAT_EQ(g.amounts[0][r], 1000.0f + 60.0f * r) << r;
        EXPECT_FLOAT_EQ(g.amounts[1][r], -500.0f + 200.0f * r) << r;
    }
    // After the dialog's ten periods: 1600 and 1500, as its End Amount fields show.
    const TradeGraphTotals t = tradeGraphTotals(g);
    EXPECT_EQ(t.endAmounts, (std::vector<float>{1600.0f, 1500.0f}));
    ASSERT_EQ(t.differences.size(), 1u);
    EXPECT_FLOAT_EQ(t.differences[0].amount, 100.0f);

    // Three options give the dialog's three differences: 1-2, 2-3, 1-3. With the tax
    // box checked and a 15.5 % plan rate the file taxes at 15 %: option 1 starts at
    // 850 and nets 51 a period.
    TradeOffState three = twoNamedOptions();
    three.names[1] = "Lease";
    three.values[kTradeFixedAmount + 1] = 2000;
    three.values[kTradeUseTaxRate] = 1;
    ASSERT_EQ(parseTradeGraph(tradeGraphText(three, 15.5f), g), "");
    EXPECT_FLOAT_EQ(g.amounts[0][0], 850.0f);
    EXPECT_FLOAT_EQ(g.amounts[0][10], 1360.0f);
    const TradeGraphTotals t3 = tradeGraphTotals(g);
    ASSERT_EQ(t3.endAmounts.size(), 3u);
    EXPECT_FLOAT_EQ(t3.endAmounts[1], 1700.0f);           // 2000 x 0.85
    EXPECT_FLOAT_EQ(t3.endAmounts[2], -500.0f + 1700.0f); // 200 x 0.85 x 10
    ASSERT_EQ(t3.differences.size(), 3u);
    EXPECT_EQ(t3.differences[1].first, 1);
    EXPECT_EQ(t3.differences[1].second, 2);
    EXPECT_FLOAT_EQ(t3.differences[1].amount, 500.0f);
    EXPECT_FLOAT_EQ(t3.differences[2].amount, 160.0f);
}

TEST(TradeGraphReader, TheLargestFileTheDialogWrites) {
    TradeOffState s = twoNamedOptions();
    s.names[1] = "Middle";
    s.values[kTradePeriods] = 100;
    TradeGraph g;
    ASSERT_EQ(parseTradeGraph(tradeGraphText(s, 0), g), "");
    EXPECT_EQ(g.rowCount, kMaxTradeRows);
    EXPECT_FLOAT_EQ(g.amounts[0][101], 1000.0f + 60.0f * 101);
}

TEST(TradeGraphReader, EveryDamageItRefuses) {
    TradeOffState s = twoNamedOptions();
    s.values[kTradePeriods] = 3;
    const std::string good = tradeGraphText(s, 0);
    // 1, Dummy x3, 5.000000, 2, Rent, Buy, then rows of "0.0", "0.0", "r a b ".
    ASSERT_EQ(good.substr(0, 40), "1\nDummy\nDummy\nDummy\n5.000000\n2\nRent\nBuy\n");
    struct Damage {
        const char* what;
        std::string from, to;
        const char* reason;
    };
    const Damage cases[] = {
        {"first line text", "1\nDummy", "one\nDummy", "line 1 should hold a number."},
        {"too many rows", "5.000000", "103.000000",
         "line 5 should hold the number of rows, 2 to 102."},
        {"no rows", "5.000000", "1.000000", "line 5 should hold the number of rows"},
        {"four options", "\n2\nRent", "\n4\nRent",
         "line 6 should hold the number of options, 0 to 3."},
        {"no named option", "\n2\nRent\nBuy\n", "\n0\n",
         "no option has a name, so there is nothing to draw."},
        {"a period out of step", "\n1.000000 ", "\n7.000000 ",
         "line 14 should begin with the period 1."},
        {"an amount missing", "1060.000000 -300.000000 ", "1060.000000",
         "line 14 should hold the amount of each option."},
        {"an amount too many", "1060.000000 -300.000000 ", "1060.000000 -300.000000 5",
         "line 14 holds more than"},
        {"a placeholder that is text", "\nBuy\n0.0\n", "\nBuy\nzero\n",
         "line 9 should hold a number."},
        {"no Done", "Done\nDone\n", "", "it ends before its closing \"Done\"."},
        {"something else than Done", "Done\nDone\n", "End\n", "should read \"Done\"."},
        {"cut in the rows", "\n0.0\n0.0\n2.000000", "", "it ends before the period 2."},
    };
    TradeGraph g;
    for (const Damage& d : cases) {
        std::string text = good;
        const auto at = text.find(d.from);
        ASSERT_NE(at, std::string::npos) << d.what;
        text.replace(at, d.from.size(), d.to);
        if (d.to.empty()) text.resize(at);
        const std::string problem = parseTradeGraph(text, g);
        EXPECT_NE(problem.find(d.reason), std::string::npos) << d.what << ": " << problem;
        EXPECT_TRUE(g.names.empty()) << d.what;
    }
    ScratchDir dir;
    const std::string missing = dir.file("trade.tmp");
    EXPECT_EQ(readTradeGraph(missing, g), "The file " + missing + " does not exist.");
    writeBytes(missing, "1\n");
    EXPECT_EQ(readTradeGraph(missing, g),
              "Cannot show " + missing +
                  ".\nIt is not a complete trade-off graph file: it ends before its header.");
}

} // namespace
} // namespace finplan::test
