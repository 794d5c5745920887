// What the shell asks of a run: run the application's scenario once in a mode, with
// the list lines going to the Results list. The desktop's implementation drives the
// engine with the application's run state, plot tables, random generator and ports.
#pragma once

#include "analysis/trial_runner.h"
#include "engine/run_state.h"
#include "results/line_sinks.h"

namespace finplan {

class ScenarioRunner {
  public:
    virtual ~ScenarioRunner() = default;
    // One run. RunMode::List fills `list` (nullptr: the lines are thrown away);
    // ResultsFile asks for a .sch file; PrintFile with prepareOnly only prepares.
    // True when it completed.
    virtual bool run(ResultsList* list, RunMode mode, const RunFlags& flags) = 0;
    // One trial of a many-trial analysis run again into the list, as an ordinary list
    // run of the application's scenario. False when it did not complete.
    virtual bool replay(ResultsList* /*list*/, const TrialReplay& /*trial*/) { return false; }
    // Starts the rate generator afresh from a seed drawn from it and gives that seed:
    // the next random-rate run is the one `finplan run --seed` repeats.
    virtual uint32_t freshSeed() { return 0; }
    // "Export Results To a Tab File".
    virtual bool exportResults() = 0;
    virtual ViewSettings& viewSettings() = 0;
    // The graph kind the plot file names as the one last shown (1..7).
    virtual void setGraphKind(int kind) = 0;
    // Whole first age the last run listed.
    virtual float plotStartAge() const = 0;
    // The tax rate the last run left in force (the engine's starting rate before any).
    virtual float taxRateInEffect() const = 0;
};

} // namespace finplan
