// One way to start a run. Everything a run of a scenario needs (the scenario, the
// engine's working state, the generator, the clock, the view settings and the plot
// tables with their file), made in one place for the command line, the desktop
// program, the benchmarks and the fuzzers, and lent to the runs as a RunSession.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "engine/run_driver.h"
#include "graphs/plot_file.h"
#include "results/schedule_runs.h"

namespace finplan {

struct RunSetup {
    bool plot = true;     // false: no plot tables and no plot file (a leaner run)
    std::string plotFile; // the plot file a run writes; empty: the tables only
    // The generator's seed; none: seeded from the clock, as at program start.
    std::optional<uint32_t> seed;
    // The time the run's dates are taken from; none: the system clock.
    std::optional<LocalTime> time;
    ViewSettings view;
};

class ReadyRun {
  public:
    ReadyRun(const RunSetup& setup, Messages& messages);
    ReadyRun(const ReadyRun&) = delete;
    ReadyRun& operator=(const ReadyRun&) = delete;

    Scenario& scenario() { return *scenario_; }
    RunState& state() { return *state_; }
    PlotSeries& series() { return *series_; }
    // nullptr when the setup asked for no plot output.
    PlotFileWriter* plot() { return plot_.get(); }
    Random& random() { return random_; }
    const Clock& clock() const { return *clock_; }
    ViewSettings& view() { return view_; }
    // What the Results folder's runs and the runner's borrow.
    RunSession& session() { return session_; }

    // A request with this run's view and plot output; the caller adds flags and sinks.
    RunRequest request(RunFlags flags = {}) const;
    // One run of the scenario as request says; true when it completed.
    bool run(const RunRequest& request);

  private:
    std::unique_ptr<Scenario> scenario_ = std::make_unique<Scenario>();
    std::unique_ptr<RunState> state_ = std::make_unique<RunState>();
    std::unique_ptr<PlotSeries> series_ = std::make_unique<PlotSeries>();
    std::unique_ptr<Clock> clock_;
    SeededRandom random_;
    ViewSettings view_;
    std::unique_ptr<PlotFileWriter> plot_;
    RunSession session_;
};

} // namespace finplan
