// Holds an analysis on its worker thread until it is cancelled, so that a test's Cancel
// (or a newer edit) always meets a run in flight, however fast the trials are.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "analysis/trials.h"

namespace finplan::test {

// Declare it before what runs the analyses: their workers call back into it.
class HeldRuns {
  public:
    explicit HeldRuns(int runs = 1) : left_(runs) {}

    // For runStarting: the next `runs` runs wait for their Cancel (ten seconds at most,
    // so that a Cancel that never comes fails the test instead of hanging it).
    std::function<void(TrialControl&)> hook() {
        return [this](TrialControl& control) {
            if (left_.fetch_sub(1) <= 0) return;
            for (int i = 0; i < 10000 && !control.cancelled(); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            if (control.cancelled()) cancelled_.fetch_add(1);
        };
    }
    // Held runs that were cancelled.
    int cancelled() const { return cancelled_.load(); }

  private:
    std::atomic<int> left_;
    std::atomic<int> cancelled_{0};
};

} // namespace finplan::test
