// Fills the plot row of a plotted year from the run state and hands it to the plot
// and tab-export sinks.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// Start of a plotted year (or the final age): balances and fields 0..6.
void storeRowStart(RunContext& ctx);
// End of a plotted year: fields 7..19 from the year's tallies.
void storeRowEnd(RunContext& ctx);

} // namespace finplan
