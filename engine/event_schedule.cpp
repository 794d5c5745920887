#include "engine/event_schedule.h"

#include <algorithm>

namespace finplan {

void EventSchedule::start(const Event* events, int count, const int16_t* byStartAge,
                          int byStartAgeCount) {
    count_ = count;
    startedCount_ = 0;
    waitingCount_ = 0;
    nextDue_ = 0;
    firstWaiting_ = 0;
    for (int k = 0; k < count; ++k) {
        isWaiting_[k] = events[k].state() == EventState::NotStarted;
        if (events[k].state() == EventState::Active)
            started_[startedCount_++] = static_cast<int16_t>(k);
    }
    for (int i = 0; i < byStartAgeCount; ++i)
        if (isWaiting_[byStartAge[i]]) waiting_[waitingCount_++] = byStartAge[i];
}

bool EventSchedule::agreesWithEvents(const Event* events, float age, int waitingFirst) const {
    int visits = 0;
    int firstWaiting = -1;
    for (int k = 0; k < count_; ++k) {
        const Event& e = events[k];
        if (e.state() == EventState::Finished) continue;
        if (e.state() == EventState::Active || e.startAge <= age) {
            if (visits >= startedCount_ || started_[visits] != k) return false;
            ++visits;
        } else if (visits == 0 && firstWaiting < 0) {
            firstWaiting = k;
        }
    }
    return visits == startedCount_ && firstWaiting == waitingFirst;
}

// A due event joins the started ones in its place in run order.
void EventSchedule::takeDue(int16_t k) {
    isWaiting_[k] = false;
    int16_t* const end = started_.data() + startedCount_;
    int16_t* const at = std::lower_bound(started_.data(), end, k);
    std::copy_backward(at, end, end + 1);
    *at = k;
    ++startedCount_;
}

} // namespace finplan
