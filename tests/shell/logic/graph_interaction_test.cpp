// The graph window's mouse and keys without a display: graphs are drawn on a recording
// surface, which leaves their geometry behind, and the input is handed in as events.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "graphs/draw_graph.h"
#include "graphs/recording_surface.h"
#include "shell/logic/graph_interaction.h"

namespace finplan {
namespace {

struct InteractionFixture {
    std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    GraphInteraction graphs{*series, *scenario};
    RecordingSurface surface;
    Rect window{0, 0, 800, 600};

    explicit InteractionFixture(int rows) {
        series->plotRowCount = rows - 1;
        for (int r = 0; r < rows; ++r)
            series->rows[static_cast<std::size_t>(r)].age = 60.0f + r;
        scenario->initial.startAge = 60;
        scenario->initial.endAge = 60.0f + rows - 1;
        graphs.setWindow(window);
    }
    PlotRow& row(int r) { return series->rows[static_cast<std::size_t>(r)]; }
    GraphWindowState& st() { return graphs.windowState(); }

    void draw() {
        surface.clear();
        const GraphSource source{*series, *scenario};
        const ShownGraph g = graphs.shownGraph();
        if (graphs.summary())
            drawSummary(surface, window, series->plotRowCount, st(), source);
        else
            drawGraph(surface, window, g.kind, g.firstAccount, g.lastAccount, series->plotRowCount,
                      st(), source);
    }
    GraphResponse send(GraphInputKind kind, Point at, MouseButton b = MouseButton::Left) {
        return graphs.handleGraphInput(GraphInput{kind, at, b, GraphKey::Other});
    }
    GraphResponse press(Point at) { return send(GraphInputKind::ButtonDown, at); }
    GraphResponse key(GraphKey k) {
        return graphs.handleGraphInput(GraphInput{GraphInputKind::Key, {}, MouseButton::Left, k});
    }
    // A point in column `column` of a plot at height fraction f of it (0 bottom, 1 top).
    static Point inPlot(const PlotGeometry& p, int column, double f) {
        return Point{p.plotLeft + column * p.columnWidth + p.columnWidth / 4,
                     p.plotBottom - static_cast<int>(f * p.plotHeight)};
    }
};

// One account in group 1 ("Bank"), so the accounts and groups graphs have a series.
void oneAccount(InteractionFixture& fx, int row, float balance) {
    fx.series->accountCount = 1;
    fx.scenario->accounts.accountCount = 1;
    fx.series->accountGroups[0] = 1;
    fx.series->accountNames[0] = "Savings";
    std::snprintf(fx.scenario->groups.groupName[1], kGroupNameWidth, "Bank");
    fx.series->accountBalances[static_cast<std::size_t>(row)][0] = balance;
}

TEST(GraphInteraction, PopupShowsTheValueAtTheMouseHeightForEveryKind) {
    // Each kind's axis is scaled from a largest value of 5000 with nothing below zero:
    // 0 to 6050 (5000 reduces to 0.5 with unit 1000, trunc(5.5) x 1000 x 1.1 = 5500,
    // then one step of 550 more is needed to clear 5000 + 550). The top of the plot is
    // 6050 and its middle 3025.
    struct Case {
        int kind;
        int field; // PlotRow field carrying the 5000, or -1 for the account balance
    };
    const Case cases[] = {{GraphKind::NetWorth, 6},  {GraphKind::InOut, 7},
                          {GraphKind::Incoming, 7},  {GraphKind::Outgoing, 11},
                          {GraphKind::Accounts, -1}, {GraphKind::Groups, -1}};
    for (const Case& c : cases) {
        InteractionFixture fx(4);
        if (c.field >= 0) fx.row(1).setField(c.field, 5000);
        oneAccount(fx, 1, c.field >= 0 ? 0.0f : 5000.0f);
        fx.graphs.enterFolder(false, c.kind, 0, 1);
        fx.draw();
        const PlotGeometry plot = fx.st().plot;
        ASSERT_TRUE(plot.drawn) << "kind " << c.kind;
        EXPECT_FLOAT_EQ(plot.axisMin, 0) << "kind " << c.kind;
        EXPECT_FLOAT_EQ(plot.axisSpan, 6050) << "kind " << c.kind;

        GraphResponse top = fx.press(InteractionFixture::inPlot(plot, 2, 1.0));
        ASSERT_TRUE(top.popup) << "kind " << c.kind;
        EXPECT_EQ(top.popup->lines, std::vector<std::string>{"6,050.00"}) << "kind " << c.kind;
        EXPECT_EQ(fx.st().selectedRow, 2) << "kind " << c.kind;
        EXPECT_EQ(fx.st().popupKind, 1);
        EXPECT_TRUE(fx.send(GraphInputKind::ButtonUp, {}).hidePopup);
        EXPECT_EQ(fx.st().popupKind, 0);

        GraphResponse mid = fx.press(InteractionFixture::inPlot(plot, 0, 0.5));
        ASSERT_TRUE(mid.popup);
        EXPECT_EQ(mid.popup->lines[0], "3,025.00") << "kind " << c.kind;
        EXPECT_EQ(fx.st().selectedRow, 0);
    }
}

TEST(GraphInteraction, PopupBelowZeroIsMinusAndTheGroupedMagnitude) {
    // From -3000 to 50000 the axis starts at -6380 (the documented scale of that range).
    InteractionFixture fx(3);
    fx.row(0).netWorth = 50000;
    fx.row(1).investmentSavings = -3000;
    fx.graphs.enterFolder(false, GraphKind::NetWorth);
    fx.draw();
    const PlotGeometry plot = fx.st().plot;
    ASSERT_FLOAT_EQ(plot.axisMin, -6380);
    GraphResponse r = fx.press(Point{plot.plotLeft + 1, plot.plotBottom});
    ASSERT_TRUE(r.popup);
    EXPECT_EQ(r.popup->lines[0], "-6,380.00");
}

TEST(GraphInteraction, ClicksOffThePlotAndInThreeDimensionsShowNothing) {
    InteractionFixture fx(4);
    fx.row(0).netWorth = 1000;
    fx.graphs.enterFolder(false, GraphKind::NetWorth);
    fx.draw();
    EXPECT_FALSE(fx.press(Point{2, 2}).popup);
    fx.send(GraphInputKind::MouseMove, Point{2, 2});
    EXPECT_FALSE(fx.graphs.crossCursor());
    const Point in = InteractionFixture::inPlot(fx.st().plot, 1, 0.5);
    fx.send(GraphInputKind::MouseMove, in);
    EXPECT_TRUE(fx.graphs.crossCursor());

    fx.st().options.lineStyle = 0;
    fx.st().options.barStyle = 2;
    fx.draw();
    EXPECT_FALSE(fx.press(InteractionFixture::inPlot(fx.st().plot, 1, 0.5)).popup);

    // Nothing answers while a tool window is open.
    fx.st().options.barStyle = 0;
    fx.draw();
    fx.graphs.inputBlocked = [] { return true; };
    EXPECT_FALSE(fx.press(InteractionFixture::inPlot(fx.st().plot, 1, 0.5)).popup);
}

TEST(GraphInteraction, FlatBarsSelectTheNearestColumnBoundary) {
    InteractionFixture fx(6);
    fx.row(0).netWorth = 1000;
    fx.graphs.enterFolder(false, GraphKind::NetWorth);
    fx.st().options.lineStyle = 0;
    fx.draw();
    const PlotGeometry p = fx.st().plot;
    ASSERT_GT(p.columnWidth, 8);
    const int y = p.plotBottom - p.plotHeight / 2;
    // A quarter into column 2 is nearest boundary 2; three quarters in, boundary 3.
    fx.press(Point{p.plotLeft + 2 * p.columnWidth + p.columnWidth / 4, y});
    EXPECT_EQ(fx.st().selectedRow, 2);
    fx.press(Point{p.plotLeft + 2 * p.columnWidth + p.columnWidth * 3 / 4, y});
    EXPECT_EQ(fx.st().selectedRow, 3);
    // In line style the column under the mouse counts.
    fx.st().options.lineStyle = 1;
    fx.draw();
    fx.press(Point{p.plotLeft + 2 * p.columnWidth + p.columnWidth * 3 / 4, y});
    EXPECT_EQ(fx.st().selectedRow, 2);
}

TEST(GraphInteraction, DoubleClickShowsThePieOfThatAgeAndBack) {
    InteractionFixture fx(4);
    for (int r = 0; r < 4; ++r)
        fx.row(r).netWorth = 400;
    fx.row(2).investmentSavings = 100; // 0 to 90 degrees, clockwise from the right
    fx.row(2).taxFreeSavings = 300;    // 90 to 360 degrees
    fx.graphs.enterFolder(false, GraphKind::NetWorth);
    fx.draw();
    GraphResponse r =
        fx.send(GraphInputKind::DoubleClick, InteractionFixture::inPlot(fx.st().plot, 2, 0.5));
    EXPECT_TRUE(r.redraw);
    EXPECT_EQ(fx.st().graphKind, GraphKind::Pie);
    EXPECT_EQ(fx.st().previousKind, GraphKind::NetWorth);
    EXPECT_EQ(fx.st().selectedRow, 2);

    fx.draw();
    const PieGeometry pie = fx.st().pie;
    ASSERT_TRUE(pie.drawn);
    ASSERT_GT(pie.radius, 20);
    const Point o = pie.centre;
    const int d = pie.radius / 2;
    // Below and right of the centre: within the first quarter turn.
    GraphResponse slice = fx.press(Point{o.x + d, o.y + d / 2});
    ASSERT_TRUE(slice.popup);
    EXPECT_EQ(slice.popup->lines, (std::vector<std::string>{"Investment Accounts", "100.00"}));
    // Above the centre: past half a turn.
    slice = fx.press(Point{o.x, o.y - d});
    ASSERT_TRUE(slice.popup);
    EXPECT_EQ(slice.popup->lines, (std::vector<std::string>{"Tax-free Accounts", "300.00"}));
    // The centre itself still picks a slice (taken half a unit out, to the right).
    ASSERT_TRUE(fx.press(o).popup);
    EXPECT_EQ(fx.press(o).popup->lines[0], "Investment Accounts");
    // The legend entry on the second line shows its value alone.
    GraphResponse entry =
        fx.press(Point{pie.legend.left + 10, pie.legendTop + pie.lineHeight + pie.lineHeight / 2});
    ASSERT_TRUE(entry.popup);
    EXPECT_EQ(entry.popup->lines, std::vector<std::string>{"300.00"});
    EXPECT_EQ(fx.st().popupKind, 2);

    // A left double-click anywhere goes back to the graph.
    r = fx.send(GraphInputKind::DoubleClick, Point{1, 1});
    EXPECT_TRUE(r.redraw);
    EXPECT_EQ(fx.st().graphKind, GraphKind::NetWorth);
}

TEST(GraphInteraction, SummaryDoubleClickGivesEachQuarterItsPie) {
    InteractionFixture fx(4);
    fx.row(1).netWorth = 500;
    fx.graphs.enterFolder(true, 0);
    fx.draw();
    const PlotGeometry q2 = fx.st().quarterPlots[1];
    ASSERT_TRUE(q2.drawn);
    fx.send(GraphInputKind::DoubleClick, InteractionFixture::inPlot(q2, 1, 0.5));
    EXPECT_EQ(fx.st().graphKind, GraphKind::Pie);
    EXPECT_EQ(fx.st().selectedRow, 1);
    fx.draw();
    for (const PieGeometry& p : fx.st().quarterPies)
        EXPECT_TRUE(p.drawn);
    EXPECT_EQ(fx.st().quarterPies[0].mode, GraphKind::NetWorth);
    EXPECT_EQ(fx.st().quarterPies[1].mode, GraphKind::Incoming);
    EXPECT_EQ(fx.st().quarterPies[2].mode, GraphKind::Outgoing);
    fx.send(GraphInputKind::DoubleClick, Point{1, 1});
    EXPECT_EQ(fx.st().graphKind, GraphKind::NetWorth);
}

TEST(GraphInteraction, SummaryArrowsStopAtTheFirstAndLastRow) {
    InteractionFixture fx(3);
    fx.row(0).netWorth = 500;
    fx.graphs.enterFolder(true, 0);
    fx.draw();
    const PlotGeometry q1 = fx.st().quarterPlots[0];
    const Point start = InteractionFixture::inPlot(q1, 0, 0.5);
    fx.send(GraphInputKind::MouseMove, start);
    EXPECT_EQ(fx.st().hoveredQuarter, 1);
    fx.press(start);
    ASSERT_EQ(fx.st().selectedRow, 0);

    GraphResponse r = fx.key(GraphKey::Left); // already at the first row
    EXPECT_EQ(fx.st().selectedRow, 0);
    EXPECT_FALSE(r.moveMouse);

    r = fx.key(GraphKey::Right);
    EXPECT_EQ(fx.st().selectedRow, 1);
    EXPECT_TRUE(r.redrawLegendQuarter);
    ASSERT_TRUE(r.moveMouse);
    EXPECT_EQ(r.moveMouse->x, start.x + q1.columnWidth);
    fx.key(GraphKey::Right);
    EXPECT_EQ(fx.st().selectedRow, 2);
    r = fx.key(GraphKey::Right); // the last row: no further
    EXPECT_EQ(fx.st().selectedRow, 2);
    EXPECT_FALSE(r.moveMouse);

    // Down goes to the same point of the incoming quarter, Up back round the other way.
    const Point at = Point{start.x + 2 * q1.columnWidth, start.y};
    r = fx.key(GraphKey::Down);
    ASSERT_TRUE(r.moveMouse);
    EXPECT_EQ(fx.st().hoveredQuarter, 2);
    EXPECT_EQ(r.moveMouse->x - at.x, 800 / 2);
    EXPECT_EQ(r.moveMouse->y, at.y);
    fx.key(GraphKey::Up);
    EXPECT_EQ(fx.st().hoveredQuarter, 1);
    r = fx.key(GraphKey::Up);
    EXPECT_EQ(fx.st().hoveredQuarter, 3);
    EXPECT_EQ(r.moveMouse->y - at.y, 600 / 2);

    // With the pies shown Left and Right do nothing.
    fx.st().graphKind = GraphKind::Pie;
    fx.key(GraphKey::Left);
    EXPECT_EQ(fx.st().selectedRow, 2);
}

TEST(GraphInteraction, RightDoubleClickCyclesTheStyle) {
    InteractionFixture fx(5);
    fx.graphs.enterFolder(false, GraphKind::Incoming);
    GraphOptions& o = fx.st().options;
    auto cycle = [&] { fx.send(GraphInputKind::DoubleClick, Point{5, 5}, MouseButton::Right); };
    cycle();
    EXPECT_EQ(o.lineStyle, 0);
    EXPECT_NE(o.barStyle, 2);
    cycle();
    EXPECT_EQ(o.lineStyle, 0);
    EXPECT_EQ(o.barStyle, 2);
    cycle();
    EXPECT_EQ(o.lineStyle, 1);
    EXPECT_EQ(o.barStyle, 0);

    // From a pie: back to the graph, and the style moves on.
    fx.st().graphKind = GraphKind::Pie;
    fx.st().previousKind = GraphKind::Incoming;
    cycle();
    EXPECT_EQ(fx.st().graphKind, GraphKind::Incoming);
    EXPECT_EQ(o.lineStyle, 0);

    // Two rows are too few for bars.
    InteractionFixture two(2);
    two.graphs.enterFolder(false, GraphKind::NetWorth);
    two.send(GraphInputKind::DoubleClick, Point{5, 5}, MouseButton::Right);
    EXPECT_EQ(two.st().options.lineStyle, 1);
    EXPECT_EQ(two.st().options.barStyle, 0);
}

TEST(GraphInteraction, LegendKeysAndTheSummaryDefaults) {
    InteractionFixture fx(3);
    fx.graphs.enterFolder(false, GraphKind::Outgoing);
    GraphOptions& o = fx.st().options;
    EXPECT_TRUE(fx.key(GraphKey::N).redraw);
    EXPECT_TRUE(o.legendHidden);
    fx.key(GraphKey::L);
    EXPECT_FALSE(o.legendHidden);
    EXPECT_EQ(o.legendAfter, 1);
    fx.key(GraphKey::L);
    EXPECT_EQ(o.legendAfter, 0);
    // Not on a pie.
    fx.st().graphKind = GraphKind::Pie;
    EXPECT_FALSE(fx.key(GraphKey::N).redraw);
    EXPECT_FALSE(o.legendHidden);

    // The Summary starts over as net worth lines; the legend options stay.
    o.lineStyle = 0;
    o.barStyle = 2;
    fx.st().selectedRow = 2;
    fx.graphs.enterFolder(true, 0);
    EXPECT_EQ(fx.st().graphKind, GraphKind::NetWorth);
    EXPECT_EQ(o.lineStyle, 1);
    EXPECT_EQ(o.barStyle, 0);
    EXPECT_EQ(fx.st().selectedRow, 2);
}

} // namespace
} // namespace finplan
