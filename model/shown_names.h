// The names of accounts, events and groups as every output shows or writes them: the
// schedule, the event and account lists, the plot, export and results files, the
// command line and the printed pages. A control character in a name becomes "?" (see
// text/printable_text.h); the scenario file and the editors keep the name's bytes.
#pragma once

#include <cstddef>
#include <string>

#include "model/records.h"
#include "model/scenario.h"
#include "text/printable_text.h"

namespace finplan {

template <std::size_t N> std::string shownText(const char (&field)[N]) {
    return printableText(fieldText(field));
}

inline std::string accountName(const Account& a) {
    return shownText(a.name);
}

inline std::string eventDescription(const Event& e) {
    return shownText(e.description);
}

// The name of group g (0..kMaxGroups-1).
inline std::string groupName(const Scenario& s, int g) {
    return shownText(s.groups.groupName[g]);
}

} // namespace finplan
