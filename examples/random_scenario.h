// Random valid scenarios: every value within the editors' limits, drawn from a
// stream of bytes. The run fuzzer feeds it its input; make_scenario feeds it a
// seeded generator so that a scenario can be rebuilt from its seed alone.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/scenario.h"

namespace finplan {

// Upper bounds of the account and event counts drawn (at most the tables' sizes).
struct RandomScenarioLimits {
    int maxAccounts = kMaxAccounts;
    int maxEvents = kMaxEvents;
};

// Fills s from the bytes; past their end every draw reads zeros.
void buildRandomScenario(Scenario& s, const uint8_t* data, std::size_t size,
                         const RandomScenarioLimits& limits = {});

} // namespace finplan
