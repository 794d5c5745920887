// A graph of any named series over numbered columns, drawn with the renderer's own
// frame, axes, lines and legend: what the scenario comparison and the trade-off
// grapher show.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphs/graph_state.h"
#include "platform/surface.h"

namespace finplan {

struct LineGraph {
    std::string title; // on a printed page
    std::vector<std::string> names;
    std::vector<std::vector<float>> values; // [series][column]; NaN where there is no value
    std::vector<int> columnLabels;          // under each column: ages, periods
    std::array<std::string, 3> footers;     // the three lines under the graph
};

// Draws graph into window (one graph, legend as state's options say) and keeps its
// geometry in state.plot.
void drawLineGraph(Surface& surface, const Rect& window, const LineGraph& graph,
                   GraphWindowState& state);

} // namespace finplan
