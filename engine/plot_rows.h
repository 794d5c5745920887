// Fills the plot row of a plotted year from the run state and hands it to the plot
// and tab-export sinks.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// The rows themselves, for a run whose sinks want them.
void writeRowStart(RunContext& ctx);
void writeRowEnd(RunContext& ctx);

// Start of a plotted year (or the final age): balances and fields 0..6. Rows beyond
// the table (more than a 100-year span) are not stored.
inline void storeRowStart(RunContext& ctx) {
    RunState& st = ctx.state;
    st.rowOpen = false;
    if (st.plotRowIndex + 1 >= kMaxPlotRows) return;
    st.rowOpen = true;
    st.plotRowIndex += 1;
    if (ctx.rows) writeRowStart(ctx);
}

// End of a plotted year: fields 7..19 from the year's tallies.
inline void storeRowEnd(RunContext& ctx) {
    RunState& st = ctx.state;
    if (!st.rowOpen) return;
    st.rowOpen = false;
    if (ctx.rows) writeRowEnd(ctx);
}

} // namespace finplan
