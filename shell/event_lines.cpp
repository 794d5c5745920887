#include "shell/event_lines.h"

#include "results/event_descriptions.h"

namespace finplan {

std::vector<std::string> eventListLines(Scenario& s) { return describeEvents(s, true); }

}  // namespace finplan
