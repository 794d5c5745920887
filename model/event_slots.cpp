// The event table: clearing slots, copy, delete and the list order.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "model/scenario_ops.h"

namespace finplan {

namespace {

bool validSlot(int slot) {
    return slot >= 0 && slot < kMaxEvents;
}

} // namespace

// Damaged files may carry NaN ages or rates; sorting needs a total order.
float sortableFloat(float v) {
    return std::isnan(v) ? std::numeric_limits<float>::infinity() : v;
}

void clearEventSlot(Scenario& s, int slot) {
    if (validSlot(slot)) s.events[slot] = Event{};
}

bool eventTableFull(const Scenario& s) {
    return s.eventCount >= kMaxEvents;
}

bool copyEvent(Scenario& s, int index) {
    if (eventTableFull(s) || s.eventCount < 0) return false;
    if (index < 0 || index >= s.eventCount) return false;
    s.events[s.eventCount] = s.events[index];
    ++s.eventCount;
    return true;
}

void deleteEvent(Scenario& s, int index) {
    const int n = s.usedEventCount();
    if (index < 0 || index >= n) return;
    for (int i = index; i + 1 < n; ++i)
        s.events[i] = s.events[i + 1];
    s.eventCount = n - 1;
    clearEventSlot(s, n - 1);
}

void sortEvents(Scenario& s) {
    const int n = s.usedEventCount();
    std::stable_sort(s.events, s.events + n, [](const Event& a, const Event& b) {
        const float aa = sortableFloat(a.startAge), ba = sortableFloat(b.startAge);
        if (aa != ba) return aa < ba;
        const int d = std::strncmp(a.description, b.description, kDescriptionWidth);
        if (d != 0) return d < 0;
        return a.kind < b.kind;
    });
}

} // namespace finplan
