#include "results/ready_run.h"

#include <ctime>

namespace finplan {

namespace {

std::unique_ptr<Clock> clockFor(const RunSetup& setup) {
    if (setup.time) return std::make_unique<FixedClock>(*setup.time);
    return std::make_unique<SystemClock>();
}

uint32_t seedFor(const RunSetup& setup) {
    return setup.seed ? *setup.seed : static_cast<uint32_t>(std::time(nullptr));
}

} // namespace

ReadyRun::ReadyRun(const RunSetup& setup, Messages& messages)
    : clock_(clockFor(setup)), random_(seedFor(setup)), view_(setup.view),
      plot_(setup.plot
                ? std::make_unique<PlotFileWriter>(*series_, *clock_, messages, setup.plotFile)
                : nullptr),
      session_{*scenario_, *state_, view_, random_, *clock_, messages, plot_.get()} {}

RunRequest ReadyRun::request(RunFlags flags) const {
    RunRequest r;
    r.flags = flags;
    r.view = view_;
    r.plot = plot_.get();
    return r;
}

bool ReadyRun::run(const RunRequest& request) {
    return runScenario(*scenario_, *state_, request, random_, *clock_);
}

} // namespace finplan
