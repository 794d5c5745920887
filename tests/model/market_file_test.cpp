// The market history table (the built-in copy and a user's file), the text form of a
// group's market, and the markets side file beside a scenario.
#include <gtest/gtest.h>

#include <cmath>

#include "model/market_file.h"
#include "tests/model/files_test_support.h"

namespace finplan {
namespace {

TEST(MarketTable, BuiltInTableHasEveryYearFrom1871To2022InASaneRange) {
    const MarketTable& t = builtInMarketTable();
    ASSERT_EQ(t.firstYear(), 1871);
    ASSERT_EQ(t.lastYear(), 2022);
    ASSERT_EQ(t.size(), 152);
    for (int i = 0; i < t.size(); ++i) {
        const MarketYear& y = t.row(i);
        EXPECT_EQ(y.year, 1871 + i);
        // The extremes: stocks 1931 (-44 %) and 1933 (+57 %), bonds 1982 (+43 %),
        // prices 1893 (-13 %) and 1879 (+21 %).
        EXPECT_TRUE(std::isfinite(y.stocks) && y.stocks > -50 && y.stocks < 60) << y.year;
        EXPECT_TRUE(std::isfinite(y.bonds) && y.bonds > -20 && y.bonds < 50) << y.year;
        EXPECT_TRUE(std::isfinite(y.inflation) && y.inflation > -20 && y.inflation < 25) << y.year;
    }
}

TEST(MarketTable, DamagedTablesAreRefusedNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } rows[] = {
        {"", "it is empty"},
        {"year,stocks,bonds\n1900,1,2\n",
         "line 1: the header is not \"year,stocks,bonds,inflation\""},
        {"year,stocks,bonds,inflation\n", "it lists no years"},
        {"year,stocks,bonds,inflation\n1900,1,2,3\n1902,1,2,3\n",
         "line 3: the years must follow one another"},
        {"year,stocks,bonds,inflation\n1900,1,2\n", "line 2: expected a year and three numbers"},
        {"year,stocks,bonds,inflation\n1900,1,2,3,4\n",
         "line 2: expected a year and three numbers"},
        {"year,stocks,bonds,inflation\n1900,x,2,3\n", "line 2: expected a year and three numbers"},
        {"year,stocks,bonds,inflation\n1900,nan,2,3\n",
         "line 2: expected a year and three numbers"},
        {"year,stocks,bonds,inflation\n1900,-100,2,3\n", "line 2: a rate is out of range"},
    };
    for (const auto& row : rows) {
        const MarketTableRead r = parseMarketTable(row.text);
        EXPECT_FALSE(r.table) << row.text;
        EXPECT_EQ(r.error, row.error) << row.text;
    }
    const MarketTableRead ok = parseMarketTable("year,stocks,bonds,inflation\r\n1900,1.5,-2,3\r\n");
    ASSERT_TRUE(ok.table);
    EXPECT_EQ(ok.table->year(1900)->bonds, -2.0f);
}

TEST(MarketChoice, TextFormsReadAndWriteBackAndBadOnesAreNamed) {
    const struct {
        const char* text;
        MarketChoice choice;
    } good[] = {{"none", {Market::None, kDefaultStocksShare, 0}},
                {"stocks-0.2", {Market::Stocks, kDefaultStocksShare, -0.2f}},
                {"inflation+1", {Market::Inflation, kDefaultStocksShare, 1}},
                {"mix:60", {Market::Mix, 60, 0}},
                {"mix:35.5+20", {Market::Mix, 35.5f, 20}},
                {"bonds", {Market::Bonds, kDefaultStocksShare, 0}}};
    for (const auto& row : good) {
        std::string why;
        const auto c = parseMarketChoice(row.text, why);
        ASSERT_TRUE(c) << row.text << ": " << why;
        EXPECT_EQ(*c, row.choice) << row.text;
        EXPECT_EQ(marketChoiceText(*c), row.text);
    }
    for (const char* bad : {"", "stonks", "mix", "stocks:50", "mix:101", "mix:-5", "stocks+21",
                            "stocks+", "stocks+1x", "bonds--1"}) {
        std::string why;
        EXPECT_FALSE(parseMarketChoice(bad, why)) << bad;
        EXPECT_NE(why.find(std::string("\"") + bad + "\""), std::string::npos) << why;
    }
    // 60 % of 10 plus 40 % of 5, less a point of fees.
    EXPECT_FLOAT_EQ(marketRate({Market::Mix, 60, -1}, MarketYear{2000, 10, 5, 3}), 7.0f);
}

TEST(MarketFile, SettingsRoundTripAndMissingOrDamagedFilesGiveTheDefaults) {
    test::ScratchDir dir;
    const std::string scenario = dir.file("plan.ret");
    const std::string path = marketFilePath(scenario);
    EXPECT_EQ(path, dir.file("plan.mkt"));
    EXPECT_EQ(marketFilePath("/a.b/plan"), "/a.b/plan.mkt");

    const MarketFileRead missing = readMarketFile(path);
    EXPECT_FALSE(missing.found);
    EXPECT_TRUE(missing.problem.empty());
    EXPECT_EQ(missing.settings, MarketSettings{});

    MarketSettings s;
    s.setChoice("Real Estate", MarketChoice{Market::Inflation, kDefaultStocksShare, 1});
    s.setChoice("Balanced", MarketChoice{Market::Mix, 60, -0.25f});
    s.setChoice("Cash", MarketChoice{}); // follows nothing: not listed
    s.historicalInflation = false;
    s.analysis = AnalysisChoices{5000, 4294967295u, "history", 7};
    ASSERT_TRUE(saveMarketFile(path, s));
    const MarketFileRead back = readMarketFile(path);
    EXPECT_TRUE(back.problem.empty()) << back.problem;
    EXPECT_EQ(back.settings, s);
    EXPECT_EQ(back.settings.groups.size(), 2u);

    // Save As takes the side file along.
    ASSERT_TRUE(copyMarketFile(scenario, dir.file("copy.ret")));
    EXPECT_EQ(readMarketFile(dir.file("copy.mkt")).settings, s);

    for (const char* damaged :
         {"", "something else\n", "finplan markets 1\ninflation maybe\n",
          "finplan markets 1\ngroup\tStocks\tstonks\n", "finplan markets 1\ntrials\t0\n",
          "finplan markets 1\nblock\t31\n", "finplan markets 1\ncolour\tblue\n"}) {
        test::writeBytes(path, damaged);
        const MarketFileRead r = readMarketFile(path);
        EXPECT_EQ(r.settings, MarketSettings{}) << damaged;
        EXPECT_NE(r.problem.find(path), std::string::npos) << r.problem;
        EXPECT_NE(r.problem.find("the defaults are used"), std::string::npos) << r.problem;
    }
}

} // namespace
} // namespace finplan
