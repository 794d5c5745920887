#include "graphs/summary_legend.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "graphs/format_thousands.h"
#include "graphs/graph_palette.h"
#include "graphs/graph_parts.h"
#include "text/format.h"

namespace finplan {

namespace {

constexpr int kClearedLines = 12;
constexpr int kPanelChars = 40;

// Labels are written in black (or the hover blue), never in their series' colour: a
// yellow or light green text cannot be read on the panel. The colour is in the swatch.
struct LegendLine {
    std::string label;
    Color labelColor = kBlack;
    bool hasValue = false;
    double value = 0;
    bool centred = false;
    std::optional<Color> swatch;
};

LegendLine valueLine(const char* label, int position, double v) {
    return LegendLine{label, kBlack, true, v, false, seriesColor(position)};
}

LegendLine titleLine(const char* title) {
    return LegendLine{title, kBlack, false, 0, true, std::nullopt};
}

// AgeTotals slot of a whole age, or -1 outside the table.
int ageSlot(float age) {
    const int a = wholeNumber(age);
    return (a >= 0 && a < kAgeSlots) ? a : -1;
}

double netWorthAt(const AgeTotals& t, int slot) {
    if (slot < 0) return 0;
    const auto i = static_cast<std::size_t>(slot);
    return t.investmentTotal[i] + t.taxFreeTotal[i] + t.retirementTotal[i] + t.assetTotal[i] +
           t.equityTotal[i];
}

std::vector<LegendLine> sectionLines(const GraphWindowState& state, const GraphSource& src,
                                     const PlotRow& row) {
    std::vector<LegendLine> lines;
    if (state.hoveredQuarter == 2) {
        lines.push_back(titleLine("Incoming"));
        lines.push_back(valueLine("Deposits", 1, row.deposits));
        lines.push_back(valueLine("Taxable Income", 2, row.taxableIncome));
        lines.push_back(valueLine("Non-Taxable Income", 3, row.nonTaxableIncome));
        lines.push_back(valueLine("Loans", 4, row.loans));
        lines.push_back(valueLine("Income From Assets", 5, row.incomeFromAssets));
        lines.push_back(valueLine("Income From Equity", 6, row.incomeFromEquity));
        const float total = row.deposits + row.taxableIncome + row.nonTaxableIncome + row.loans +
                            row.incomeFromAssets + row.incomeFromEquity;
        lines.push_back(valueLine("Total Incoming", 0, total));
    } else if (state.hoveredQuarter == 3) {
        lines.push_back(titleLine("Outgoing"));
        lines.push_back(valueLine("Withdrawals", 1, row.withdrawals));
        lines.push_back(valueLine("Interest Paid", 2, row.interestPaid));
        lines.push_back(valueLine("Other", 3, row.otherOutgoing));
        lines.push_back(valueLine("Taxes", 4, row.taxes));
        lines.push_back(valueLine("Penalties", 5, row.penalties));
        const float total =
            row.withdrawals + row.interestPaid + row.otherOutgoing + row.taxes + row.penalties;
        lines.push_back(valueLine("Total Outgoing", 0, total));
    } else {
        const AgeTotals& t = src.series.ageTotals;
        const int slot = ageSlot(row.age);
        auto at = [&](const std::array<float, kAgeSlots>& a) -> double {
            return slot < 0 ? 0 : a[static_cast<std::size_t>(slot)];
        };
        lines.push_back(titleLine("Net Worth"));
        lines.push_back(valueLine("Investment Savings", 1, at(t.investmentTotal)));
        lines.push_back(valueLine("Tax Free Savings", 2, at(t.taxFreeTotal)));
        lines.push_back(valueLine("Retirement Savings", 3, at(t.retirementTotal)));
        lines.push_back(
            valueLine("Assets", 4, static_cast<float>(at(t.assetTotal) - at(t.liabilities))));
        lines.push_back(valueLine("Equity", 5, at(t.equityTotal)));
    }
    return lines;
}

} // namespace

long roundToUnits(double v) {
    if (!std::isfinite(v)) return 0;
    const double magnitude = std::min(std::fabs(v), 1.0e15);
    double whole = std::trunc(magnitude);
    if (magnitude - whole >= 0.5) whole += 1;
    return static_cast<long>(v < 0 ? -whole : whole);
}

void drawSummaryLegend(Surface& surface, const Rect& window, const GraphWindowState& state,
                       const GraphSource& source, int lastRowIndex) {
    GraphContext ctx = makeContext(surface, state.options, window, 4);
    const Rect& a = ctx.area;
    const int h = ctx.h;
    const int c = ctx.c;
    surface.fillRect(Rect{a.left, a.top, a.right, std::min(a.bottom, a.top + kClearedLines * h)},
                     state.options.buttonFace);

    const int rows = usableRowCount(lastRowIndex);
    if (rows == 0) return;
    const int selected = std::clamp(state.selectedRow, 0, rows - 1);
    const PlotRow& row = source.series.rows[static_cast<std::size_t>(selected)];

    std::vector<LegendLine> lines;
    lines.push_back(LegendLine{"Age", kBlack, false, 0, false, std::nullopt});
    for (auto& l : sectionLines(state, source, row))
        lines.push_back(std::move(l));
    const double netWorth = netWorthAt(source.series.ageTotals, ageSlot(row.age));
    lines.push_back(LegendLine{"Net Worth", state.hoveredQuarter == 1 ? seriesColor(0) : kBlack,
                               true, netWorth, false, seriesColor(0)});
    const int endAge = wholeNumber(source.scenario.initial.endAge);
    lines.push_back(
        LegendLine{format("Age %d Net Worth", endAge), kBlack, true,
                   netWorthAt(source.series.ageTotals, ageSlot(source.scenario.initial.endAge)),
                   false, std::nullopt});

    const int width = std::min(a.width(), kPanelChars * c);
    const int left = a.left;
    const int valueRight = left + width - c;
    const int top = a.top + 2;
    const int box = c * 3 / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LegendLine& l = lines[i];
        const int y = top + static_cast<int>(i) * h;
        if (l.centred) {
            surface.text(Point{left + width / 2, y}, l.label, l.labelColor, TextAlign::Centre,
                         std::nullopt);
            continue;
        }
        int labelX = left + c;
        if (l.swatch) {
            surface.rect(Rect{labelX, y + 2, labelX + box, y + h - 2}, Pen{kBlack, 1}, *l.swatch);
            labelX += box + c / 2;
        }
        surface.text(Point{labelX, y}, l.label, l.labelColor, TextAlign::Left, std::nullopt);
        if (i == 0) {
            surface.text(Point{valueRight, y}, format("%d", wholeNumber(row.age)), kBlack,
                         TextAlign::Right, std::nullopt);
        } else if (l.hasValue) {
            const long v = roundToUnits(l.value);
            surface.text(Point{valueRight, y}, formatThousands(format("%ld", v)),
                         numberColor(static_cast<double>(v)), TextAlign::Right, std::nullopt);
        }
    }
    drawFramedPanel(surface, left, a.top, width, static_cast<int>(lines.size()) * h + 4);
}

} // namespace finplan
