// The events a year of a run visits after its first: those started and not finished,
// and those whose start age has come, in run order. The events still waiting are kept
// by start age, so a year looks at one only when it is due; a finished event is not
// looked at again. With 150 events over 100 years most of them wait or are done in
// any one year, and passing over each cost a trial more than the events that act.
#pragma once

#include <array>
#include <cstdint>

#include "model/records.h"

namespace finplan {

class EventSchedule {
  public:
    // After the first year, which visits every event: the started ones (in run
    // order) and the waiting ones in `byStartAge` order (the run's events by start
    // age, then run order; one whose start age never comes is not among them).
    void start(const Event* events, int count, const int16_t* byStartAge, int byStartAgeCount);

    // This year's visits in run order, the events due at `age` joining the started
    // ones; `waitingFirst` is the waiting event that comes before every visit in run
    // order, -1 when the first visit comes first. Returns the visit count.
    int visits(const Event* events, float age, int& waitingFirst) {
        // Most years nothing comes due.
        while (nextDue_ < waitingCount_ && events[waiting_[nextDue_]].startAge <= age)
            [[unlikely]] takeDue(waiting_[nextDue_++]);
        waitingFirst = -1;
        if (firstWaiting_ < count_) {
            findFirstWaiting();
            if (firstWaiting_ < count_ && (startedCount_ == 0 || firstWaiting_ < started_[0]))
                waitingFirst = firstWaiting_;
        }
        return startedCount_;
    }
    int visit(int i) const { return started_[i]; }

    // Whether this year's visits and waitingFirst are what looking at every event in
    // run order would give: a Debug build checks it every year, since the schedule
    // relies on an event changing only its own state.
    bool agreesWithEvents(const Event* events, float age, int waitingFirst) const;

    // After the year: the visited events still active stay started, in run order. Those
    // visited before firstFinished are still active (nothing finished: the count of
    // visits), so only the rest are looked at.
    void keepActive(const Event* events, int firstFinished) {
        int kept = firstFinished;
        for (int i = firstFinished; i < startedCount_; ++i)
            if (events[started_[i]].state() == EventState::Active) started_[kept++] = started_[i];
        startedCount_ = kept;
    }

  private:
    void takeDue(int16_t k);
    void findFirstWaiting() {
        while (firstWaiting_ < count_ && !isWaiting_[firstWaiting_])
            ++firstWaiting_;
    }

    int count_ = 0;
    std::array<int16_t, kMaxEvents> started_{}; // in run order: this year's visits
    int startedCount_ = 0;
    std::array<int16_t, kMaxEvents> waiting_{}; // by start age, then run order
    int waitingCount_ = 0;
    int nextDue_ = 0;                          // in waiting_
    std::array<bool, kMaxEvents> isWaiting_{}; // by event index
    int firstWaiting_ = 0;                     // no waiting event before this index
};

} // namespace finplan
