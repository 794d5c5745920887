#include "calculators/trade_off_analysis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "calculators/trade_off_files.h"
#include "model/whole_number.h"
#include "platform/recording_messages.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class TradeOffTest : public ::testing::Test {
  protected:
    void SetUp() override { folder = test::freshTempFolder(); }
    void TearDown() override { fs::remove_all(folder); }

    TradeOffAnalysis open(float taxRate = 15.0f) {
        return TradeOffAnalysis(state, messages, launcher, taxRate, folder.string());
    }
    // Option 1: fixed amount 1000, income 100 and cost 40 a period.
    static void optionOne(TradeOffAnalysis& t, const char* periods) {
        t.values[kTradeFixedAmount] = "1000";
        t.values[kTradeIncomePerPeriod] = "100";
        t.values[kTradeCostPerPeriod] = "40";
        t.periods = periods;
    }

    fs::path folder;
    TradeOffState state;
    RecordingMessages messages;
    RecordingLauncher launcher;
};

TEST_F(TradeOffTest, AllZeroShowsZeros) {
    TradeOffAnalysis t = open();
    EXPECT_EQ(t.names[0], "Option 1");
    EXPECT_EQ(t.values[5], "0.00  ");
    EXPECT_EQ(t.periods, "  0");
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(t.endAmounts[j], "0.00      ");
        EXPECT_EQ(t.differences[j], "0.00      ");
    }
}

TEST_F(TradeOffTest, EndAmountsBeforeAndAfterTax) {
    TradeOffAnalysis t = open(15.0f);
    optionOne(t, "10");
    t.values[kTradeFixedCost + 1] = "200"; // option 2 only costs
    t.calculate();
    EXPECT_EQ(t.endAmounts[0], "1600.00   "); // 1000 + 10 x (100 - 40)
    EXPECT_EQ(t.endAmounts[1], "-200.00   ");
    EXPECT_EQ(t.differences[0], "1800.00   ");
    EXPECT_EQ(t.differences[1], "200.00    ");
    EXPECT_EQ(t.differences[2], "1600.00   ");
    // Taxed at 15 %: 0.85 x 1000 + 10 x 0.85 x 60; the fixed cost is not taxed.
    t.setUseTaxRate(true);
    EXPECT_EQ(t.endAmounts[0], "1360.00   ");
    EXPECT_EQ(t.endAmounts[1], "-200.00   ");
    EXPECT_EQ(state.values[kTradeUseTaxRate], 1.0f);
    // The arrows change the count without reading the other fields.
    t.values[kTradeFixedAmount] = "5";
    t.spinTo(2);
    EXPECT_EQ(t.endAmounts[0], "952.00    "); // 850 + 2 x 51
    EXPECT_EQ(t.periods, "2");
}

TEST_F(TradeOffTest, GraphFileListsNamedOptionsAndStartsTheGrapher) {
    TradeOffAnalysis t = open();
    optionOne(t, "3");
    t.names = {"Rent", "", "Buy"};
    t.values[kTradeFixedCost + 2] = "500";
    ASSERT_TRUE(t.graph());
    // Rows r = 0..4: Rent 1000 + 60 r, Buy -500; option 2 has no name and is left out.
    const std::string expected = "1\nDummy\nDummy\nDummy\n5.000000\n2\nRent\nBuy\n"
                                 "0.0\n0.0\n0.000000 1000.000000 -500.000000 \n"
                                 "0.0\n0.0\n1.000000 1060.000000 -500.000000 \n"
                                 "0.0\n0.0\n2.000000 1120.000000 -500.000000 \n"
                                 "0.0\n0.0\n3.000000 1180.000000 -500.000000 \n"
                                 "0.0\n0.0\n4.000000 1240.000000 -500.000000 \n"
                                 "Done\nDone\n";
    EXPECT_EQ(readAll(t.graphPath()), expected);
    ASSERT_EQ(launcher.launched.size(), 1u);
    EXPECT_EQ(launcher.launched[0], (std::vector<std::string>{"rezirud.exe", t.graphPath()}));
    EXPECT_EQ(t.endAmounts[1], "0.00      "); // unnamed, still computed
}

TEST_F(TradeOffTest, GraphFileTaxesAtTheWholePercent) {
    TradeOffAnalysis t = open(15.5f);
    optionOne(t, "3");
    t.useTaxRate = true;
    ASSERT_TRUE(t.graph());
    EXPECT_EQ(t.endAmounts[0], "997.10    "); // 845 + 3 x 50.70 at 15.5 %
    const std::string text = readAll(t.graphPath());
    EXPECT_NE(text.find("\n0.000000 850.000000 "), std::string::npos) << text;
    EXPECT_NE(text.find("\n1.000000 901.000000 "), std::string::npos) << text;
}

TEST_F(TradeOffTest, GraphFileThatCannotBeWritten) {
    TradeOffAnalysis t(state, messages, launcher, 15.0f, (folder / "missing").string());
    optionOne(t, "3");
    EXPECT_FALSE(t.graph());
    EXPECT_EQ(messages.last()->text,
              "Cannot open trad.tmp for writing!\nNo such file or directory");
    EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(TradeOffTest, ValuesFileRoundTripAndDefaults) {
    TradeOffAnalysis t = open();
    optionOne(t, "12");
    t.names = {"A name longer than nineteen chars", "", "C"};
    t.useTaxRate = true;
    ASSERT_TRUE(t.ok());
    const std::string text = readAll(t.valuesPath());
    EXPECT_EQ(text.substr(0, 24), "A name longer than \n\nC\n0");
    EXPECT_NE(text.find("\n1000.000000\n"), std::string::npos);

    TradeOffState loaded;
    loaded.values[14] = 7;
    loadTradeOff(t.valuesPath(), loaded);
    EXPECT_EQ(loaded.names, state.names);
    EXPECT_EQ(loaded.values, state.values);

    // Missing file: default names, values 0..12 cleared, 13 and 14 kept.
    loadTradeOff((folder / "none.dat").string(), loaded);
    EXPECT_EQ(loaded.names[2], "Option 3");
    EXPECT_EQ(loaded.values[kTradeFixedAmount], 0.0f);
    EXPECT_EQ(loaded.values[kTradeUseTaxRate], 1.0f);
}

TEST_F(TradeOffTest, ValuesFileWithLongLinesAndMissingLines) {
    const fs::path p = folder / "tradeinf.dat";
    {
        std::ofstream out(p, std::ios::binary);
        out << std::string(40, 'x') << "\r\nB\nC\n1.5\n2.5\n";
    }
    TradeOffState s;
    s.values[5] = 9;
    loadTradeOff(p.string(), s);
    EXPECT_EQ(s.names[0], std::string(29, 'x'));
    EXPECT_EQ(s.names[1], "B");
    EXPECT_EQ(s.values[0], 1.5f);
    EXPECT_EQ(s.values[1], 2.5f);
    EXPECT_EQ(s.values[5], 9.0f); // past the end of the file: unchanged
}

TEST_F(TradeOffTest, ValuesFileThatCannotBeWritten) {
    TradeOffAnalysis t(state, messages, launcher, 15.0f, (folder / "missing").string());
    EXPECT_FALSE(t.ok());
    EXPECT_EQ(messages.last()->text,
              "Cannot open tradeinf.dat for writing!\nNo such file or directory");
    EXPECT_EQ(messages.last()->title, "FILE ERROR");
}

TEST_F(TradeOffTest, AbsurdStoredPeriodCountsAreBounded) {
    state.values[kTradePeriods] = 1e30f;
    EXPECT_EQ(tradePeriods(state), kWholeNumberLimit);
    state.values[kTradePeriods] = -1e30f;
    EXPECT_EQ(tradePeriods(state), -kWholeNumberLimit);
}

// Opening, Calculate and the tax box compute for up to 100,000 periods (more would stall
// the dialog); only the graph file is held to 3..100. Each refusal is a single message.
TEST_F(TradeOffTest, PeriodCountsForCalculateAndGraph) {
    const std::string tooFew = "Not enough periods.\nPlease try again.";
    const std::string tooMany = "Too many periods\nPlease try again.";
    const std::string beyond =
        "The number of periods must not be more than 100000.\nPlease try again.";
    struct Row {
        int periods;
        const char* endAmount; // 1000 + periods x (100 - 40); empty when refused
        std::string calculateMessage, graphMessage, graphTitle;
    } rows[] = {
        {2, "1120.00   ", "", tooFew, "FILE ERROR"},
        {9, "1540.00   ", "", "", ""},
        {100, "7000.00   ", "", "", ""},
        {101, "7060.00   ", "", tooMany, "FILE ERROR"},
        {5000, "301000.00 ", "", tooMany, "FILE ERROR"},
        {100001, "", beyond, beyond, "No of Periods Error!"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.periods);
        messages.entries.clear();
        state.values[kTradeFixedAmount] = 1000;
        state.values[kTradeIncomePerPeriod] = 100;
        state.values[kTradeCostPerPeriod] = 40;
        state.values[kTradePeriods] = static_cast<float>(r.periods);
        TradeOffAnalysis t = open(); // a saved count: no message at opening
        EXPECT_TRUE(messages.entries.empty());
        EXPECT_EQ(t.endAmounts[0], r.endAmount);

        EXPECT_EQ(t.calculate(), r.calculateMessage.empty());
        EXPECT_EQ(messages.texts(), r.calculateMessage.empty()
                                        ? std::vector<std::string>{}
                                        : std::vector<std::string>{r.calculateMessage});
        messages.entries.clear();
        EXPECT_EQ(t.graph(), r.graphMessage.empty());
        ASSERT_EQ(messages.entries.size(), r.graphMessage.empty() ? 0u : 1u);
        if (!r.graphMessage.empty()) {
            EXPECT_EQ(messages.last()->text, r.graphMessage);
            EXPECT_EQ(messages.last()->title, r.graphTitle);
        }
        EXPECT_EQ(fs::exists(t.graphPath()), r.graphMessage.empty());
        fs::remove(t.graphPath());
    }
}

// An end amount that is no number is refused.
TEST_F(TradeOffTest, EndlessAmountsAreRefused) {
    TradeOffAnalysis t = open();
    optionOne(t, "100");
    t.values[kTradeIncomePerPeriod] = "3e38";
    EXPECT_FALSE(t.calculate());
    EXPECT_EQ(messages.last()->title, "Result Error!");
}
} // namespace
} // namespace finplan
