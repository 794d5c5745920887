// One run of a scenario: preparation, the year loop and the closing lines.
#pragma once

#include "engine/run_context.h"
#include "platform/clock.h"
#include "platform/random.h"

namespace finplan {

struct RunRequest {
    RunFlags flags;
    ViewSettings view;
    ScheduleSink* lines = nullptr;      // nullptr: lines are thrown away
    PlotSink* plot = nullptr;           // nullptr: no plot output
    TabExportSink* tabExport = nullptr; // nullptr: no export
    DrawDownObserver* drawDowns = nullptr;
    const MarketRates* market = nullptr; // nullptr: the scenario's own rates every year
};

// Runs the scenario it is given, which keeps the working values the run leaves.
// True when the run completed; false when the plot output could not be opened or
// the request was prepareOnly.
bool runScenario(Scenario& scenario, RunState& state, const RunRequest& request, Random& random,
                 const Clock& clock);

// The age row "%-4.1f%15s ..." (or "%-5.2f..." when exactAge) of the seven totals.
std::string ageRowText(float age, const RunState& st, bool exactAge);

} // namespace finplan
