#include "shell/logic/live_success_rate.h"

#include <cmath>

#include "text/format.h"

namespace finplan {

TrialSettings liveTrialSettings(const LiveTrialsSetup& setup) {
    TrialSettings settings;
    settings.trials = kLiveTrials;
    settings.seed = kLiveSeed;
    settings.mode = setup.mode;
    settings.market = setup.market;
    return settings;
}

LiveSuccessRate::LiveSuccessRate(const Scenario& scenario, const Clock& clock,
                                 std::function<uint64_t()> revision)
    : scenario_(scenario), clock_(clock), revision_(std::move(revision)) {}

LiveSuccessRate::~LiveSuccessRate() {
    if (control_) control_->cancel();
    if (worker_.joinable()) worker_.join();
}

void LiveSuccessRate::start(uint64_t revision) {
    const TrialSettings settings = liveTrialSettings(setup ? setup() : LiveTrialsSetup{});
    // The worker analyses a copy: the user may go on editing meanwhile.
    auto copy = std::make_shared<const Scenario>(scenario_);
    control_ = std::make_unique<TrialControl>();
    finished_.store(false);
    runningRevision_ = revision;
    const LocalTime today = clock_.now();
    TrialControl* control = control_.get();
    worker_ = std::thread([this, copy, settings, today, control, starting = runStarting,
                           ended = runEnded] {
        if (starting) starting(*control);
        pending_ = std::make_unique<TrialResults>(runTrials(*copy, settings, *control, 0, today));
        finished_.store(true);
        if (ended) ended();
    });
}

// Joins a finished worker; true when it completed the scenario as it is now.
bool LiveSuccessRate::takeFinished(uint64_t revision) {
    worker_.join();
    control_.reset();
    std::unique_ptr<TrialResults> r = std::move(pending_);
    if (!r || r->status == TrialStatus::Cancelled || runningRevision_ != revision) {
        ++cancelledRuns_;
        return false;
    }
    worked_ = true;
    workedRevision_ = revision;
    const bool hadFigure = shown_ != nullptr;
    shownRevision_ = revision;
    if (r->status == TrialStatus::Completed) {
        shown_ = std::move(r);
        return true;
    }
    shown_.reset(); // nothing to list: no figure
    return hadFigure;
}

bool LiveSuccessRate::poll(bool dialogOpen) {
    const uint64_t revision = revision_();
    bool changed = false;
    if (running() && finished_.load()) changed = takeFinished(revision);
    if (!options.liveSuccessRate) {
        if (running()) control_->cancel();
        return changed;
    }
    if (running()) {
        // Not joined here: the view's thread never waits for a worker.
        if (runningRevision_ != revision || dialogOpen) control_->cancel();
        return changed;
    }
    if (!dialogOpen && !(worked_ && workedRevision_ == revision)) start(revision);
    return changed;
}

std::string LiveSuccessRate::text() const {
    if (!options.liveSuccessRate || !shown_) return {};
    return successText(*shown_);
}

bool LiveSuccessRate::belowThreshold() const {
    return options.liveSuccessRate && shown_ &&
           shown_->successRate() * 100.0 < static_cast<double>(options.successThreshold);
}

const TrialResults* LiveSuccessRate::results() const {
    return options.liveSuccessRate ? shown_.get() : nullptr;
}

std::string successText(const TrialResults& r) {
    const int succeeded = r.trialsRun - r.failed;
    const int percent = r.trialsRun > 0 ? succeeded * 100 / r.trialsRun : 0;
    const std::string digits = std::to_string(r.trialsRun);
    std::string count;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) count += ',';
        count += digits[i];
    }
    return format("Success: %d %% of %s trials", percent, count.c_str());
}

} // namespace finplan
