// Today's date and time as the schedule heading and the print files show them.
#pragma once

#include <string>

#include "platform/clock.h"

namespace finplan {

// "%d/%d/%d": month, day, year modulo 100.
std::string dateText(const LocalTime& t);
// "%d:%02d:%02d %s ": 12-hour clock, AM/PM, ending in a blank.
std::string timeText(const LocalTime& t);

} // namespace finplan
