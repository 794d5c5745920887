#include "graphs/plot_zoom.h"

#include <algorithm>

#include "graphs/graph_parts.h"

namespace finplan {

namespace {

int wholeAge(const PlotSeries& s, int row) {
    return wholeNumber(s.rows[static_cast<std::size_t>(row)].age);
}

} // namespace

AgeSpan ageSpan(const PlotSeries& series) {
    const int rows = usableRowCount(series.plotRowCount);
    if (rows == 0) return {};
    return {wholeAge(series, 0), wholeAge(series, rows - 1)};
}

std::unique_ptr<PlotSeries> zoomedSeries(const PlotSeries& series, AgeSpan span, int kind) {
    auto out = std::make_unique<PlotSeries>(series);
    const int rows = usableRowCount(series.plotRowCount);
    int first = rows, last = -1;
    for (int r = 0; r < rows; ++r) {
        const int age = wholeAge(series, r);
        if (age < span.from || age > span.to) continue;
        first = std::min(first, r);
        last = std::max(last, r);
    }
    const bool yearTallies =
        kind == GraphKind::InOut || kind == GraphKind::Incoming || kind == GraphKind::Outgoing;
    if (yearTallies && last >= 0 && last + 1 < rows) ++last;
    const int count = std::max(last - first + 1, 0);
    for (int r = 0; r < count; ++r) {
        out->rows[static_cast<std::size_t>(r)] = series.rows[static_cast<std::size_t>(first + r)];
        out->accountBalances[static_cast<std::size_t>(r)] =
            series.accountBalances[static_cast<std::size_t>(first + r)];
    }
    out->plotRowCount = count - 1;
    if (count > 0) out->plotStartAge = wholeAge(*out, 0);
    return out;
}

} // namespace finplan
