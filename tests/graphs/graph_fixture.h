// Hand-filled plot tables and a recording surface for renderer tests.
#pragma once

#include <memory>
#include <vector>

#include "graphs/draw_graph.h"
#include "graphs/graph_palette.h"
#include "graphs/recording_surface.h"

namespace finplan::test {

struct GraphFixture {
    std::unique_ptr<PlotSeries> series = std::make_unique<PlotSeries>();
    std::unique_ptr<Scenario> scenario = std::make_unique<Scenario>();
    GraphWindowState state;
    RecordingSurface surface;
    Rect window{0, 0, 800, 600};

    GraphSource source() const { return GraphSource{*series, *scenario}; }

    // rows plotted years from age 60; fields filled by the caller.
    void setRows(int rows) {
        series->plotRowCount = rows - 1;
        for (int r = 0; r < rows; ++r)
            series->rows[static_cast<std::size_t>(r)].age = 60.0f + r;
        scenario->initial.startAge = 60;
        scenario->initial.endAge = 60.0f + rows - 1;
    }
    PlotRow& row(int r) { return series->rows[static_cast<std::size_t>(r)]; }

    void draw(int kind, int first = 0, int last = 0) {
        surface.clear();
        drawGraph(surface, window, kind, first, last, series->plotRowCount, state, source());
    }

    // Line operations drawn with the pen of a series colour.
    std::vector<SurfaceOp> linesIn(Color c) const {
        std::vector<SurfaceOp> out;
        for (const auto& op : surface.ops())
            if (op.kind == OpKind::Line && op.pen.color == c) out.push_back(op);
        return out;
    }
    // Filled shapes (rectangles, polygons, pies, ellipses) of a colour, as op indexes.
    std::vector<std::size_t> fillsOf(Color c, OpKind kind) const {
        std::vector<std::size_t> out;
        const auto& ops = surface.ops();
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == kind && ops[i].fill && *ops[i].fill == c) out.push_back(i);
        return out;
    }
};

} // namespace finplan::test
