// The lines of the Scenario folder's event list, with every event's listLine set to
// the index of its first line (1000 for unused slots).
#pragma once

#include <string>
#include <vector>

#include "model/scenario.h"

namespace finplan {

std::vector<std::string> eventListLines(Scenario& s);

}  // namespace finplan
