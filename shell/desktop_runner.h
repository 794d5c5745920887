// The desktop's runs: the engine driven on the application's scenario, run state and
// view settings, with the plot tables and the ports the runs report through.
#pragma once

#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "results/schedule_runs.h"
#include "shell/scenario_runner.h"

namespace finplan {

class DesktopRunner : public ScenarioRunner {
public:
    DesktopRunner(Scenario& scenario, RunState& state, ViewSettings& view, Random& random,
                  const Clock& clock, Messages& messages, FileChooser& chooser,
                  PlotSink* plot = nullptr)
        : session{scenario, state, view, random, clock, messages, plot}, chooser(chooser) {}

    bool run(ResultsList* list, RunMode mode, const RunFlags& flags) override;
    bool exportResults() override;
    ViewSettings& viewSettings() override { return session.view; }
    float plotStartAge() const override { return session.state.plotStartAge; }

private:
    RunSession session;
    FileChooser& chooser;
};

}  // namespace finplan
