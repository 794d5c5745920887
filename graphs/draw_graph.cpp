#include "graphs/draw_graph.h"

#include <algorithm>

#include "engine/amount_limit.h"
#include "graphs/graph_parts.h"
#include "graphs/pie_chart.h"
#include "graphs/summary_legend.h"

namespace finplan {

namespace {

// Quarters 1, 2 and 3 always show net worth, incoming and outgoing.
constexpr int kQuarterKinds[] = {GraphKind::NetWorth, GraphKind::Incoming, GraphKind::Outgoing};

void drawPieGraph(const GraphContext& ctx, int mode, int firstAccount, int lastAccount,
                  int lastRowIndex, GraphWindowState& state, const GraphSource& source) {
    const int rows = usableRowCount(lastRowIndex);
    PieGeometry geometry;
    if (rows > 0) {
        const int row = std::clamp(state.selectedRow, 0, rows - 1);
        const PieComponents pie = pieComponents(mode, row, firstAccount, lastAccount, source);
        geometry = drawPie(ctx, mode, pie, source.series.rows[static_cast<std::size_t>(row)].age);
    }
    if (ctx.single()) {
        state.pie = geometry;
        drawFooters(ctx, source.series, true);
    } else {
        state.quarterPies[static_cast<std::size_t>(ctx.layoutMode - 1)] = geometry;
        drawQuarterCaption(ctx);
    }
}

void drawPlotGraph(const GraphContext& ctx, int kind, int firstAccount, int lastAccount,
                   int lastRowIndex, GraphWindowState& state, const GraphSource& source) {
    const GraphSeriesSet set = collectSeries(kind, firstAccount, lastAccount, lastRowIndex, source);
    const PlotGeometry geometry = drawSeriesPlot(ctx, set, [&source](int r) {
        return wholeNumber(source.series.rows[static_cast<std::size_t>(r)].age);
    });
    if (ctx.single()) {
        state.plot = geometry;
        drawFooters(ctx, source.series, false);
    } else {
        state.quarterPlots[static_cast<std::size_t>(ctx.layoutMode - 1)] = geometry;
        drawQuarterCaption(ctx);
    }
}

} // namespace

PlotGeometry drawSeriesPlot(const GraphContext& ctx, const GraphSeriesSet& set,
                            const ColumnLabel& labelOf) {
    const PlotFrame f = layoutPlot(ctx, set.rowCount, scaleAxis(set.minValue, set.maxValue));
    if (ctx.printing()) drawPageTitle(ctx, set.title);
    if (!f.usable()) return {};
    drawAxes(ctx, f);
    drawValueLabels(ctx, f);
    drawColumnLabels(ctx, f, labelOf);
    const bool legend = ctx.single() && !ctx.options.legendHidden;
    if (legend && ctx.options.legendAfter == 0) drawLegend(ctx, f, set);
    if (ctx.options.lineStyle == 1 && !ctx.threeD())
        drawSeriesLines(ctx, f, set);
    else
        drawSeriesBars(ctx, f, set);
    if (legend && ctx.options.legendAfter == 1) drawLegend(ctx, f, set);
    return PlotGeometry{true,
                        f.x0,
                        f.columnWidth,
                        f.baseY,
                        f.height,
                        f.width,
                        f.rowCount,
                        heldAmount(f.scale.axisMin),
                        heldAmount(f.scale.axisSpan)};
}

void drawGraph(Surface& surface, const Rect& window, int graphKind, int firstAccount,
               int lastAccount, int lastRowIndex, GraphWindowState& state,
               const GraphSource& source) {
    const int layout = std::clamp(state.layoutMode, 0, 4);
    if (layout == 4) {
        drawSummaryLegend(surface, window, state, source, lastRowIndex);
        return;
    }
    // A print always takes its margins from the page setup that precedes it.
    if (!state.options.printing) state.options.margins = PageMargins{0, 4, 0, 0};

    const GraphContext ctx = makeContext(surface, state.options, window, layout);
    if (!ctx.printing())
        drawFramedPanel(surface, ctx.area.left, ctx.area.top, ctx.area.width(), ctx.area.height());

    int kind = graphKind;
    int pieMode = state.previousKind;
    if (layout >= 1) {
        if (kind == GraphKind::Pie)
            pieMode = kQuarterKinds[layout - 1];
        else
            kind = kQuarterKinds[layout - 1];
    }
    if (kind == GraphKind::Pie)
        drawPieGraph(ctx, pieMode, firstAccount, lastAccount, lastRowIndex, state, source);
    else
        drawPlotGraph(ctx, kind, firstAccount, lastAccount, lastRowIndex, state, source);
}

void drawSummary(Surface& surface, const Rect& window, int lastRowIndex, GraphWindowState& state,
                 const GraphSource& source) {
    for (int quarter = 1; quarter <= 3; ++quarter) {
        state.layoutMode = quarter;
        drawGraph(surface, window, state.graphKind, 0, 0, lastRowIndex, state, source);
    }
    state.layoutMode = 4;
    drawSummaryLegend(surface, window, state, source, lastRowIndex);
}

} // namespace finplan
