// The fan chart of an analysis over values a damaged scenario can give (no number,
// infinities, the largest floats): it draws, and no place on the page comes from a
// conversion out of an int's range (the sanitizer build checks every one).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphs/fan_chart.h"
#include "graphs/recording_surface.h"

namespace finplan {
namespace {

TEST(FanChart, DamagedValuesDrawWithinBounds) {
    const float big = std::numeric_limits<float>::max();
    FanChart chart{"NET WORTH IN 3 TRIALS", 60, {}};
    chart.bands.push_back({0, 1000, 2000, 3000, 4000});
    chart.bands.push_back({-INFINITY, -big, NAN, big, INFINITY});
    chart.bands.push_back({NAN, NAN, NAN, NAN, NAN});
    RecordingSurface surface;
    drawFanChart(surface, Rect{0, 0, 900, 560}, chart);
    ASSERT_FALSE(surface.ops().empty());
    bool titled = false;
    for (const SurfaceOp& op : surface.ops())
        titled = titled || op.text == chart.title;
    EXPECT_TRUE(titled);
}

} // namespace
} // namespace finplan
