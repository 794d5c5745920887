#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "graph_fixture.h"
#include "graphs/summary_legend.h"

namespace finplan {
namespace {

using test::GraphFixture;

int countFilled(const GraphFixture& fx, OpKind kind, Color c) {
    return static_cast<int>(fx.fillsOf(c, kind).size());
}

TEST(PieChart, SmallTotalsShowOnlyShadowLegendAndCaption) {
    const struct {
        float investment, taxFree;
        int shadows, sectors, discs;
    } cases[] = {
        {0, 0, 0, 0, 0},    // nothing at all to draw
        {6, 4, 1, 0, 0},    // total 10: shadow only
        {6, 5, 1, 2, 0},    // total 11: two sectors
        {50, 0, 1, 0, 1},   // one component: a full disc
        {50, -20, 1, 0, 1}, // a negative component is not a slice
    };
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(2);
        fx.row(0).investmentSavings = c.investment;
        fx.row(0).taxFreeSavings = c.taxFree;
        fx.state.previousKind = GraphKind::NetWorth;
        fx.state.selectedRow = 0;
        fx.draw(GraphKind::Pie);
        SCOPED_TRACE(testing::Message() << c.investment << " + " << c.taxFree);
        EXPECT_EQ(countFilled(fx, OpKind::Ellipse, kPieShadow), c.shadows);
        EXPECT_EQ(static_cast<int>(fx.surface.opsOfKind(OpKind::Pie).size()), c.sectors);
        // The disc keeps the colour of its series in the graph (list position 1).
        EXPECT_EQ(countFilled(fx, OpKind::Ellipse, seriesColor(1)), c.discs);
        EXPECT_EQ(fx.surface.textsEqual("Age 60").size(), 1u);
        EXPECT_EQ(fx.surface.textsEqual("Investment Accounts").size(), 1u);
        EXPECT_EQ(fx.surface.textsEqual("Equity").size(), 1u);
    }
}

TEST(PieChart, SharesAnglesAndTotal) {
    GraphFixture fx;
    fx.setRows(2);
    fx.row(0).investmentSavings = 6000;
    fx.row(0).taxFreeSavings = 5000;
    fx.state.previousKind = GraphKind::NetWorth;
    fx.draw(GraphKind::Pie);
    EXPECT_EQ(fx.surface.textsEqual(" 54.55%").size(), 1u); // 6000 / 11000
    EXPECT_EQ(fx.surface.textsEqual(" 45.45%").size(), 1u);
    EXPECT_EQ(fx.surface.textsEqual("  0.00%").size(), 3u);
    EXPECT_EQ(fx.surface.textsEqual("Total = 11,000.00").size(), 1u);
    const auto pies = fx.surface.opsOfKind(OpKind::Pie);
    ASSERT_EQ(pies.size(), 2u);
    const double split = 2 * std::numbers::pi * 6000.0 / 11000.0;
    EXPECT_NEAR(pies[0].startAngle, 0, 1e-6);
    EXPECT_NEAR(pies[0].endAngle, split, 1e-5);
    EXPECT_NEAR(pies[1].startAngle, split, 1e-5);
    EXPECT_NEAR(pies[1].endAngle, 2 * std::numbers::pi, 1e-5);
    EXPECT_EQ(*pies[0].fill, seriesColor(1));
    EXPECT_EQ(*pies[1].fill, seriesColor(2));
    EXPECT_TRUE(fx.state.pie.drawn);
    EXPECT_FLOAT_EQ(fx.state.pie.total, 11000);
}

TEST(PieChart, IncomingOutgoingHasNoSharesAndColoursFromTheFirstPosition) {
    GraphFixture fx;
    fx.setRows(2);
    fx.row(0).totalIncoming = 300;
    fx.row(0).totalOutgoing = 100;
    fx.state.previousKind = GraphKind::InOut;
    fx.draw(GraphKind::Pie);
    const auto pies = fx.surface.opsOfKind(OpKind::Pie);
    ASSERT_EQ(pies.size(), 2u);
    EXPECT_EQ(*pies[0].fill, seriesColor(0));
    EXPECT_TRUE(fx.surface.textsEqual(" 75.00%").empty());
    EXPECT_EQ(fx.surface.textsEqual("Incoming").size(), 1u);
}

TEST(Summary, QuartersKeepTheirGeometryAndCaptions) {
    GraphFixture fx;
    fx.setRows(4);
    for (int r = 0; r < 4; ++r) {
        fx.row(r).netWorth = 1000;
        fx.row(r).totalIncoming = 500;
        fx.row(r).totalOutgoing = 400;
    }
    drawSummary(fx.surface, fx.window, fx.series->plotRowCount, fx.state, fx.source());
    EXPECT_EQ(fx.state.layoutMode, 4);
    const auto& q = fx.state.quarterPlots;
    for (const auto& g : q)
        EXPECT_TRUE(g.drawn);
    EXPECT_LT(q[0].plotLeft, 400);
    EXPECT_LT(q[0].plotBottom, 300);
    EXPECT_GT(q[1].plotLeft, 400);
    EXPECT_LT(q[1].plotBottom, 300);
    EXPECT_GT(q[2].plotLeft, 400);
    EXPECT_GT(q[2].plotBottom, 300);
    // Quarter 2 draws the incoming kind: its axis tops 500, not the net worth.
    EXPECT_FLOAT_EQ(q[1].axisSpan, 605);
    for (const char* caption : {"Net Worth", "Incoming", "Outgoing"})
        EXPECT_GE(fx.surface.textsEqual(caption).size(), 1u) << caption;
    EXPECT_TRUE(fx.surface.textsEqual("Investment Accounts").empty()); // no legends
    // The caption sits on the quarter's last line, below the age labels: quarter 1 of
    // 800 x 600 ends at 300 - 4 margin - 4 shadow room = 292; one 16-unit line above the
    // frame's 3-unit inset is 273. The age labels end at baseY + 2 + 1 + 16 =
    // (292 - 3 * 16) + 19 = 263.
    EXPECT_EQ(fx.surface.textsEqual("Net Worth")[0].points[0].y, 273);
}

TEST(Summary, PiesInQuartersFollowTheirOwnKinds) {
    GraphFixture fx;
    fx.setRows(3);
    fx.row(1).investmentSavings = 100;
    fx.row(1).deposits = 50;
    fx.row(1).withdrawals = 70;
    fx.state.graphKind = GraphKind::Pie;
    fx.state.previousKind = GraphKind::Accounts;
    fx.state.selectedRow = 1;
    drawSummary(fx.surface, fx.window, fx.series->plotRowCount, fx.state, fx.source());
    EXPECT_EQ(fx.state.quarterPies[0].mode, GraphKind::NetWorth);
    EXPECT_EQ(fx.state.quarterPies[1].mode, GraphKind::Incoming);
    EXPECT_EQ(fx.state.quarterPies[2].mode, GraphKind::Outgoing);
    EXPECT_FLOAT_EQ(fx.state.quarterPies[2].total, 70);
    EXPECT_EQ(fx.surface.textsEqual("Age 61").size(), 3u);
    EXPECT_TRUE(fx.surface.textsEqual("Total = 100.00").empty()); // no legends
}

struct SummaryFixture : GraphFixture {
    SummaryFixture() {
        setRows(3); // ages 60..62
        auto& t = series->ageTotals;
        t.investmentTotal[60] = 1000;
        t.taxFreeTotal[60] = 2000;
        t.retirementTotal[60] = 3000;
        t.assetTotal[60] = 1000;
        t.equityTotal[60] = 500;
        t.liabilities[60] = 5000;
        t.investmentTotal[62] = 10000.5f;
        state.selectedRow = 0;
        state.layoutMode = 4;
    }
    SurfaceOp valueRightOf(const std::string& label) {
        const auto& ops = surface.ops();
        for (std::size_t i = 0; i + 1 < ops.size(); ++i)
            if (ops[i].kind == OpKind::Text && ops[i].text == label) return ops[i + 1];
        ADD_FAILURE() << "no line " << label;
        return {};
    }
    // A label is black, readable on the panel; its series colour is the swatch before it.
    void expectSwatch(const std::string& label, Color colour) {
        const auto& ops = surface.ops();
        for (std::size_t i = 1; i < ops.size(); ++i)
            if (ops[i].kind == OpKind::Text && ops[i].text == label) {
                EXPECT_EQ(ops[i].color, kBlack) << label;
                EXPECT_EQ(ops[i - 1].kind, OpKind::Rect) << label;
                EXPECT_EQ(ops[i - 1].fill, std::optional<Color>(colour)) << label;
                return;
            }
        ADD_FAILURE() << "no line " << label;
    }
};

TEST(SummaryLegend, AssetsLessDebtIsRedWhileNetWorthIgnoresTheDebt) {
    SummaryFixture fx;
    fx.draw(GraphKind::NetWorth);
    const auto assets = fx.valueRightOf("Assets");
    EXPECT_EQ(assets.text, "-4,000");
    EXPECT_EQ(assets.color, kNegative);
    const auto lines = fx.surface.textsEqual("Net Worth");
    ASSERT_EQ(lines.size(), 2u); // the section title and the total line
    EXPECT_EQ(lines[1].color, kBlack);
    // 1000 + 2000 + 3000 + 1000 + 500, the 5000 of debt not subtracted.
    const auto& ops = fx.surface.ops();
    std::string worth;
    for (std::size_t i = 0; i + 1 < ops.size(); ++i)
        if (ops[i].text == "Net Worth" && ops[i].align == TextAlign::Left) worth = ops[i + 1].text;
    EXPECT_EQ(worth, "7,500");
    // The end age line: 10000.5 rounds up.
    EXPECT_EQ(fx.valueRightOf("Age 62 Net Worth").text, "10,001");
    fx.expectSwatch("Investment Savings", seriesColor(1));
    fx.expectSwatch("Tax Free Savings", seriesColor(2)); // yellow: never the text's colour
}

TEST(SummaryLegend, HoveredNetWorthQuarterTurnsItsLabelBlue) {
    SummaryFixture fx;
    fx.state.hoveredQuarter = 1;
    fx.draw(GraphKind::NetWorth);
    EXPECT_EQ(fx.surface.textsEqual("Net Worth").back().color, seriesColor(0));
}

TEST(SummaryLegend, IncomingSectionSumsItsSixLines) {
    SummaryFixture fx;
    fx.row(0).deposits = 100;
    fx.row(0).taxableIncome = 200.25f;
    fx.row(0).nonTaxableIncome = 50;
    fx.row(0).incomeFromAssets = 25;
    fx.row(0).incomeFromEquity = 10;
    fx.row(0).totalIncoming = 9999; // the field itself is not shown
    fx.state.hoveredQuarter = 2;
    fx.draw(GraphKind::NetWorth);
    EXPECT_EQ(fx.valueRightOf("Total Incoming").text, "385");
    fx.expectSwatch("Deposits", seriesColor(1));
    EXPECT_EQ(fx.surface.textsEqual("Incoming").size(), 1u);
    EXPECT_TRUE(fx.surface.textsEqual("Investment Savings").empty());
}

TEST(SummaryLegend, RoundsHalvesAwayFromZero) {
    const struct {
        double in;
        long out;
    } cases[] = {{2.5, 3}, {2.49, 2}, {-2.5, -3}, {-2.4, -2}, {0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(roundToUnits(c.in), c.out) << c.in;
}

} // namespace
} // namespace finplan
