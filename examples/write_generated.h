// How the scenario generators write their result: with the program's own scenario
// writer, its messages on standard error.
#pragma once

#include <cstdio>
#include <string>

#include "model/scenario_file.h"
#include "platform/recording_messages.h"

namespace finplan {

inline bool writeGeneratedScenario(Scenario& s, const std::string& out) {
    ScenarioFiles files;
    files.scenarioPath = files.displayName = out;
    RecordingMessages messages;
    if (writeScenario(s, files, messages)) return true;
    for (const auto& e : messages.entries)
        std::fprintf(stderr, "%s: %s\n", e.title.c_str(), e.text.c_str());
    return false;
}

} // namespace finplan
