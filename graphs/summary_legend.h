// The Summary folder's legend quarter: the values behind the three small graphs at
// the selected age.
#pragma once

#include "graphs/graph_series.h"
#include "graphs/graph_state.h"
#include "platform/surface.h"

namespace finplan {

// Rounds to whole units, halves away from zero: a negative value rounds by its magnitude
// as a positive one does (-2.7 is -3, not -2).
long roundToUnits(double v);

void drawSummaryLegend(Surface& surface, const Rect& window, const GraphWindowState& state,
                       const GraphSource& source, int lastRowIndex);

} // namespace finplan
