// The plain-language lines that describe each event: the Scenario folder's event
// list and the head of a results or print file.
#pragma once

#include <string>
#include <vector>

#include "model/scenario.h"

namespace finplan {

// The lines of every event in list order (the events are put in list order first),
// after a header line when there are events.
// In list form each event's listLine becomes the index of its first line (every slot
// is first set to 1000); the file form leaves listLine alone.
std::vector<std::string> describeEvents(Scenario& s, bool listForm);

// The lines of one event (index in the event table).
void describeEvent(const Scenario& s, int index, std::vector<std::string>& out);

} // namespace finplan
