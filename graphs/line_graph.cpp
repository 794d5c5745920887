#include "graphs/line_graph.h"

#include <algorithm>
#include <cmath>

#include "graphs/graph_parts.h"

namespace finplan {

namespace {

GraphSeriesSet seriesSetOf(const LineGraph& graph) {
    GraphSeriesSet set;
    set.title = graph.title;
    set.names = graph.names;
    set.rowCount = std::min(static_cast<int>(graph.columnLabels.size()), kMaxPlotRows * 2);
    set.rowsDrawn = set.rowCount;
    for (const auto& series : graph.values) {
        std::vector<float> v(static_cast<std::size_t>(set.rowCount), NAN);
        std::copy_n(series.begin(), std::min(series.size(), v.size()), v.begin());
        // The axis spans every value there is, and zero.
        for (float x : v)
            if (!std::isnan(x)) {
                set.maxValue = std::max(set.maxValue, x);
                set.minValue = std::min(set.minValue, x);
            }
        set.values.push_back(std::move(v));
    }
    return set;
}

} // namespace

void drawLineGraph(Surface& surface, const Rect& window, const LineGraph& graph,
                   GraphWindowState& state) {
    if (!state.options.printing) state.options.margins = PageMargins{0, 4, 0, 0};
    // Always lines: a gap where a series has no value would not show as a bar.
    GraphOptions options = state.options;
    options.lineStyle = 1;
    options.barStyle = 0;
    const GraphContext ctx = makeContext(surface, options, window, 0);
    if (!ctx.printing())
        drawFramedPanel(surface, ctx.area.left, ctx.area.top, ctx.area.width(), ctx.area.height());
    const GraphSeriesSet set = seriesSetOf(graph);
    state.plot = drawSeriesPlot(ctx, set, [&graph](int column) {
        return graph.columnLabels[static_cast<std::size_t>(column)];
    });
    drawFooterLines(ctx, graph.footers, false);
}

} // namespace finplan
