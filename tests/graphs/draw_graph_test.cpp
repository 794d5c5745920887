#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graph_fixture.h"

namespace finplan {
namespace {

using test::GraphFixture;

// The incoming and outgoing graphs stop one row early: the final row only repeats
// the last year's tallies. Five rows give four segments, or three without the last row.
TEST(DrawGraph, YearTallyKindsLeaveOutTheLastRow) {
    const struct {
        int kind;
        std::size_t blueSegments;
    } cases[] = {{GraphKind::NetWorth, 4},
                 {GraphKind::InOut, 3},
                 {GraphKind::Incoming, 3},
                 {GraphKind::Outgoing, 3}};
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(5);
        for (int r = 0; r < 5; ++r) {
            fx.row(r).netWorth = 1000;
            fx.row(r).totalIncoming = 1000;
            fx.row(r).totalOutgoing = 1000;
        }
        fx.draw(c.kind);
        const auto lines = fx.linesIn(seriesColor(0));
        EXPECT_EQ(lines.size(), c.blueSegments) << "kind " << c.kind;
        // Every segment ends at or before the last drawn row's column.
        const int lastX =
            fx.state.plot.plotLeft + static_cast<int>(c.blueSegments) * fx.state.plot.columnWidth;
        for (const auto& op : lines)
            EXPECT_LE(op.points[1].x, lastX) << "kind " << c.kind;
    }
}

TEST(DrawGraph, SegmentsAlongZeroAreNotDrawn) {
    GraphFixture fx;
    fx.setRows(6);
    const float worth[] = {0, 0, 500, 0, 0, -0.0001f};
    for (int r = 0; r < 6; ++r)
        fx.row(r).netWorth = worth[r];
    fx.draw(GraphKind::NetWorth);
    const auto lines = fx.linesIn(seriesColor(0));
    // Only 0->500 and 500->0; 0->0 is skipped and 0->-0.0001 runs along the zero line.
    ASSERT_EQ(lines.size(), 2u);
    const int x0 = fx.state.plot.plotLeft;
    const int cw = fx.state.plot.columnWidth;
    EXPECT_EQ(lines[0].points[0].x, x0 + 1 * cw);
    EXPECT_EQ(lines[1].points[1].x, x0 + 3 * cw);
    // The other five series are all zero: no line of theirs at all.
    for (int s = 1; s < 6; ++s)
        EXPECT_TRUE(fx.linesIn(seriesColor(s)).empty()) << s;
}

// In each column the largest magnitude is drawn first, so a small bar stays in front.
TEST(DrawGraph, SmallBarIsDrawnAfterTheLargeOne) {
    for (int barStyle : {0, 2}) {
        GraphFixture fx;
        fx.setRows(3);
        fx.row(0).totalIncoming = 1000; // blue, larger in row 0
        fx.row(0).totalOutgoing = 200;  // red
        fx.row(1).totalIncoming = 100;
        fx.row(1).totalOutgoing = -900; // magnitude counts, not sign
        fx.state.options.lineStyle = 0;
        fx.state.options.barStyle = barStyle;
        fx.state.options.legendHidden = true;
        fx.draw(GraphKind::InOut);
        const OpKind shape = barStyle == 2 ? OpKind::Polygon : OpKind::Rect;
        const auto blue = fx.fillsOf(seriesColor(0), shape);
        const auto red = fx.fillsOf(seriesColor(1), shape);
        ASSERT_EQ(blue.size(), 2u) << barStyle; // the front faces (rows 0 and 1)
        ASSERT_EQ(red.size(), 2u) << barStyle;
        EXPECT_LT(blue[0], red[0]) << "row 0, style " << barStyle;
        EXPECT_LT(red[1], blue[1]) << "row 1, style " << barStyle;
    }
}

TEST(DrawGraph, ThreeDimensionalBarsStandLargestAtTheBack) {
    GraphFixture fx;
    fx.setRows(2);
    fx.row(0).totalIncoming = 1000;
    fx.row(0).totalOutgoing = 200;
    fx.state.options.lineStyle = 0;
    fx.state.options.barStyle = 2;
    fx.state.options.legendHidden = true;
    fx.draw(GraphKind::InOut);
    const auto& ops = fx.surface.ops();
    const auto& large = ops[fx.fillsOf(seriesColor(0), OpKind::Polygon)[0]];
    const auto& small = ops[fx.fillsOf(seriesColor(1), OpKind::Polygon)[0]];
    // Two series: the largest is set back by one bar depth, 1.3 x column / 2.
    const int depth = static_cast<int>(1.3 * fx.state.plot.columnWidth / 2);
    EXPECT_EQ(small.points[0].x, fx.state.plot.plotLeft);
    EXPECT_EQ(large.points[0].x, fx.state.plot.plotLeft + depth);
    EXPECT_EQ(small.points.size(), 4u);
}

// Few wide columns: the depth room keeps growing until the back wall fits, so the
// grid and the bars stay inside the window.
TEST(DrawGraph, ThreeDimensionalBackWallFitsWithFewRows) {
    GraphFixture fx;
    fx.setRows(3);
    for (int r = 0; r < 3; ++r) {
        fx.row(r).netWorth = 1000;
        fx.row(r).equity = 400;
    }
    fx.state.options.lineStyle = 0;
    fx.state.options.barStyle = 2;
    fx.draw(GraphKind::NetWorth);
    // x0 120, room 784: 1.3 col + 3 col must fit in 664, so col <= 154: depth room 200
    // (25 steps of 8, past twenty), (664 - 200) / 3 = 154; height 472 - 200 = 272 -> 270.
    EXPECT_EQ(fx.state.plot.columnWidth, 154);
    EXPECT_EQ(fx.state.plot.plotHeight, 270);
    auto inside = [&](Point p) {
        return p.x >= 0 && p.x <= fx.window.right && p.y >= 0 && p.y <= fx.window.bottom;
    };
    for (const auto& op : fx.surface.ops()) {
        const bool grid = op.kind == OpKind::Line && op.pen.color == kGrey;
        if (!grid && op.kind != OpKind::Polygon) continue;
        for (const Point& p : op.points)
            EXPECT_TRUE(inside(p)) << p.x << "," << p.y;
    }
}

// 800 x 600 window, line height 16, character width 8, ten rows.
TEST(DrawGraph, PlotGeometryOfEachLayout) {
    const struct {
        int layoutMode;
        int barStyle;
        int left, column, bottom, height;
        const char* why;
    } cases[] = {
        {0, 0, 120, 66, 504, 470, "bottom 600-6h; height 600-8h=472 cut to 470; (784-120)/10"},
        {1, 0, 124, 25, 244, 220, "quarter 4..392 x 4..292: bottom-3h, 288-4h=224 cut to 220"},
        {0, 2, 120, 58, 520, 390, "3-D: bottom-5h; depth room 80 (ten steps of c), 472-80=392"},
    };
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(10);
        fx.row(0).netWorth = 100;
        fx.state.layoutMode = c.layoutMode;
        fx.state.options.barStyle = c.barStyle;
        fx.state.options.lineStyle = c.barStyle == 2 ? 0 : 1;
        fx.draw(GraphKind::NetWorth);
        const PlotGeometry& g =
            c.layoutMode == 0 ? fx.state.plot
                              : fx.state.quarterPlots[static_cast<std::size_t>(c.layoutMode - 1)];
        SCOPED_TRACE(c.why);
        EXPECT_EQ(g.plotLeft, c.left);
        EXPECT_EQ(g.columnWidth, c.column);
        EXPECT_EQ(g.plotBottom, c.bottom);
        EXPECT_EQ(g.plotHeight, c.height);
        EXPECT_EQ(g.plotWidth, 10 * c.column);
    }
}

TEST(DrawGraph, NegativeValueLabelsAreRed) {
    GraphFixture fx;
    fx.setRows(3);
    fx.row(0).netWorth = 50000;
    fx.row(1).investmentSavings = -3000; // minimum counts from the second row on
    fx.draw(GraphKind::NetWorth);
    // Axis -6380 .. 57420 in steps of 6380, labels without cents.
    const auto negative = fx.surface.textsEqual("-6,380");
    ASSERT_EQ(negative.size(), 1u);
    EXPECT_EQ(negative[0].color, kNegative);
    for (const char* label : {"0", "6,380", "57,420"}) {
        const auto t = fx.surface.textsEqual(label);
        ASSERT_EQ(t.size(), 1u) << label;
        EXPECT_EQ(t[0].color, kBlack) << label;
        EXPECT_EQ(t[0].align, TextAlign::Right) << label;
    }
    EXPECT_FLOAT_EQ(fx.state.plot.axisMin, -6380);
}

// Value labels end a quarter column and a tick before the value axis, but never start
// outside the area: with wide columns they all move right to fit the widest label.
TEST(DrawGraph, ValueLabelsStayInsideTheArea) {
    const struct {
        int rows;
        int right;
        const char* why;
    } cases[] = {
        // x0 = 15c = 120, plot room 784 - 120 = 664, tick 4.
        {40, 112, "column 664/40 = 16: 120 - 16/4 - 4"},
        {2, 76, "column 332: 120 - 83 - 4 = 33 would cut \"1,210,000\" (72 wide); 4 + 72"},
    };
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(c.rows);
        fx.row(0).netWorth = 1000000; // axis 0 .. 1,210,000
        fx.draw(GraphKind::NetWorth);
        SCOPED_TRACE(c.why);
        for (const char* label : {"1,210,000", "0"}) {
            const auto t = fx.surface.textsEqual(label);
            ASSERT_EQ(t.size(), 1u) << label;
            EXPECT_EQ(t[0].points[0].x, c.right) << label;
        }
    }
}

// The first row's minimum and a series above the net worth are inside the axis too:
// -3000 to 5000 rounds out to -3740 (a grid line on zero) up to 5610.
TEST(DrawGraph, NetWorthAxisHoldsEverySeriesAndTheFirstRow) {
    GraphFixture fx;
    fx.setRows(3);
    fx.row(0).netWorth = 5000;
    fx.row(0).equity = -3000;
    fx.draw(GraphKind::NetWorth);
    EXPECT_FLOAT_EQ(fx.state.plot.axisMin, -3740);
    EXPECT_FLOAT_EQ(fx.state.plot.axisSpan, 9350);
    fx.row(1).assets = 9000; // above every net worth
    fx.draw(GraphKind::NetWorth);
    EXPECT_GE(fx.state.plot.axisMin + fx.state.plot.axisSpan, 9000);
}

TEST(DrawGraph, PrinterPageUsesWideLinesAndLongTicks) {
    const struct {
        bool printing;
        int kind;
        int width;
    } cases[] = {{false, GraphKind::NetWorth, 2},
                 {true, GraphKind::NetWorth, 8},
                 {true, GraphKind::Groups, 8},
                 {true, GraphKind::Accounts, 2}};
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(3);
        for (int r = 0; r < 3; ++r) {
            fx.row(r).netWorth = 1000.0f * (r + 1);
            fx.series->accountBalances[static_cast<std::size_t>(r)][0] = 500.0f * (r + 1);
        }
        fx.series->accountCount = 1;
        fx.series->accountNames[0] = "Savings";
        fx.scenario->accounts.accountCount = 1;
        fx.scenario->accounts.accounts[0].groupIndex = 0;
        std::snprintf(fx.scenario->groups.groupName[0], kGroupNameWidth, "Cash");
        fx.state.options.printing = c.printing;
        fx.window = Rect{0, 0, 3000, 2000};
        fx.draw(c.kind, 0, 1);
        const auto lines = fx.linesIn(seriesColor(0));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines[0].pen.width, c.width) << "kind " << c.kind << " printing " << c.printing;
        // The tick on the value axis at the plot bottom.
        const int x0 = fx.state.plot.plotLeft;
        const int y = fx.state.plot.plotBottom;
        const int half = c.printing ? 8 : 2;
        const auto& ops = fx.surface.ops();
        const bool tick = std::any_of(ops.begin(), ops.end(), [&](const SurfaceOp& op) {
            return op.kind == OpKind::Line && op.pen.color == kBlack &&
                   op.points[0] == Point{x0 - half, y} && op.points[1] == Point{x0 + half, y};
        });
        EXPECT_TRUE(tick) << "printing " << c.printing;
        EXPECT_EQ(fx.surface
                      .textsEqual(c.kind == GraphKind::NetWorth ? "NET WORTH"
                                  : c.kind == GraphKind::Groups ? "GROUPS"
                                                                : "ACCOUNTS")
                      .size(),
                  c.printing ? 1u : 0u);
    }
}

TEST(DrawGraph, LegendBeforeOrAfterTheSeriesOrNotAtAll) {
    const struct {
        int legendAfter;
        bool hidden;
        int layoutMode;
        int expect; // -1 no legend, 0 before the series, 1 after
    } cases[] = {{0, false, 0, 0}, {1, false, 0, 1}, {0, true, 0, -1}, {0, false, 1, -1}};
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(3);
        for (int r = 0; r < 3; ++r)
            fx.row(r).netWorth = 100;
        fx.state.options.legendAfter = c.legendAfter;
        fx.state.options.legendHidden = c.hidden;
        fx.state.layoutMode = c.layoutMode;
        fx.draw(GraphKind::NetWorth);
        const auto names = fx.surface.textsEqual("Investment Accounts");
        const auto& ops = fx.surface.ops();
        if (c.expect < 0) {
            EXPECT_TRUE(names.empty());
            continue;
        }
        ASSERT_EQ(names.size(), 1u);
        std::size_t legendAt = 0, lineAt = 0;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            if (ops[i].kind == OpKind::Text && ops[i].text == "Investment Accounts") legendAt = i;
            if (ops[i].kind == OpKind::Line && ops[i].pen.color == seriesColor(0) && lineAt == 0)
                lineAt = i;
        }
        EXPECT_EQ(legendAt > lineAt, c.expect == 1) << "legendAfter " << c.legendAfter;
    }
}

TEST(DrawGraph, GroupsSumTheirAccountsAndSkipShortNames) {
    GraphFixture fx;
    fx.setRows(2);
    fx.series->accountCount = 3;
    fx.scenario->accounts.accountCount = 3;
    const int groupOf[] = {1, 1, 2};
    const float balances[] = {100, 250, 900};
    for (int i = 0; i < 3; ++i) {
        fx.series->accountGroups[static_cast<std::size_t>(i)] = static_cast<int16_t>(groupOf[i]);
        for (int r = 0; r < 2; ++r)
            fx.series->accountBalances[static_cast<std::size_t>(r)][static_cast<std::size_t>(i)] =
                balances[i];
    }
    std::snprintf(fx.scenario->groups.groupName[1], kGroupNameWidth, "Bank");
    std::snprintf(fx.scenario->groups.groupName[2], kGroupNameWidth, "X"); // too short
    const GraphSeriesSet set = collectSeries(GraphKind::Groups, 0, 0, 1, fx.source());
    ASSERT_EQ(set.names.size(), 1u);
    EXPECT_EQ(set.names[0], "Bank");
    EXPECT_FLOAT_EQ(set.values[0][1], 350);
}

TEST(DrawGraph, AccountPageIsCutToTheAccountsOfTheRun) {
    GraphFixture fx;
    fx.setRows(2);
    fx.series->accountCount = 12;
    fx.scenario->accounts.accountCount = 12;
    for (int i = 0; i < 12; ++i)
        fx.series->accountNames[static_cast<std::size_t>(i)] = "A";
    EXPECT_EQ(collectSeries(GraphKind::Accounts, 10, 20, 1, fx.source()).names.size(), 2u);
    EXPECT_EQ(collectSeries(GraphKind::Accounts, 40, 50, 1, fx.source()).names.size(), 0u);
    EXPECT_EQ(collectSeries(GraphKind::Accounts, -5, 99, 1, fx.source()).names.size(), 12u);
}

TEST(DrawGraph, NoRowsDrawsNoPlot) {
    GraphFixture fx;
    fx.series->plotRowCount = -1;
    fx.draw(GraphKind::NetWorth);
    EXPECT_FALSE(fx.state.plot.drawn);
    fx.state.layoutMode = 4;
    fx.draw(GraphKind::NetWorth); // the Summary legend with nothing to list
    EXPECT_TRUE(fx.surface.textsEqual("Age").empty());
}

// Tables filled from a damaged file must not hang or fault the renderer.
TEST(DrawGraph, DamagedValuesDrawWithoutFault) {
    GraphFixture fx;
    fx.setRows(4);
    fx.row(1).age = NAN;
    fx.row(2).netWorth = INFINITY;
    fx.row(2).totalIncoming = -INFINITY;
    fx.row(3).investmentSavings = 3e38f;
    fx.row(3).taxFreeSavings = 3e38f;
    fx.row(3).withdrawals = NAN;
    fx.scenario->initial.endAge = NAN;
    for (int kind : {1, 2, 3, 4, 5, 7})
        fx.draw(kind);
    fx.state.previousKind = GraphKind::NetWorth;
    fx.state.selectedRow = 3;
    fx.draw(GraphKind::Pie);
    EXPECT_TRUE(fx.surface.opsOfKind(OpKind::Pie).empty()); // the total overflowed
    fx.state.hoveredQuarter = 3;
    drawSummary(fx.surface, fx.window, 3, fx.state, fx.source());
    fx.state.selectedRow = 99; // out of the table's filled rows
    drawSummary(fx.surface, fx.window, 3, fx.state, fx.source());
    EXPECT_EQ(fx.surface.textsEqual("Age").size(), 2u);
}

TEST(DrawGraph, AgeLabelsThinOutInANarrowPlot) {
    GraphFixture fx;
    fx.setRows(40);
    fx.window = Rect{0, 0, 400, 300}; // room 264: columns of 6, plot 240 wide
    fx.draw(GraphKind::NetWorth);
    // 240 < 40*24 and 240 < 20*24, not < 10*24: every fifth row is labelled.
    EXPECT_EQ(fx.surface.textsEqual("60").size(), 1u);
    EXPECT_EQ(fx.surface.textsEqual("65").size(), 1u);
    EXPECT_TRUE(fx.surface.textsEqual("61").empty());
    EXPECT_TRUE(fx.surface.textsEqual("64").empty());
}

} // namespace
} // namespace finplan
