#include "shell/logic/desktop_runner.h"

#include "model/file_names.h"
#include "model/scenario_ops.h"
#include "results/tab_export.h"

namespace finplan {

void DesktopRunner::beforeRun() {
    // The totals and working balances follow the accounts as they are now.
    recomputeTotals(session.scenario);
    if (plot && files) plot->setFileTitle(files->displayName);
}

bool DesktopRunner::run(ResultsList* list, RunMode mode, const RunFlags& flags) {
    Scenario& s = session.scenario;
    beforeRun();
    if (flags.prepareOnly) {
        prepareRun(session, flags);
        return false;
    }
    bool ok = false;
    switch (mode) {
    case RunMode::List:
        if (list) {
            ok = runToList(session, *list, flags);
        } else {
            RunRequest request{flags, session.view, nullptr, session.plot, nullptr};
            ok = runScenario(s, session.state, request, session.random, session.clock);
        }
        break;
    case RunMode::ResultsFile:
        // The Save button: the file dialog, the file, then the preparing run.
        return saveResults(session, chooser);
    case RunMode::PrintFile:
        ok = writePrintFile(session, flags, files::kPrintFile);
        break;
    }
    if (ok) changes.changed(ScenarioChange::RunCompleted);
    return ok;
}

bool DesktopRunner::replay(ResultsList* list, const TrialReplay& trial) {
    beforeRun();
    RunRequest request;
    request.view = session.view;
    request.lines = list;
    request.plot = session.plot;
    const bool ok = replayTrial(session.scenario, session.state, trial, request);
    if (ok) changes.changed(ScenarioChange::RunCompleted);
    return ok;
}

uint32_t DesktopRunner::freshSeed() {
    const auto seed = static_cast<uint32_t>(session.random.next());
    session.random.seed(seed);
    return seed;
}

bool DesktopRunner::exportResults() {
    beforeRun();
    ResultsList scratch;
    return finplan::exportResults(session, scratch, chooser);
}

} // namespace finplan
