#include "graphs/pie_chart.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphs/format_thousands.h"
#include "graphs/graph_palette.h"
#include "text/format.h"

namespace finplan {

namespace {

// Running totals of the components that are greater than zero.
void addUp(PieGeometry& g) {
    float t = 0;
    for (float v : g.values) {
        if (v > 0) t = t + v;
        g.runningTotals.push_back(t);
    }
    g.total = t;
}

Color componentColor(const PieComponents& pie, int i) {
    return seriesColor(pie.paletteFromZero ? i : i + 1);
}

// The legend on the left; returns its width.
int drawPieLegend(const GraphContext& ctx, int mode, const PieComponents& pie, PieGeometry& g) {
    Surface& s = ctx.surface;
    const int c = ctx.c;
    const int h = ctx.h;
    const bool shares = mode != GraphKind::InOut;
    int widest = 0;
    for (const auto& name : pie.names)
        widest = std::max(widest, s.textWidth(name));
    const int box = c * 3 / 2;
    const int boxX = ctx.area.left + 9;
    // The name clears the 1.5c box: one character in from the box's left would run under it.
    const int nameX = boxX + 2 * c;
    const int shareRight = nameX + widest + c + s.textWidth("%100.00%");
    const std::string totalText = "Total = " + groupedValue(g.total);
    const int count = static_cast<int>(pie.names.size());
    const int top = ctx.area.top + h;

    int right = std::max(shares ? shareRight : nameX + widest, nameX + s.textWidth(totalText));
    for (int i = 0; i < count; ++i) {
        const int y = top + i * h;
        s.rect(Rect{boxX, y, boxX + box, y + h}, Pen{kBlack, 1}, componentColor(pie, i));
        s.text(Point{nameX, y}, pie.names[static_cast<std::size_t>(i)], kBlack, TextAlign::Left,
               std::nullopt);
        if (shares) {
            const float before = i > 0 ? g.runningTotals[static_cast<std::size_t>(i - 1)] : 0;
            const float part = g.runningTotals[static_cast<std::size_t>(i)] - before;
            // An empty pie has no shares to divide.
            const double share = g.total > 0 ? part / static_cast<double>(g.total) * 100 : 0;
            s.text(Point{shareRight, y}, format("% 6.2f", share) + "%", kBlack, TextAlign::Right,
                   std::nullopt);
        }
    }
    s.text(Point{nameX, top + count * h}, totalText, kBlack, TextAlign::Left, std::nullopt);
    right += c;
    g.legend = Rect{ctx.area.left + 4, top - 3, right, top + (count + 1) * h + 3};
    g.legendTop = top;
    drawFramedPanel(s, g.legend.left, g.legend.top, g.legend.width(), g.legend.height());
    return g.legend.right - ctx.area.left;
}

} // namespace

PieGeometry drawPie(const GraphContext& ctx, int mode, const PieComponents& pie, float age) {
    Surface& s = ctx.surface;
    PieGeometry g;
    g.mode = mode;
    g.values = pie.values;
    g.names = pie.names;
    g.lineHeight = ctx.h;
    addUp(g);

    const Rect& a = ctx.area;
    const int h = ctx.h;
    const int legendWidth = ctx.single() ? drawPieLegend(ctx, mode, pie, g) : 0;
    g.centre = Point{a.left + a.width() / 2 + legendWidth / 2,
                     a.top + a.height() / 2 - (ctx.single() ? 0 : h)};
    if (ctx.single())
        g.radius = std::min((a.width() - legendWidth * 3 / 4) / 2, a.height() / 2) - 3 * h;
    else
        g.radius = std::min(a.width(), a.height() / 2) - 2 * h;
    const int r = std::max(g.radius, 0);
    const Point o = g.centre;
    const Rect box{o.x - r, o.y - r, o.x + r, o.y + r};

    if (g.total > 0 && r > 0) {
        const int shift = ctx.single() ? 4 : 2;
        s.ellipse(Rect{box.left + shift, box.top, box.right + shift, box.bottom + shift},
                  Pen{kPieShadow, 1}, kPieShadow);
    }
    if (g.total > 10 && std::isfinite(g.total) && r > 0) {
        const int nonEmpty = static_cast<int>(
            std::count_if(g.values.begin(), g.values.end(), [](float v) { return v > 0; }));
        const Pen outline{kBlack, 1};
        float before = 0;
        for (std::size_t i = 0; i < g.values.size(); ++i) {
            const float after = g.runningTotals[i];
            if (g.values[i] > 0) {
                const Color fill = componentColor(pie, static_cast<int>(i));
                const double a0 = 2 * std::numbers::pi * before / g.total;
                const double a1 = 2 * std::numbers::pi * after / g.total;
                auto edge = [&](double angle) {
                    return Point{wholeNumber(o.x + r * std::cos(angle)),
                                 wholeNumber(o.y + r * std::sin(angle))};
                };
                if (nonEmpty == 1)
                    s.ellipse(box, outline, fill);
                else if (!(edge(a0) == edge(a1)))
                    s.pie(box, a0, a1, outline, fill);
            }
            before = after;
        }
    }
    s.text(Point{o.x - 3 * ctx.c, o.y + r + (ctx.single() ? 6 : 3)},
           format("Age %d", wholeNumber(age)), kBlack, TextAlign::Left, std::nullopt);
    if (ctx.printing()) drawPageTitle(ctx, pie.caption);
    g.drawn = true;
    return g;
}

} // namespace finplan
