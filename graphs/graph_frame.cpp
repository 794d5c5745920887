// Area, plot geometry, framed panels, titles and footers.
#include <algorithm>
#include <cmath>

#include "graphs/graph_palette.h"
#include "graphs/graph_parts.h"

namespace finplan {

namespace {
constexpr int kQuarterMargin = 4;
constexpr int kShadowRoom = 4;
} // namespace

int PlotFrame::yOf(float v) const {
    // Far-off values are kept on a sane integer range; they fall outside the plot anyway.
    return wholeNumber(std::clamp(
        baseY - (static_cast<double>(v) - scale.axisMin) / scale.axisSpan * height, -1.0e6, 1.0e6));
}

Rect graphArea(const Rect& window, int layoutMode, const GraphOptions& options) {
    if (options.printing) {
        Rect page = window;
        const int w = page.width();
        const int h = page.height();
        if (w <= h && h > 0) page.bottom = page.top + wholeNumber(static_cast<double>(w) * w / h);
        page.left += options.margins.left;
        page.top += options.margins.top;
        page.right -= options.margins.right;
        page.bottom -= options.margins.bottom;
        return page;
    }
    if (layoutMode < 1 || layoutMode > 4) return window;
    const int halfW = window.width() / 2;
    const int halfH = window.height() / 2;
    // Quarters 1 to 4: upper left, upper right, lower right, lower left.
    const int col = (layoutMode == 2 || layoutMode == 3) ? 1 : 0;
    const int row = (layoutMode == 3 || layoutMode == 4) ? 1 : 0;
    Rect q;
    q.left = window.left + col * halfW + kQuarterMargin;
    q.top = window.top + row * halfH + kQuarterMargin;
    q.right = window.left + (col + 1) * halfW - kQuarterMargin - kShadowRoom;
    q.bottom = window.top + (row + 1) * halfH - kQuarterMargin - kShadowRoom;
    return q;
}

GraphContext makeContext(Surface& surface, const GraphOptions& options, const Rect& window,
                         int layoutMode) {
    GraphContext ctx{surface, options, graphArea(window, layoutMode, options), layoutMode};
    const FontMetrics m = surface.metrics();
    ctx.h = std::max(m.lineHeight(), 1);
    ctx.c = std::max(m.averageCharWidth, 1);
    ctx.tick = options.printing ? 16 : 4;
    return ctx;
}

PlotFrame layoutPlot(const GraphContext& ctx, int rowCount, const AxisScale& scale) {
    const Rect& a = ctx.area;
    const int h = ctx.h;
    const int c = ctx.c;
    PlotFrame f;
    f.scale = scale;
    f.rowCount = rowCount;
    if (ctx.single()) {
        f.baseY = a.bottom - (ctx.threeD() ? 5 : 6) * h;
        f.height = a.height() - 8 * h;
    } else {
        f.baseY = a.bottom - 3 * h;
        f.height = a.height() - 4 * h;
    }
    f.x0 = a.left + 15 * c;
    const int room = a.right - 2 * c;
    int depthRoom = 0;
    auto fit = [&] {
        f.width = room - f.x0 - depthRoom;
        f.columnWidth = rowCount > 0 ? std::max(f.width / rowCount, 0) : 0;
        f.width = rowCount * f.columnWidth;
    };
    fit();
    if (ctx.threeD()) {
        // Twenty steps do for ten or more rows; a few wide columns need more before the
        // back wall (1.3 columns deep) fits, or it would be drawn outside the area.
        while (f.columnWidth > 0 && f.columnWidth * 1.3 + f.x0 + f.width > room) {
            depthRoom += c;
            fit();
        }
        f.height -= depthRoom;
        f.depth = wholeNumber(1.3 * f.columnWidth);
    }
    f.spacing = std::max(f.height / 10, 0);
    f.height = 10 * f.spacing;
    return f;
}

void drawFramedPanel(Surface& s, int x, int y, int w, int h) {
    s.fillRect(Rect{x + w, y + 4, x + w + 4, y + h + 4}, kGrey);
    s.fillRect(Rect{x + 4, y + h, x + w, y + h + 4}, kGrey);
    s.rect(Rect{x, y, x + w, y + h}, Pen{kBlack, 1}, std::nullopt);
    const Pen white{kWhite, 1};
    const Pen grey{kGrey, 1};
    s.line(Point{x - 1, y - 1}, Point{x + w, y - 1}, white);
    s.line(Point{x - 1, y - 1}, Point{x - 1, y + h}, white);
    s.line(Point{x + w - 2, y + 1}, Point{x + w - 2, y + h - 2}, white);
    s.line(Point{x + 1, y + h - 2}, Point{x + w - 2, y + h - 2}, white);
    s.line(Point{x + 1, y + 1}, Point{x + w - 3, y + 1}, grey);
    s.line(Point{x + 1, y + 1}, Point{x + 1, y + h - 3}, grey);
}

void drawPageTitle(const GraphContext& ctx, const std::string& title) {
    const int mid = (ctx.area.left + ctx.area.right) / 2;
    ctx.surface.text(Point{mid, ctx.area.top}, title, kBlack, TextAlign::Centre, std::nullopt);
}

void drawFooters(const GraphContext& ctx, const PlotSeries& series, bool leftAligned) {
    // The same three lines as the plot file header.
    drawFooterLines(
        ctx, {"File: " + series.fileText, "Date: " + series.dateText, "Time: " + series.timeText},
        leftAligned);
}

void drawFooterLines(const GraphContext& ctx, const std::array<std::string, 3>& lines,
                     bool leftAligned) {
    const int mid = (ctx.area.left + ctx.area.right) / 2;
    // The area's own frame runs along its bottom edge: the last line ends above it.
    const int bottom = ctx.printing() ? ctx.area.bottom : ctx.area.bottom - kPanelInset;
    for (int i = 0; i < 3; ++i) {
        const int y = bottom - (3 - i) * ctx.h;
        if (leftAligned)
            ctx.surface.text(Point{ctx.area.left + 8, y}, lines[i], kBlack, TextAlign::Left,
                             std::nullopt);
        else
            ctx.surface.text(Point{mid, y}, lines[i], kBlack, TextAlign::Centre, std::nullopt);
    }
}

// On the quarter's last line, one line above its bottom: clear of the age labels and
// of the "Age" line under a pie.
void drawQuarterCaption(const GraphContext& ctx) {
    static const char* kCaptions[] = {"Net Worth", "Incoming", "Outgoing"};
    if (ctx.layoutMode < 1 || ctx.layoutMode > 3) return;
    const int mid = (ctx.area.left + ctx.area.right) / 2;
    ctx.surface.text(Point{mid, ctx.area.bottom - kPanelInset - ctx.h},
                     kCaptions[ctx.layoutMode - 1], kBlack, TextAlign::Centre, std::nullopt);
}

} // namespace finplan
