// The series: lines, flat bars and three-dimensional bars.
#include <cmath>
#include <utility>

#include "graphs/graph_palette.h"
#include "graphs/graph_parts.h"

namespace finplan {

namespace {

Color shade(Color c, double f) {
    auto part = [f](uint8_t v) { return static_cast<uint8_t>(wholeNumber(std::round(v * f))); };
    return Color{part(c.r), part(c.g), part(c.b)};
}

void draw3dBar(Surface& s, int x0, int x1, int yValue, int yZero, double depth, double setBack,
               Color colour) {
    const int sb = wholeNumber(setBack);
    const int d = wholeNumber(depth);
    const int left = x0 + sb;
    const int right = x1 + sb;
    const int top = std::min(yValue, yZero) - sb;
    const int bottom = std::max(yValue, yZero) - sb;
    const Pen outline{kBlack, 1};
    s.polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}}, outline, colour);
    s.polygon({{right, top}, {right + d, top - d}, {right + d, bottom - d}, {right, bottom}},
              outline, shade(colour, 0.65));
    s.polygon({{left, top}, {left + d, top - d}, {right + d, top - d}, {right, top}, {left, top}},
              outline, shade(colour, 0.85));
}

} // namespace

std::vector<int> barOrder(const std::vector<float>& values) {
    std::vector<int> order(values.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    // Bubble sort over adjacent pairs: equal magnitudes keep their list order.
    for (std::size_t pass = 0; pass + 1 < order.size(); ++pass)
        for (std::size_t i = 0; i + 1 < order.size() - pass; ++i)
            if (std::fabs(values[static_cast<std::size_t>(order[i + 1])]) >
                std::fabs(values[static_cast<std::size_t>(order[i])]))
                std::swap(order[i], order[i + 1]);
    return order;
}

void drawSeriesLines(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set) {
    const int width = (ctx.printing() && set.kind != GraphKind::Accounts) ? 8 : 2;
    const int zy = f.zeroY();
    for (std::size_t s = 0; s < set.values.size(); ++s) {
        const Pen pen{seriesColor(static_cast<int>(s)), width};
        const auto& v = set.values[s];
        for (int r = 1; r < set.rowsDrawn; ++r) {
            const float a = v[static_cast<std::size_t>(r - 1)];
            const float b = v[static_cast<std::size_t>(r)];
            const Point from{f.xOf(r - 1), f.yOf(a)};
            const Point to{f.xOf(r), f.yOf(b)};
            // A missing value (not a number) breaks the line. Nothing to see along the
            // zero line: the pen only moves.
            if (std::isnan(a) || std::isnan(b)) continue;
            if ((a == 0 && b == 0) || (from.y == zy && to.y == zy)) continue;
            ctx.surface.line(from, to, pen);
        }
    }
}

void drawSeriesBars(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set) {
    const int n = static_cast<int>(set.values.size());
    if (n == 0) return;
    const int zy = f.zeroY();
    const double depth = 1.3 * f.columnWidth / n;
    std::vector<float> column(static_cast<std::size_t>(n));
    for (int r = 0; r < set.rowsDrawn; ++r) {
        for (int s = 0; s < n; ++s)
            column[static_cast<std::size_t>(s)] =
                set.values[static_cast<std::size_t>(s)][static_cast<std::size_t>(r)];
        const std::vector<int> order = barOrder(column);
        for (int j = 0; j < n; ++j) {
            const int s = order[static_cast<std::size_t>(j)];
            const float v = column[static_cast<std::size_t>(s)];
            if (v == 0) continue; // a bar of no height
            const int y = f.yOf(v);
            const Color colour = seriesColor(s);
            if (ctx.threeD()) {
                draw3dBar(ctx.surface, f.xOf(r), f.xOf(r + 1), y, zy, depth, (n - 1 - j) * depth,
                          colour);
            } else {
                ctx.surface.rect(Rect{f.xOf(r), std::min(y, zy), f.xOf(r + 1), std::max(y, zy)},
                                 Pen{kBlack, 1}, colour);
            }
        }
    }
}

void drawLegend(const GraphContext& ctx, const PlotFrame& f, const GraphSeriesSet& set) {
    if (set.names.empty()) return;
    Surface& s = ctx.surface;
    const int c = ctx.c;
    int widest = 0;
    for (const auto& name : set.names)
        widest = std::max(widest, s.textWidth(name));
    const int box = c * 3 / 2;
    const int x = ctx.area.right - (widest + box) - c - 15;
    int top = ctx.area.top + ctx.h;
    if (ctx.printing() && ctx.threeD()) top = f.baseY - f.depth - f.height;
    // The names start 2c in, half a character further than the boxes' 1.5c: the strips
    // keep that half character on the right as well, or the widest name meets the frame.
    const int stripRight = x + 2 * c + widest + c / 2;
    const int count = static_cast<int>(set.names.size());
    const Rect panel{x - kPanelInset, top - kPanelInset, stripRight + kPanelInset,
                     top + count * ctx.h + kPanelInset};
    // Opaque all over, so no grid or series line shows in the margin round the strips.
    s.fillRect(panel, ctx.options.buttonFace);
    for (int i = 0; i < count; ++i) {
        const int y = top + i * ctx.h;
        s.fillRect(Rect{x, y, stripRight, y + ctx.h}, ctx.options.buttonFace);
        s.rect(Rect{x, y, x + box, y + ctx.h}, Pen{kBlack, 1}, seriesColor(i));
        s.text(Point{x + 2 * c, y}, set.names[static_cast<std::size_t>(i)], kBlack, TextAlign::Left,
               std::nullopt);
    }
    drawFramedPanel(s, panel.left, panel.top, panel.width(), panel.height());
}

} // namespace finplan
