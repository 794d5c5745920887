// The plot viewer's zoom: the rows of a run between two ages, as tables the renderer
// draws unchanged.
#pragma once

#include <memory>

#include "graphs/plot_series.h"

namespace finplan {

// Whole ages of the first and the last row of a run.
struct AgeSpan {
    int from = 0;
    int to = 0;
};
AgeSpan ageSpan(const PlotSeries& series);

// The rows whose whole age lies within span, for graph kind `kind`. The incoming and
// outgoing kinds leave out their last row (it repeats the year before), so when the
// span stops before the run's end they are given the row after it as well. Ages and
// totals travel along; the span is cut to the run.
std::unique_ptr<PlotSeries> zoomedSeries(const PlotSeries& series, AgeSpan span, int kind);

} // namespace finplan
