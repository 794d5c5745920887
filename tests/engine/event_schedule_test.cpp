#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "engine/event_schedule.h"
#include "engine/run_plan.h"
#include "platform/random.h"

namespace finplan {
namespace {

// What a year after the first visits when it looks at every event: the started ones
// and those due, in run order; before them, a waiting event that comes first.
void visitsByLookingAtAll(const std::vector<Event>& events, float age, std::vector<int>& visits,
                          int& waitingFirst) {
    visits.clear();
    waitingFirst = -1;
    for (int k = 0; k < static_cast<int>(events.size()); ++k) {
        const Event& e = events[k];
        if (e.state() == EventState::Finished) continue;
        const bool due = e.state() == EventState::Active || e.startAge <= age;
        if (due)
            visits.push_back(k);
        else if (visits.empty() && waitingFirst < 0)
            waitingFirst = k;
    }
}

// Random plans whose events start, finish and wait (some forever, with no start age at
// all) give the same visits as looking at every event, year after year.
TEST(EventSchedule, VisitsWhatLookingAtEveryEventWouldVisit) {
    SeededRandom random(11);
    for (int plan = 0; plan < 300; ++plan) {
        const int n = 1 + random.next() % kMaxEvents;
        auto s = std::make_unique<Scenario>();
        s->eventCount = n;
        const float firstAge = 40;
        for (int k = 0; k < n; ++k) {
            Event& e = s->events[k];
            e.startAge =
                random.next() % 10 == 0 ? NAN : 30.0f + static_cast<float>(random.next() % 60);
            e.setState(e.startAge <= firstAge ? EventState::Active : EventState::NotStarted);
            if (random.next() % 5 == 0) e.setState(EventState::Finished);
        }
        RunPlan runPlan;
        planRun(*s, runPlan);
        std::vector<Event> events(s->events, s->events + n);
        EventSchedule schedule;
        schedule.start(events.data(), n, runPlan.byStartAge.data(), runPlan.byStartAgeCount);
        std::vector<int> expected;
        for (float age = firstAge + 1; age < 100; age += 1) {
            int expectedFirst = -1;
            visitsByLookingAtAll(events, age, expected, expectedFirst);
            int waitingFirst = -2;
            const int count = schedule.visits(events.data(), age, waitingFirst);
            std::vector<int> got;
            for (int i = 0; i < count; ++i)
                got.push_back(schedule.visit(i));
            ASSERT_EQ(got, expected) << "plan " << plan << " age " << age;
            ASSERT_EQ(waitingFirst, expectedFirst) << "plan " << plan << " age " << age;
            // The year: each visited event starts, and some finish.
            int firstFinished = count;
            for (int i = 0; i < count; ++i) {
                const int k = got[static_cast<std::size_t>(i)];
                events[k].setState(random.next() % 7 == 0 ? EventState::Finished
                                                          : EventState::Active);
                if (firstFinished == count && events[k].state() == EventState::Finished)
                    firstFinished = i;
            }
            schedule.keepActive(events.data(), firstFinished);
        }
    }
}

} // namespace
} // namespace finplan
