// Runs one piece of work on several threads and reports progress from the calling
// thread about every 50 ms and once at the end, until every thread has returned.
#pragma once

#include <atomic>
#include <functional>

namespace finplan {

class TrialControl;

// work(worker) runs once on each of `threads` threads; done is what they have
// finished so far, of total.
void runWorkerThreads(int threads, const std::function<void(int worker)>& work,
                      TrialControl& control, const std::atomic<int>& done, int total);

} // namespace finplan
