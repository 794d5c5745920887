// What the graph window keeps between draws: the drawing options, the interaction
// state and the geometry of what was drawn last, for pointing at values later.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "graphs/graph_palette.h"
#include "platform/surface.h"

namespace finplan {

// The graph kinds, numbered as the plot file's header stores them. None stands for
// no single graph: the Summary folder and the folders that are not graphs. Written
// GraphKind::NetWorth; plain ints (the plot file, the folder tables) compare with them.
namespace graph_kind {
enum Kind : int {
    None = 0,
    NetWorth = 1,
    InOut = 2,
    Incoming = 3,
    Outgoing = 4,
    Accounts = 5,
    Pie = 6,
    Groups = 7,
};
} // namespace graph_kind
using GraphKind = graph_kind::Kind;

struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct GraphOptions {
    int lineStyle = 1;   // 1 lines, 0 bars
    int barStyle = 0;    // 2 three-dimensional bars and axes
    int legendAfter = 0; // 1: the legend covers the series
    bool legendHidden = false;
    bool printing = false; // drawing on a printer page
    PageMargins margins;   // page setup margins, used when printing
    Color buttonFace = kDefaultButtonFace;
};

// Where a graph's plot landed and its value scale.
struct PlotGeometry {
    bool drawn = false;
    int plotLeft = 0;
    int columnWidth = 0;
    int plotBottom = 0;
    int plotHeight = 0;
    int plotWidth = 0;
    int rowCount = 0;
    float axisMin = 0;
    float axisSpan = 1;
};

// Where a pie landed and the running totals of its slices.
struct PieGeometry {
    bool drawn = false;
    int mode = 0;
    Point centre;
    int radius = 0;
    float total = 0;
    std::vector<float> runningTotals; // per component, after adding it
    std::vector<float> values;        // per component as stored
    std::vector<std::string> names;
    Rect legend;       // the legend lines (empty in quarters)
    int legendTop = 0; // top of the first legend line
    int lineHeight = 0;
};

struct GraphWindowState {
    int layoutMode = 0; // 0 one graph; 1..4 the Summary quarters while drawing, 4 between
    int graphKind = GraphKind::NetWorth;
    int previousKind = GraphKind::NetWorth;
    int selectedRow = 0;
    int hoveredQuarter = 0;
    int popupKind = 0;
    GraphOptions options;

    PlotGeometry plot;                        // the single graph drawn last
    PieGeometry pie;                          // the single pie drawn last
    std::array<PlotGeometry, 3> quarterPlots; // Summary quarters 1, 2, 3
    std::array<PieGeometry, 3> quarterPies;
};

} // namespace finplan
