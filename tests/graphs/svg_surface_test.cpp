#include <gtest/gtest.h>

#include <numbers>

#include "graphs/svg_surface.h"

namespace finplan {
namespace {

TEST(SvgSurface, EscapesTextAndDropsControlCharacters) {
    SvgSurface svg(100, 50);
    svg.text(Point{1, 2}, "A&B <c>\x01", rgb(255, 0, 0), TextAlign::Left, std::nullopt);
    const std::string doc = svg.document();
    EXPECT_NE(doc.find(">A&amp;B &lt;c&gt;</text>"), std::string::npos) << doc;
    EXPECT_NE(doc.find("fill=\"rgb(255,0,0)\""), std::string::npos);
}

TEST(SvgSurface, SectorsSweepClockwiseAndTakeTheLargeArcPastHalf) {
    SvgSurface svg(100, 100);
    svg.pie(Rect{0, 0, 100, 100}, 0, 1.5 * std::numbers::pi, Pen{}, rgb(0, 0, 255));
    svg.pie(Rect{0, 0, 100, 100}, 0, 0.5 * std::numbers::pi, Pen{}, rgb(0, 0, 255));
    const std::string doc = svg.document();
    EXPECT_NE(doc.find("A50.00,50.00 0 1 1 50.00,0.00"), std::string::npos) << doc;
    EXPECT_NE(doc.find("A50.00,50.00 0 0 1 50.00,100.00"), std::string::npos) << doc;
}

TEST(SvgSurface, FixedPitchMetricsFollowTheFontHeight) {
    SvgSurface svg(100, 100, 14);
    const FontMetrics m = svg.metrics();
    EXPECT_EQ(m.height, 14);
    EXPECT_EQ(svg.textWidth("abcd"), 29); // 14 / 1.164 x 0.602 = 7.24 per glyph
    svg.setFont(FontSpec{"", 28, true, false});
    EXPECT_EQ(svg.metrics().height, 28);
}

} // namespace
} // namespace finplan
