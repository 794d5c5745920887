#include "graphs/plot_series.h"

namespace finplan {

void PlotSeries::clear() {
    rows.fill(PlotRow{});
    plotRowCount = -1;
    for (auto& r : accountBalances)
        r.fill(0);
    for (auto& n : accountNames)
        n.clear();
    accountCount = 0;
    accountGroups.fill(0);
    ageTotals = AgeTotals{};
    plotStartAge = 0;
}

} // namespace finplan
