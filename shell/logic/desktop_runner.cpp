#include "shell/logic/desktop_runner.h"

#include "model/file_names.h"
#include "model/scenario_ops.h"
#include "results/tab_export.h"

namespace finplan {

void DesktopRunner::beforeRun() {
    // The totals and working balances follow the accounts as they are now.
    recomputeTotals(session_.scenario);
    if (plot_ && files_) plot_->setFileTitle(files_->displayName);
}

bool DesktopRunner::run(ResultsList* list, RunMode mode, const RunFlags& flags) {
    Scenario& s = session_.scenario;
    beforeRun();
    if (flags.prepareOnly) {
        prepareRun(session_, flags);
        return false;
    }
    bool ok = false;
    switch (mode) {
    case RunMode::List:
        if (list) {
            ok = runToList(session_, *list, flags);
        } else {
            RunRequest request{flags, session_.view, nullptr, session_.plot, nullptr};
            ok = runScenario(s, session_.state, request, session_.random, session_.clock);
        }
        break;
    case RunMode::ResultsFile:
        // The Save button: the file dialog, the file, then the preparing run.
        return saveResults(session_, chooser_);
    case RunMode::PrintFile:
        ok = writePrintFile(session_, flags, files::kPrintFile);
        break;
    }
    if (ok) changes_.changed(ScenarioChange::RunCompleted);
    return ok;
}

bool DesktopRunner::replay(ResultsList* list, const TrialReplay& trial) {
    beforeRun();
    RunRequest request;
    request.view = session_.view;
    request.lines = list;
    request.plot = session_.plot;
    const bool ok = replayTrial(session_.scenario, session_.state, trial, request);
    if (ok) changes_.changed(ScenarioChange::RunCompleted);
    return ok;
}

uint32_t DesktopRunner::freshSeed() {
    const auto seed = static_cast<uint32_t>(session_.random.next());
    session_.random.seed(seed);
    return seed;
}

bool DesktopRunner::exportResults() {
    beforeRun();
    ResultsList scratch;
    return finplan::exportResults(session_, scratch, chooser_);
}

} // namespace finplan
