#include "shell/logic/graph_interaction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphs/format_thousands.h"
#include "graphs/graph_parts.h"
#include "graphs/graph_series.h"
#include "text/format.h"

namespace finplan {

namespace {

bool inside(const Rect& r, Point p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

Rect plotRect(const PlotGeometry& g) {
    return Rect{g.plotLeft, g.plotBottom - g.plotHeight, g.plotLeft + g.plotWidth + 1,
                g.plotBottom + 1};
}

bool overPlot(const PlotGeometry& g, Point p) {
    return g.drawn && g.columnWidth > 0 && g.plotHeight > 0 && inside(plotRect(g), p);
}

double distance(const PieGeometry& pie, Point p) {
    return std::hypot(static_cast<double>(p.x - pie.centre.x),
                      static_cast<double>(p.y - pie.centre.y));
}

bool overPie(const PieGeometry& pie, Point p) {
    return pie.drawn && pie.radius > 0 && distance(pie, p) <= pie.radius;
}

// The pie legend's entry on the mouse's line, or -1.
int legendEntryAt(const PieGeometry& pie, Point p) {
    if (!pie.drawn || pie.lineHeight <= 0 || !inside(pie.legend, p) || p.y < pie.legendTop)
        return -1;
    const int line = (p.y - pie.legendTop) / pie.lineHeight;
    return line < static_cast<int>(pie.names.size()) ? line : -1;
}

std::string componentName(const PieGeometry& pie, int i) {
    return i < static_cast<int>(pie.names.size()) ? pie.names[static_cast<std::size_t>(i)] : "";
}

float componentValue(const PieGeometry& pie, int i) {
    return i < static_cast<int>(pie.values.size()) ? pie.values[static_cast<std::size_t>(i)] : 0;
}

} // namespace

float valueAtHeight(const PlotGeometry& plot, int y) {
    if (plot.plotHeight <= 0) return plot.axisMin;
    return static_cast<float>(
        static_cast<double>(plot.plotBottom - y) / plot.plotHeight * plot.axisSpan + plot.axisMin);
}

int rowAtX(const PlotGeometry& plot, int x, bool flatBars) {
    if (plot.columnWidth <= 0 || plot.rowCount <= 0) return 0;
    const double columns = static_cast<double>(x - plot.plotLeft) / plot.columnWidth;
    const int row = flatBars ? wholeNumber(std::round(columns)) : wholeNumber(columns);
    return std::clamp(row, 0, plot.rowCount - 1);
}

int sliceAt(const PieGeometry& pie, Point p) {
    if (!(pie.total > 0) || pie.runningTotals.empty()) return -1;
    // A click on the centre itself still has a direction.
    const double d = std::max(distance(pie, p), 0.5);
    double angle = std::acos(std::clamp((p.x - pie.centre.x) / d, -1.0, 1.0));
    if (p.y < pie.centre.y) angle = 2 * std::numbers::pi - angle;
    const double reached = angle / (2 * std::numbers::pi) * pie.total;
    int last = -1;
    for (std::size_t i = 0; i < pie.runningTotals.size(); ++i) {
        // Empty components have no slice to point at.
        if (!(componentValue(pie, static_cast<int>(i)) > 0)) continue;
        last = static_cast<int>(i);
        if (pie.runningTotals[i] >= reached) return last;
    }
    return last; // rounding at the very end of the circle
}

// What lies under the mouse: a graph's plot, a pie or a pie legend entry, in a single
// folder (quarter 0) or a Summary quarter (1 to 3).
struct GraphInteraction::Target {
    int quarter = 0;
    const PlotGeometry* plot = nullptr;
    const PieGeometry* pie = nullptr;
    int legendEntry = -1;
    bool any() const { return plot || pie || legendEntry >= 0; }
};

GraphInteraction::Target GraphInteraction::targetAt(Point p) const {
    Target t;
    if (!inSummary_) {
        if (pieShown()) {
            if (overPie(state_.pie, p)) t.pie = &state_.pie;
            t.legendEntry = legendEntryAt(state_.pie, p);
        } else if (overPlot(state_.plot, p)) {
            t.plot = &state_.plot;
        }
        return t;
    }
    for (int q = 1; q <= 3; ++q) {
        const auto i = static_cast<std::size_t>(q - 1);
        if (pieShown() ? overPie(state_.quarterPies[i], p) : overPlot(state_.quarterPlots[i], p)) {
            t.quarter = q;
            if (pieShown())
                t.pie = &state_.quarterPies[i];
            else
                t.plot = &state_.quarterPlots[i];
        }
    }
    return t;
}

std::vector<std::string> GraphInteraction::hoverText(Point p) const {
    if (pieShown()) return {};
    const Target t = targetAt(p);
    if (!t.plot) return {};
    // The Summary's quarters draw the net worth, incoming and outgoing graphs.
    static constexpr int kQuarterKinds[] = {GraphKind::NetWorth, GraphKind::Incoming,
                                            GraphKind::Outgoing};
    const int kind = t.quarter > 0 ? kQuarterKinds[t.quarter - 1] : state_.graphKind;
    const GraphSeriesSet set = collectSeries(kind, firstAccount_, lastAccount_,
                                             series_.plotRowCount, GraphSource{series_, scenario_});
    const int row = rowAtX(*t.plot, p.x, state_.options.lineStyle == 0);
    if (row >= set.rowsDrawn || row >= rowCount()) return {};
    std::vector<std::string> lines = {
        format("Age %d", wholeNumber(series_.rows[static_cast<std::size_t>(row)].age))};
    for (std::size_t i = 0; i < set.names.size() && i < set.values.size(); ++i)
        lines.push_back(set.names[i] + ": " +
                        groupedValue(set.values[i][static_cast<std::size_t>(row)]));
    return lines;
}

void GraphInteraction::enterFolder(bool summary, int kind, int first, int last) {
    inSummary_ = summary;
    firstAccount_ = first;
    lastAccount_ = last;
    state_.popupKind = 0;
    state_.hoveredQuarter = 0;
    cross_ = false;
    mouseKnown_ = false;
    if (summary) {
        state_.layoutMode = 4;
        state_.graphKind = GraphKind::NetWorth;
        state_.previousKind = GraphKind::NetWorth;
        state_.options.lineStyle = 1;
        state_.options.barStyle = 0;
    } else {
        state_.layoutMode = 0;
        state_.graphKind = kind;
    }
}

GraphResponse GraphInteraction::handleGraphInput(const GraphInput& input) {
    if (inputBlocked && inputBlocked()) return {};
    switch (input.kind) {
    case GraphInputKind::MouseMove:
        return mouseMove(input.at);
    case GraphInputKind::ButtonDown:
        mouse_ = input.at;
        mouseKnown_ = true;
        return buttonDown(input.at);
    case GraphInputKind::ButtonUp: {
        GraphResponse r;
        r.hidePopup = state_.popupKind != 0;
        state_.popupKind = 0;
        return r;
    }
    case GraphInputKind::DoubleClick:
        return doubleClick(input.at, input.button);
    case GraphInputKind::Key:
        return key(input.key);
    }
    return {};
}

GraphResponse GraphInteraction::mouseMove(Point p) {
    mouse_ = p;
    mouseKnown_ = true;
    const Target t = targetAt(p);
    if (inSummary_) state_.hoveredQuarter = t.quarter;
    cross_ = t.any();
    return {};
}

GraphResponse GraphInteraction::buttonDown(Point p) {
    GraphResponse r;
    // Three-dimensional bars stand in front of their columns: only a pie answers there.
    if (state_.options.barStyle == 2 && !pieShown()) return r;
    const Target t = targetAt(p);
    if (t.plot) {
        const bool flatBars = state_.options.lineStyle == 0;
        state_.selectedRow = rowAtX(*t.plot, p.x, flatBars);
        state_.popupKind = 1;
        r.popup = ValuePopup{p, {groupedValue(valueAtHeight(*t.plot, p.y))}};
        if (inSummary_) {
            state_.hoveredQuarter = t.quarter;
            r.redrawLegendQuarter = true;
        }
    } else if (t.pie) {
        const int slice = sliceAt(*t.pie, p);
        if (slice < 0) return r;
        state_.popupKind = 1;
        r.popup = ValuePopup{
            p, {componentName(*t.pie, slice), groupedValue(componentValue(*t.pie, slice))}};
    } else if (t.legendEntry >= 0) {
        state_.popupKind = 2;
        r.popup = ValuePopup{p, {groupedValue(componentValue(state_.pie, t.legendEntry))}};
    }
    return r;
}

void GraphInteraction::advanceStyle() {
    GraphOptions& o = state_.options;
    if (rowCount() < 3) {
        o.lineStyle = 1;
        o.barStyle = 0;
    } else if (o.lineStyle == 1) {
        o.lineStyle = 0;
        o.barStyle = 0;
    } else if (o.barStyle != 2) {
        o.barStyle = 2;
    } else {
        o.lineStyle = 1;
        o.barStyle = 0;
    }
}

GraphResponse GraphInteraction::doubleClick(Point p, MouseButton button) {
    GraphResponse r;
    if (button == MouseButton::Right) {
        if (pieShown()) state_.graphKind = state_.previousKind;
        advanceStyle();
        r.redraw = true;
        return r;
    }
    if (pieShown()) {
        state_.graphKind = state_.previousKind;
        r.redraw = true;
        return r;
    }
    const Target t = targetAt(p);
    if (!t.plot) return r;
    state_.selectedRow = rowAtX(*t.plot, p.x, state_.options.lineStyle == 0);
    state_.previousKind = state_.graphKind;
    state_.graphKind = GraphKind::Pie;
    r.redraw = true;
    return r;
}

GraphResponse GraphInteraction::key(GraphKey k) {
    GraphResponse r;
    if (inSummary_) return summaryArrow(k);
    if (pieShown()) return r;
    if (k == GraphKey::L) {
        state_.options.legendHidden = false;
        state_.options.legendAfter = state_.options.legendAfter == 0 ? 1 : 0;
        r.redraw = true;
    } else if (k == GraphKey::N) {
        state_.options.legendHidden = true;
        r.redraw = true;
    }
    return r;
}

GraphResponse GraphInteraction::summaryArrow(GraphKey k) {
    GraphResponse r;
    if (!mouseKnown_ || state_.hoveredQuarter < 1 || state_.hoveredQuarter > 3) return r;
    const int q = state_.hoveredQuarter;
    const PlotGeometry& plot = state_.quarterPlots[static_cast<std::size_t>(q - 1)];
    const int rows = rowCount();
    const int row = std::clamp(state_.selectedRow, 0, std::max(rows - 1, 0));
    auto ageOf = [&](int i) { return series_.rows[static_cast<std::size_t>(i)].age; };
    if (k == GraphKey::Right || k == GraphKey::Left) {
        if (pieShown()) return r;
        const int next = k == GraphKey::Right ? row + 1 : row - 1;
        const bool ok = k == GraphKey::Right
                            ? next < rows && ageOf(next) <= scenario_.initial.endAge
                            : next >= 0 && ageOf(next) >= std::trunc(scenario_.initial.startAge);
        if (ok) {
            state_.selectedRow = next;
            const int step = k == GraphKey::Right ? plot.columnWidth : -plot.columnWidth;
            mouse_.x += step;
            r.moveMouse = mouse_;
        }
    } else if (k == GraphKey::Down || k == GraphKey::Up) {
        const int to = k == GraphKey::Down ? q % 3 + 1 : (q + 1) % 3 + 1;
        const Rect from = graphArea(windowRect_, q, state_.options);
        const Rect dest = graphArea(windowRect_, to, state_.options);
        mouse_ = Point{mouse_.x + dest.left - from.left, mouse_.y + dest.top - from.top};
        state_.hoveredQuarter = to;
        r.moveMouse = mouse_;
    } else {
        return r;
    }
    r.redrawLegendQuarter = true;
    return r;
}

} // namespace finplan
