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

// Every cycle of a history analysis on the same axes: one thin line per cycle, the
// cycles that ran dry in red.
struct CycleChart {
    std::string title;
    int firstAge = 0;
    std::vector<std::vector<float>> lines; // per cycle: one value per age
    std::vector<bool> failed;              // per cycle
    int highlighted = -1;                  // a cycle drawn on top, thicker
};

inline constexpr Color kLastedLine = rgb(70, 110, 200);
inline constexpr Color kRanDryLine = rgb(220, 30, 30);

void drawCycleChart(Surface& surface, const Rect& area, const CycleChart& chart);

} // namespace finplan
