// Many random-rate runs of one scenario: how often the plan survives uneven returns,
// when it fails and why. Every trial is an ordinary run with the null sink on a thread's
// own copy of what a run changes; its rates come from a generator seeded from the
// analysis seed and the trial's number, and the results are reduced in trial order, so
// any thread count and chunk size give the same numbers.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "analysis/age_percentiles.h"
#include "analysis/trial_runner.h"

namespace finplan {

inline constexpr int kDefaultTrials = 1000;
inline constexpr int kMaxTrials = 100000;
inline constexpr int kMaxTrialThreads = 64;
// Per-age values are kept one float per trial and age up to this many.
inline constexpr int64_t kExactValueLimit = 10'000'000;

struct TrialSettings {
    int trials = kDefaultTrials;
    TrialRandomMode mode = TrialRandomMode::Accounts;
    uint32_t seed = 1;
    int threads = 0;                            // 0: one per core
    int chunk = 0;                              // trials a thread takes at a time; 0: chosen
    int64_t exactValueLimit = kExactValueLimit; // trials x ages kept exactly up to this
    std::shared_ptr<const MarketPlan> market;   // random history: the groups' markets
};

// Shared by the caller and a running analysis. progress is called on the thread that
// called runTrials, about every 50 ms and once at the end; cancel() may be called from
// any thread (or from progress).
class TrialControl {
  public:
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    bool cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    std::function<void(int done, int total)> progress;

  private:
    std::atomic<bool> cancelled_{false};
};

enum class TrialStatus { Completed, Cancelled, NothingToRun };

// One cause in the "why plans fail" table: the account that ran dry and the payment
// that drew on it (eventIndex -1: the year-end taxes and penalties).
struct FailureCause {
    int accountIndex = -1; // in run order; -1: no savings account
    int eventIndex = -1;
    std::string account;
    std::string event;
    double share = 0; // of the failed trials, 0..1
};

// A trial that can be opened as an ordinary results schedule.
struct TrialSample {
    int trial = -1;
    uint32_t generatorSeed = 0;
    bool failed = false;
    int failureAge = -1;
    std::vector<float> netWorth; // per listed age
    std::vector<float> savings;
};

struct TrialResults {
    TrialStatus status = TrialStatus::NothingToRun;
    TrialSettings settings;
    int trialsRun = 0; // trials that completed (all of them unless cancelled)
    int firstAge = 0;
    int ageCount = 0;
    int failed = 0;
    bool exactBands = true; // false: bands placed within histogram bins
    std::vector<AgeBands> netWorth;
    std::vector<AgeBands> savings;
    std::vector<int> failuresByAge;   // per listed age
    std::vector<FailureCause> causes; // the most common first, at most kShownCauses
    TrialSample median;               // nearest the median final net worth
    TrialSample worstDecile;          // at the tenth percentile of final net worth
    int badYearRun = 0;               // carried into every trial
    LocalTime time;                   // "today" of every trial

    static constexpr int kShownCauses = 3;
    double successRate() const {
        return trialsRun > 0 ? static_cast<double>(trialsRun - failed) / trialsRun : 0;
    }
};

// Runs the analysis and blocks until it completes or is cancelled; a cancelled analysis
// returns status Cancelled and nothing else. badYearRun is the carry the caller's run
// state holds (each trial starts from it); time is "today" for a birthday start age.
TrialResults runTrials(const Scenario& scenario, const TrialSettings& settings,
                       TrialControl& control, int badYearRun, LocalTime time);

// The name of the payment a failure cause's tag stands for.
std::string failureCauseEvent(const Scenario& s, int tag);

// The threads an analysis uses: asked (0: one per core), at most one per item.
int analysisThreads(int asked, int items);

// How to open a sample trial of these results as an ordinary schedule.
TrialReplay replayOf(const TrialResults& r, const TrialSample& sample);

// The failure-age quartiles of the failed trials (nearest rank); -1 when none failed.
std::array<int, 3> failureAgeQuartiles(const TrialResults& r);

} // namespace finplan
