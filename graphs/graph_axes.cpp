// Flat and three-dimensional axes, the value labels and the age labels.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/money.h"
#include "graphs/format_thousands.h"
#include "graphs/graph_palette.h"
#include "graphs/graph_parts.h"

namespace finplan {

namespace {

// Room between the area's left edge (and its framed panel) and the value labels.
constexpr int kLabelInset = 4;

void drawFrontAxes(const GraphContext& ctx, const PlotFrame& f) {
    const Pen axis{kBlack, 2};
    const int zy = f.zeroY();
    ctx.surface.line(Point{f.x0, zy}, Point{f.x0 + f.width, zy}, axis);
    ctx.surface.line(Point{f.x0, f.baseY}, Point{f.x0, f.baseY - f.height}, axis);
}

void drawFlatAxes(const GraphContext& ctx, const PlotFrame& f) {
    Surface& s = ctx.surface;
    const Pen grid{kGrey, 1};
    const Pen tick{kBlack, 1};
    const int half = ctx.tick / 2;
    drawFrontAxes(ctx, f);
    for (int i = 0; i <= 10; ++i) {
        const int y = f.baseY - i * f.spacing;
        s.line(Point{f.x0, y}, Point{f.x0 + f.width, y}, grid);
        s.line(Point{f.x0 - half, y}, Point{f.x0 + half, y}, tick);
    }
    const int zy = f.zeroY();
    for (int i = 1; i <= f.rowCount; ++i) {
        const int x = f.xOf(i);
        s.line(Point{x, f.baseY}, Point{x, f.baseY - f.height}, grid);
        s.line(Point{x, zy - half}, Point{x, zy + half}, tick);
    }
}

// The grid moves onto a back wall; the zero line and the value axis stay in front.
void draw3dAxes(const GraphContext& ctx, const PlotFrame& f) {
    Surface& s = ctx.surface;
    const Pen grid{kGrey, 1};
    const Pen black{kBlack, 1};
    const int d = f.depth;
    const int half = ctx.tick / 2;
    const int backX = f.x0 + d;
    const int backBase = f.baseY - d;
    for (int i = 0; i <= 10; ++i) {
        const int y = backBase - i * f.spacing;
        s.line(Point{backX, y}, Point{backX + f.width, y}, grid);
    }
    for (int i = 1; i <= f.rowCount; ++i) {
        const int x = backX + i * f.columnWidth;
        s.line(Point{x, backBase}, Point{x, backBase - f.height}, grid);
    }
    // The floor's far edge joins the front zero line to the back wall.
    const int zy = f.zeroY();
    s.line(Point{f.x0 + f.width, zy}, Point{backX + f.width, zy - d}, grid);
    s.line(Point{backX, backBase}, Point{backX, backBase - f.height}, Pen{kBlack, 2});
    for (int i = 0; i <= 10; ++i) {
        const int y = f.baseY - i * f.spacing;
        s.line(Point{f.x0, y}, Point{backX, y - d}, black);
        s.line(Point{f.x0 - half, y}, Point{f.x0 + half, y}, black);
    }
    for (int i = 1; i <= f.rowCount; ++i) {
        const int x = f.xOf(i);
        s.line(Point{x, zy - half}, Point{x, zy + half}, black);
    }
    drawFrontAxes(ctx, f);
}

} // namespace

void drawAxes(const GraphContext& ctx, const PlotFrame& f) {
    if (ctx.threeD())
        draw3dAxes(ctx, f);
    else
        drawFlatAxes(ctx, f);
}

void drawValueLabels(const GraphContext& ctx, const PlotFrame& f) {
    int step = 1;
    for (int lines : {10, 5, 2, 1})
        if (f.height < lines * ctx.h) ++step;
    struct Label {
        std::string text;
        double value;
        int y;
    };
    std::vector<Label> labels;
    int widest = 0;
    for (int d = 0; d <= 10; d += step) {
        const double v = axisLevel(f.scale, d);
        std::string label = groupedValue(v);
        // Whole units only: the cents are cut off.
        label = label.size() > 3 ? label.substr(0, label.size() - 3) : std::string();
        widest = std::max(widest, ctx.surface.textWidth(label));
        labels.push_back(Label{label, v, f.baseY - d * f.spacing - ctx.h / 2});
    }
    // A quarter of a wide column would push the labels off the area's left edge and
    // show a cut number ("10,000" for 1,210,000): they then move right together, as
    // far as the ticks allow.
    const int inside = ctx.area.left + kLabelInset + widest;
    const int right =
        std::min(std::max(f.x0 - f.columnWidth / 4 - ctx.tick, inside), f.x0 - ctx.tick);
    for (const Label& l : labels)
        ctx.surface.text(Point{right, l.y}, l.text, numberColor(l.value), TextAlign::Right,
                         std::nullopt);
}

void drawColumnLabels(const GraphContext& ctx, const PlotFrame& f, const ColumnLabel& labelOf) {
    int step = 1;
    for (int n = f.rowCount; n > 0 && f.width < n * 3 * ctx.c; n /= 2)
        step += 2;
    const int y = f.baseY + ctx.tick / 2 + 1;
    for (int r = 0; r < f.rowCount; r += step) {
        ctx.surface.text(Point{f.xOf(r) - ctx.c, y}, format("%d", labelOf(r)), kBlack,
                         TextAlign::Left, std::nullopt);
    }
}

} // namespace finplan
