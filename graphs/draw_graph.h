// The graph renderer: one graph kind of the last run into a window, a Summary
// quarter or a printer page.
#pragma once

#include "graphs/graph_series.h"
#include "graphs/graph_state.h"
#include "platform/surface.h"

namespace finplan {

// Draws graphKind (1..7, 6 the pie of state.previousKind at state.selectedRow) in the
// area that state.layoutMode and state.options.printing select, and keeps the plot's
// geometry in state. lastRowIndex is the index of the last plot row.
void drawGraph(Surface& surface, const Rect& window, int graphKind, int firstAccount,
               int lastAccount, int lastRowIndex, GraphWindowState& state,
               const GraphSource& source);

// The Summary folder: quarters 1, 2 and 3 (net worth, incoming, outgoing, or their pies
// while state.graphKind is the pie) and the legend quarter; leaves layoutMode at 4.
void drawSummary(Surface& surface, const Rect& window, int lastRowIndex, GraphWindowState& state,
                 const GraphSource& source);

} // namespace finplan
