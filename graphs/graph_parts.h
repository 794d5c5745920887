// The pieces one graph draw is made of, shared by the renderer's files.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "graphs/axis_scale.h"
#include "graphs/graph_series.h"
#include "graphs/graph_state.h"
#include "model/whole_number.h"
#include "platform/surface.h"

namespace finplan {

// One draw: the surface, the area it fills and the font measures.
struct GraphContext {
    Surface& surface;
    const GraphOptions& options;
    Rect area;
    int layoutMode = 0;
    int h = 1;    // line height
    int c = 1;    // character width
    int tick = 4; // tick length

    bool single() const { return layoutMode == 0; }
    bool threeD() const { return options.barStyle == 2; }
    bool printing() const { return options.printing; }
};

// The plot of one graph in device units.
struct PlotFrame {
    int x0 = 0;
    int baseY = 0;
    int height = 0;
    int spacing = 0;
    int width = 0;
    int columnWidth = 0;
    int rowCount = 0;
    int depth = 0; // back-wall offset of the three-dimensional style
    AxisScale scale;

    bool usable() const { return columnWidth > 0 && spacing > 0; }
    int xOf(int row) const { return x0 + row * columnWidth; }
    int yOf(float v) const;
    int zeroY() const { return yOf(0); }
};

// The area of a layout mode: the window, a quarter of it, or the printable page.
Rect graphArea(const Rect& window, int layoutMode, const GraphOptions& options);
GraphContext makeContext(Surface& surface, const GraphOptions& options, const Rect& window,
                         int layoutMode);
PlotFrame layoutPlot(const GraphContext& ctx, int rowCount, const AxisScale& scale);

// A framed panel's outline and bevel take two units inside each edge; text keeps one
// more unit clear of them.
constexpr int kPanelInset = 3;

void drawFramedPanel(Surface& s, int x, int y, int w, int h);
void drawAxes(const GraphContext& ctx, const PlotFrame& f);
void drawValueLabels(const GraphContext& ctx, const PlotFrame& f);
// The number under each column (an age, a period), every so many columns as room allows.
using ColumnLabel = std::function<int(int column)>;
void drawColumnLabels(const GraphContext& ctx, const PlotFrame& f, const ColumnLabel& labelOf);
void drawSeriesLines(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set);
void drawSeriesBars(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set);
void drawLegend(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set);

// Printer-page title centred at the area top.
void drawPageTitle(const GraphContext& ctx, const std::string& title);
// The "File: ", "Date: " and "Time: " lines of the last run under a single graph.
void drawFooters(const GraphContext& ctx, const PlotSeries& series, bool leftAligned);
void drawFooterLines(const GraphContext& ctx, const std::array<std::string, 3>& lines,
                     bool leftAligned);
// "Net Worth", "Incoming" or "Outgoing" under Summary quarters 1 to 3.
void drawQuarterCaption(const GraphContext& ctx);

// The plot of a series set in the context's area: axes, value and column labels, the
// series as lines or bars and, in one graph, the legend. Not drawn (drawn false) when
// the area is too small for it.
PlotGeometry drawSeriesPlot(const GraphContext& ctx, const GraphSeriesSet& set,
                            const ColumnLabel& labelOf);

// The order bars of one column are drawn in: largest magnitude first.
std::vector<int> barOrder(const std::vector<float>& values);

} // namespace finplan
