// Pieces shared by the command-line runner's commands: messages on standard error
// (the headless port) and loading the scenario a command names.
#pragma once

#include <iosfwd>
#include <string>

#include "model/scenario.h"
#include "model/scenario_file.h"
#include "platform/messages.h"
#include "platform/stderr_messages.h"

namespace finplan::cli {

// Loads path as Open does (events in list order). On failure the program's own
// message has been shown and the result is false.
bool loadScenario(const std::string& path, Scenario& s, ScenarioFiles& files, Messages& messages);

} // namespace finplan::cli
