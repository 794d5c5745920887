#include "graphs/fan_chart.h"

#include <algorithm>

#include "graphs/axis_scale.h"
#include "graphs/format_thousands.h"
#include "graphs/graph_palette.h"
#include "model/whole_number.h"

namespace finplan {

namespace {

struct FanFrame {
    int x0 = 0;
    int baseY = 0;
    int width = 0;
    int height = 0;
    int ages = 0;
    AxisScale axis;

    int xOf(int age) const { return ages > 1 ? x0 + age * width / (ages - 1) : x0; }
    int yOf(float v) const {
        return baseY - wholeNumber((v - axis.axisMin) / axis.axisSpan * height);
    }
};

FanFrame frameFor(const Rect& area, int ages, float lo, float hi, const FontMetrics& m) {
    FanFrame f;
    const int h = std::max(1, m.lineHeight());
    const int c = std::max(1, m.averageCharWidth);
    f.x0 = area.left + 14 * c;
    f.width = std::max(1, area.right - 2 * c - f.x0);
    f.baseY = area.bottom - 4 * h;
    f.height = std::max(10, f.baseY - (area.top + 3 * h));
    f.ages = ages;
    f.axis = scaleAxis(lo, hi);
    return f;
}

void drawGrid(Surface& s, const FanFrame& f, int firstAge, const FontMetrics& m) {
    const Pen grid{kGrey, 1};
    const int h = m.lineHeight();
    for (int i = 0; i <= 10; ++i) {
        const float v = f.axis.axisMin + static_cast<float>(i) * f.axis.axisStep;
        const int y = f.yOf(v);
        s.line(Point{f.x0, y}, Point{f.x0 + f.width, y}, grid);
        std::string label = groupedValue(v);
        if (label.size() > 3) label.resize(label.size() - 3); // no cents
        s.text(Point{f.x0 - m.averageCharWidth, y - h / 2}, label, numberColor(v), TextAlign::Right,
               std::nullopt);
    }
    // Age labels, thinned out until they fit.
    int step = 1;
    while (step < f.ages && (f.ages / step) * 4 * m.averageCharWidth > f.width)
        ++step;
    for (int a = 0; a < f.ages; a += step) {
        const int x = f.xOf(a);
        s.line(Point{x, f.baseY}, Point{x, f.baseY + 4}, Pen{kBlack, 1});
        s.text(Point{x, f.baseY + 6}, std::to_string(firstAge + a), kBlack, TextAlign::Centre,
               std::nullopt);
    }
    s.line(Point{f.x0, f.yOf(0)}, Point{f.x0 + f.width, f.yOf(0)}, Pen{kBlack, 2});
    s.line(Point{f.x0, f.baseY}, Point{f.x0, f.baseY - f.height}, Pen{kBlack, 2});
}

// The area between two percentiles, age by age.
void drawBand(Surface& s, const FanFrame& f, const FanChart& chart, int low, int high, Color fill) {
    std::vector<Point> corners;
    for (int a = 0; a < f.ages; ++a)
        corners.push_back(Point{f.xOf(a), f.yOf(chart.bands[a][high])});
    for (int a = f.ages - 1; a >= 0; --a)
        corners.push_back(Point{f.xOf(a), f.yOf(chart.bands[a][low])});
    s.polygon(corners, Pen{fill, 1}, fill);
}

struct LegendItem {
    Color color;
    const char* name;
};

void drawLegend(Surface& s, const Rect& area, const FontMetrics& m,
                std::initializer_list<LegendItem> items) {
    const int h = m.lineHeight();
    const int c = std::max(1, m.averageCharWidth);
    int x = area.left + 14 * c;
    const int y = area.bottom - 2 * h;
    for (const auto& item : items) {
        s.rect(Rect{x, y + 2, x + 2 * c, y + h - 2}, Pen{kBlack, 1}, item.color);
        s.text(Point{x + 3 * c, y}, item.name, kBlack, TextAlign::Left, std::nullopt);
        x += 5 * c + s.textWidth(item.name);
    }
}

// A white area with the title; the metrics of the chart's font.
FontMetrics startChart(Surface& s, const Rect& area, const std::string& title) {
    s.setFont(FontSpec{});
    const FontMetrics m = s.metrics();
    s.fillRect(area, kWhite);
    s.text(Point{(area.left + area.right) / 2, area.top + m.lineHeight() / 2}, title, kBlack,
           TextAlign::Centre, std::nullopt);
    return m;
}

} // namespace

void drawFanChart(Surface& s, const Rect& area, const FanChart& chart) {
    const FontMetrics m = startChart(s, area, chart.title);
    if (chart.bands.empty()) return;
    float lo = 0, hi = 0; // the axis always includes zero
    for (const auto& b : chart.bands) {
        lo = std::min({lo, b[0], b[4]});
        hi = std::max({hi, b[0], b[4]});
    }
    const FanFrame f = frameFor(area, static_cast<int>(chart.bands.size()), lo, hi, m);
    drawBand(s, f, chart, 0, 4, kOuterBand);
    drawBand(s, f, chart, 1, 3, kInnerBand);
    drawGrid(s, f, chart.firstAge, m);
    std::vector<Point> median;
    for (int a = 0; a < f.ages; ++a)
        median.push_back(Point{f.xOf(a), f.yOf(chart.bands[a][2])});
    for (std::size_t i = 1; i < median.size(); ++i)
        s.line(median[i - 1], median[i], Pen{kMedianLine, 2});
    drawLegend(s, area, m,
               {{kOuterBand, "10th to 90th percentile"},
                {kInnerBand, "25th to 75th percentile"},
                {kMedianLine, "Median"}});
}

void drawCycleChart(Surface& s, const Rect& area, const CycleChart& chart) {
    const FontMetrics m = startChart(s, area, chart.title);
    if (chart.lines.empty() || chart.lines.front().empty()) return;
    float lo = 0, hi = 0;
    for (const auto& line : chart.lines)
        for (float v : line) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    const FanFrame f = frameFor(area, static_cast<int>(chart.lines.front().size()), lo, hi, m);
    drawGrid(s, f, chart.firstAge, m);
    auto draw = [&](std::size_t i, int width) {
        const Pen pen{chart.failed[i] ? kRanDryLine : kLastedLine, width};
        const auto& line = chart.lines[i];
        for (int a = 1; a < static_cast<int>(line.size()) && a < f.ages; ++a)
            s.line(Point{f.xOf(a - 1), f.yOf(line[a - 1])}, Point{f.xOf(a), f.yOf(line[a])}, pen);
    };
    // The cycles that lasted first, so every red line shows.
    for (int pass = 0; pass < 2; ++pass)
        for (std::size_t i = 0; i < chart.lines.size(); ++i)
            if (chart.failed[i] == (pass == 1) && static_cast<int>(i) != chart.highlighted)
                draw(i, 1);
    if (chart.highlighted >= 0 && chart.highlighted < static_cast<int>(chart.lines.size()))
        draw(static_cast<std::size_t>(chart.highlighted), 3);
    drawLegend(s, area, m, {{kLastedLine, "Lasted"}, {kRanDryLine, "Ran out of savings"}});
}

} // namespace finplan
