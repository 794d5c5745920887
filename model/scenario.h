// The one plan the program holds: initial values, events, accounts and groups, as
// plain data. Owned by the application and passed by reference (its changes are told
// to the ScenarioSession); a multi-run analysis copies it per thread.
#pragma once

#include <algorithm>

#include "model/records.h"

namespace finplan {

struct Scenario {
    InitialValues initial;
    int eventCount = 0;
    Event events[kMaxEvents];
    AccountTable accounts;
    GroupTable groups;

    // Events in use, never more than the table holds even if the count was damaged.
    int usedEventCount() const { return std::clamp(eventCount, 0, kMaxEvents); }
};

} // namespace finplan
