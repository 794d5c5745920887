// The pie chart of one age: the components of a graph kind at the selected row.
#pragma once

#include "graphs/graph_parts.h"

namespace finplan {

PieGeometry drawPie(const GraphContext& ctx, int mode, const PieComponents& pie, float age);

} // namespace finplan
