// The desktop's runs: the engine driven on the application's scenario, run state and
// view settings, with the plot tables and the ports the runs report through.
#pragma once

#include "graphs/plot_file.h"
#include "model/scenario_file.h"
#include "model/scenario_session.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "results/schedule_runs.h"
#include "shell/logic/scenario_runner.h"

namespace finplan {

class DesktopRunner : public ScenarioRunner {
  public:
    // plot fills the graph tables and the plot file; files names the scenario in it.
    // A completed run tells the scenario session its results are up to date.
    DesktopRunner(ScenarioSession& tracking, RunState& state, ViewSettings& view, Random& random,
                  const Clock& clock, Messages& messages, FileChooser& resultsChooser,
                  PlotFileWriter* plotFile = nullptr, const ScenarioFiles* scenarioFiles = nullptr)
        : session_{tracking.scenario, state, view, random, clock, messages, plotFile},
          changes_(tracking), chooser_(resultsChooser), plot_(plotFile), files_(scenarioFiles) {}

    bool run(ResultsList* list, RunMode mode, const RunFlags& flags) override;
    bool replay(ResultsList* list, const TrialReplay& trial) override;
    bool exportResults() override;
    uint32_t freshSeed() override;
    ViewSettings& viewSettings() override { return session_.view; }
    void setGraphKind(int kind) override {
        if (plot_) plot_->setGraphKind(kind);
    }
    float plotStartAge() const override { return session_.state.plotStartAge; }
    float taxRateInEffect() const override { return session_.state.taxRateInEffect; }

  private:
    void beforeRun();
    RunSession session_;
    ScenarioSession& changes_;
    FileChooser& chooser_;
    PlotFileWriter* plot_;
    const ScenarioFiles* files_;
};

} // namespace finplan
