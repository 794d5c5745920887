// Text near framed panels: every line's cell must stay clear of the panel's outline and
// bevel, which take two units inside each edge.
#include <gtest/gtest.h>

#include "graph_fixture.h"

namespace finplan {
namespace {

using test::GraphFixture;

constexpr int kBevel = 2;
constexpr int kLine = 16; // the recording surface's line height
constexpr int kChar = 8;  // and its character width

bool inside(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

Rect cellOf(const SurfaceOp& text) {
    const int w = static_cast<int>(text.text.size()) * kChar;
    const Point at = text.points[0];
    return Rect{at.x, at.y, at.x + w, at.y + kLine};
}

TEST(GraphTextRoom, FootersAndLegendNamesStayInsideTheirFrames) {
    const struct {
        int kind;
        const char* first;
        const char* last;
    } cases[] = {{GraphKind::NetWorth, "Net Worth", "Equity"},
                 {GraphKind::Incoming, "Total Incoming", "Equity"},
                 {GraphKind::Outgoing, "Total Outgoing", "Penalties Paid"}};
    for (const auto& c : cases) {
        GraphFixture fx;
        fx.setRows(4);
        fx.series->timeText = "9:35:07 PM";
        fx.draw(c.kind);
        const Rect window = fx.window;
        const Rect clear{window.left + kBevel, window.top + kBevel, window.right - kBevel,
                         window.bottom - kBevel};
        const auto time = fx.surface.textsEqual("Time: 9:35:07 PM");
        ASSERT_EQ(time.size(), 1u) << c.kind;
        EXPECT_TRUE(inside(clear, cellOf(time[0]))) << "footer, kind " << c.kind;

        // The legend panel is the outline round the first name.
        const Point firstAt = fx.surface.textsEqual(c.first).at(0).points[0];
        Rect panel;
        for (const auto& op : fx.surface.opsOfKind(OpKind::Rect))
            if (!op.fill && op.pen.color == kBlack && op.box.left < firstAt.x &&
                op.box.top < firstAt.y && op.box.right > firstAt.x)
                panel = op.box;
        ASSERT_GT(panel.width(), 0) << c.kind;
        const Rect room{panel.left + kBevel, panel.top + kBevel, panel.right - kBevel,
                        panel.bottom - kBevel};
        for (const auto& op : fx.surface.opsOfKind(OpKind::Text)) {
            if (op.points[0].y >= panel.top && op.points[0].y < panel.bottom &&
                op.points[0].x > panel.left) {
                EXPECT_TRUE(inside(room, cellOf(op))) << op.text << ", kind " << c.kind;
            }
        }
        EXPECT_TRUE(inside(room, cellOf(fx.surface.textsEqual(c.last).at(0)))) << c.kind;
        // The margin between the strips and the bevel is painted too: nothing drawn
        // before the legend shows through inside its frame.
        bool covered = false;
        for (const auto& op : fx.surface.opsOfKind(OpKind::FillRect))
            covered = covered ||
                      (op.fill && *op.fill == fx.state.options.buttonFace && inside(op.box, room));
        EXPECT_TRUE(covered) << c.kind;
    }
}

TEST(GraphTextRoom, QuarterCaptionsEndAboveTheQuarterFrame) {
    GraphFixture fx;
    fx.setRows(4);
    fx.state.graphKind = GraphKind::NetWorth;
    drawSummary(fx.surface, fx.window, fx.series->plotRowCount, fx.state, fx.source());
    // Quarters of 800 x 600 end 4 margin + 4 shadow room before 300 and 600.
    const struct {
        const char* caption;
        int bottom;
    } cases[] = {{"Net Worth", 292}, {"Incoming", 292}, {"Outgoing", 592}};
    for (const auto& c : cases) {
        const auto caption = fx.surface.textsEqual(c.caption);
        ASSERT_FALSE(caption.empty()) << c.caption; // the quarters come before the legend
        EXPECT_LE(cellOf(caption.front()).bottom, c.bottom - kBevel) << c.caption;
    }
}

} // namespace
} // namespace finplan
