// Printing one run of an analysis (a trial, a historical cycle) as `finplan run`
// prints a schedule.
#pragma once

#include <functional>
#include <string>

#include "engine/run_driver.h"

namespace finplan::cli {

using ReplayRun = std::function<bool(Scenario&, RunState&, const RunRequest&)>;

// The results-file text of run, made on a copy of the analysed scenario: the event
// list, then the schedule.
std::string replayScheduleText(const Scenario& analysed, const ReplayRun& run);

} // namespace finplan::cli
