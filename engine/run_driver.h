// One run of a scenario: preparation, the year loop and the closing lines.
//
// The run types, from the caller down:
//   ReadyRun    (results/ready_run.h) owns everything a run needs: the scenario, the
//               state, the generator, the clock, the view and the plot output. The one
//               way to start runs, for the programs, the benchmarks and the fuzzers.
//   RunSession  (results/schedule_runs.h) the same parts lent, not owned: what the
//               Results folder's runs and the command-line runner's take.
//   RunRequest  one call of runScenario: the flags, the view, the sinks the lines,
//               plot rows and export go to, the market and a prepared plan.
//   RunFlags    what the command starting the run asks for: random rates, a
//               preparing run only, a results or print file being written.
//   RunMode     where a desktop run's schedule lines go: the list, a results file
//               or the print file.
//   RunState    the engine's working values of one run in progress (one per thread).
//   RunPlan     what stays the same for every run of one scenario, worked out once.
//   RunContext  what the phases of the year loop share inside one runScenario call.
//   RunWaySinks (fuzz/run_way.h) the sinks a run fuzz target picks from per input.
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
    // Worked out once for many runs of one scenario whose events and accounts are
    // already in run order (nothing is sorted then); nullptr: the run works it out.
    const RunPlan* plan = nullptr;
};

// Runs the scenario it is given, which keeps the working values the run leaves.
// True when the run completed; false when the plot output could not be opened or
// the request was prepareOnly.
bool runScenario(Scenario& scenario, RunState& state, const RunRequest& request, Random& random,
                 const Clock& clock);

// The age row "%-4.1f%15s ..." (or "%-5.2f..." when exactAge) of the seven totals.
std::string ageRowText(float age, const RunState& st, bool exactAge);

} // namespace finplan
