// What the empty Summary folder says to a plan that cannot be drawn yet: where to
// begin, in the order the plan needs its parts.
#pragma once

#include <string>
#include <vector>

namespace finplan {

// The lines shown in place of the graphs while the plan lacks accounts or events.
std::vector<std::string> firstStepsText(int accountCount, int eventCount);

} // namespace finplan
