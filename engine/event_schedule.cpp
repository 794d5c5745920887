#include "engine/event_schedule.h"

#include <algorithm>

namespace finplan {

void EventSchedule::start(const Event* events, int count) {
    count_ = count;
    startedCount_ = 0;
    waitingCount_ = 0;
    nextDue_ = 0;
    firstWaiting_ = 0;
    for (int k = 0; k < count; ++k) {
        const Event& e = events[k];
        isWaiting_[k] = e.state() == EventState::NotStarted;
        if (e.state() == EventState::Active) started_[startedCount_++] = static_cast<int16_t>(k);
        // A start age that no age reaches (NaN) never comes.
        if (isWaiting_[k] && e.startAge == e.startAge)
            waiting_[waitingCount_++] = static_cast<int16_t>(k);
    }
    list_ = started_.data();
    visitCount_ = startedCount_;
    std::sort(waiting_.begin(), waiting_.begin() + waitingCount_, [events](int16_t a, int16_t b) {
        return events[a].startAge < events[b].startAge ||
               (events[a].startAge == events[b].startAge && a < b);
    });
}

void EventSchedule::takeDue(const Event* events, float age) {
    // The due ones in run order, then merged with the started ones.
    int16_t due[kMaxEvents];
    int dueCount = 0;
    while (nextDue_ < waitingCount_ && events[waiting_[nextDue_]].startAge <= age) {
        const int16_t k = waiting_[nextDue_++];
        isWaiting_[k] = false;
        int at = dueCount++;
        for (; at > 0 && due[at - 1] > k; --at)
            due[at] = due[at - 1];
        due[at] = k;
    }
    int n = 0;
    int s = 0;
    int d = 0;
    while (s < startedCount_ || d < dueCount) {
        if (d == dueCount || (s < startedCount_ && started_[s] < due[d]))
            merged_[n++] = started_[s++];
        else
            merged_[n++] = due[d++];
    }
    list_ = merged_.data();
    visitCount_ = n;
}

} // namespace finplan
