#include "analysis/worker_threads.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "analysis/trials.h"

namespace finplan {

void runWorkerThreads(int threads, const std::function<void(int worker)>& work,
                      TrialControl& control, const std::atomic<int>& done, int total) {
    std::mutex mutex;
    std::condition_variable finished;
    int running = threads;
    std::vector<std::thread> pool;
    for (int w = 0; w < threads; ++w)
        pool.emplace_back([&, w] {
            work(w);
            std::lock_guard lock(mutex);
            --running;
            finished.notify_all();
        });
    std::unique_lock lock(mutex);
    for (;;) {
        const bool over =
            finished.wait_for(lock, std::chrono::milliseconds(50), [&] { return running == 0; });
        lock.unlock();
        if (control.progress) control.progress(done.load(), total);
        lock.lock();
        if (over) break;
    }
    lock.unlock();
    for (auto& t : pool)
        t.join();
}

} // namespace finplan
