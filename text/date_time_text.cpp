#include "text/date_time_text.h"

#include "text/format.h"

namespace finplan {

std::string dateText(const LocalTime& t) {
    return format("%d/%d/%d", t.month, t.day, t.year % 100);
}

std::string timeText(const LocalTime& t) {
    int h = t.hour % 12;
    if (h == 0) h = 12;
    return format("%d:%02d:%02d %s ", h, t.minute, t.second, t.hour < 12 ? "AM" : "PM");
}

} // namespace finplan
