// The success rate the main window's status bar follows the scenario with: after every
// change, 1,000 random trials on a worker thread, shown when they complete. A newer
// change cancels the run in flight; nothing runs while a dialog is open, so a dialog's
// work never waits for it.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "analysis/trials.h"
#include "platform/clock.h"
#include "shell/logic/user_options.h"

namespace finplan {

inline constexpr int kLiveTrials = 1000;
// Fixed, so that equal plans show equal figures.
inline constexpr uint32_t kLiveSeed = 1;

// How the trials draw their rates: the Analysis folder's last choice, random history
// with the groups' markets in either history mode.
struct LiveTrialsSetup {
    TrialRandomMode mode = TrialRandomMode::Accounts;
    std::shared_ptr<const MarketPlan> market; // random history: the groups' markets
};

class LiveSuccessRate {
  public:
    // revision goes up with every change of the scenario (and when another is opened).
    LiveSuccessRate(const Scenario& scenario, const Clock& clock,
                    std::function<uint64_t()> revision);
    ~LiveSuccessRate(); // cancels a run in flight and waits for it

    UserOptions options;
    // Asked on the view's thread as a run starts; empty: random account rates.
    std::function<LiveTrialsSetup()> setup;
    // Called on the worker thread as a run ends, so the view can poll at once instead of
    // at its next tick; set before the first poll.
    std::function<void()> runEnded;
    // Called on the worker thread with the run's control just before its trials start;
    // empty in the program (a test holds a run in flight with it).
    std::function<void(TrialControl&)> runStarting;

    // From a timer on the view's thread: takes in a finished run and starts one for a
    // scenario not worked out yet; a run for an older scenario, or while a dialog is
    // open, is cancelled. True when the figure shown changed.
    bool poll(bool dialogOpen);

    // "Success: 87 % of 1,000 trials"; empty before the first figure and when turned off.
    std::string text() const;
    // The figure is below the user's threshold.
    bool belowThreshold() const;
    // The trials behind the figure shown; nullptr when none is shown.
    const TrialResults* results() const;
    // The revision the figure shown was worked out for.
    uint64_t resultRevision() const { return shownRevision_; }
    bool running() const { return worker_.joinable(); }
    int cancelledRuns() const { return cancelledRuns_; }

  private:
    void start(uint64_t revision);
    bool takeFinished(uint64_t revision);

    const Scenario& scenario_;
    const Clock& clock_;
    std::function<uint64_t()> revision_;

    std::thread worker_;
    std::unique_ptr<TrialControl> control_;
    std::atomic<bool> finished_{false};
    std::unique_ptr<TrialResults> pending_; // written by the worker before finished_
    uint64_t runningRevision_ = 0;

    std::unique_ptr<TrialResults> shown_;
    uint64_t shownRevision_ = 0;
    bool worked_ = false;         // some run completed for workedRevision_
    uint64_t workedRevision_ = 0; // (a plan with no ages to list shows nothing)
    int cancelledRuns_ = 0;
};

// The settings of the trials behind the figure.
TrialSettings liveTrialSettings(const LiveTrialsSetup& setup);

// "Success: 87 % of 1,000 trials": the whole percent below the rate (100 % only when no
// trial failed), the trial count with thousands commas.
std::string successText(const TrialResults& r);

} // namespace finplan
