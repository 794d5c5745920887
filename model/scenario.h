// The one plan the program holds: initial values, events, accounts, groups and the
// change flags. Owned by the application and passed by reference; a multi-run
// analysis copies it per thread.
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

    // Event slot protocol: the event dialogs always work on slot currentEvent.
    int currentEvent = 0;
    bool editingEvent = false;
    bool cancelledEdit = false; // set by every editor's Cancel
    bool copyPending = false;   // set by Copy before the editor opens, cleared by OK

    // Change flags.
    bool scenarioModified = false;
    bool accountsModified = false;
    bool resultsStale = false;

    // Events in use, never more than the table holds even if the count was damaged.
    int usedEventCount() const { return std::clamp(eventCount, 0, kMaxEvents); }
};

} // namespace finplan
