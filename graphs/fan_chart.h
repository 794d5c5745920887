// The fan chart of a many-trial analysis: per age, the band from the 10th to the 90th
// percentile, the band from the 25th to the 75th and the median line, on the same
// Surface as the graphs (screen, image, printer page, SVG).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace finplan {

struct FanChart {
    std::string title;
    int firstAge = 0;
    std::vector<std::array<float, 5>> bands; // per age: P10, P25, P50, P75, P90
};

inline constexpr Color kOuterBand = rgb(190, 210, 255);
inline constexpr Color kInnerBand = rgb(110, 150, 250);
inline constexpr Color kMedianLine = rgb(0, 0, 160);

// Draws into area; nothing but the title when there are no ages.
void drawFanChart(Surface& surface, const Rect& area, const FanChart& chart);

} // namespace finplan
