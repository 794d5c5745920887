// Watches one trial's draw-downs: the first age at which the savings could not pay
// (the run writes "Savings depleted" there), the account that ran dry first that
// year and the payments that drew on it, as shares of one failed trial.
#pragma once

#include <array>
#include <cstdint>

#include "engine/run_sinks.h"
#include "model/records.h"

namespace finplan {

// A failed trial counts as this many units, split among its causes; whole units add up
// the same in any order, so the totals do not depend on which thread ran what.
inline constexpr int64_t kTrialUnits = 1'000'000;

// The tags a payment can carry: kTagDriver (year-end taxes and penalties) or an event.
inline constexpr int kCauseTags = kMaxEvents + 1;

struct CauseShare {
    int tag = kTagDriver;
    int64_t units = 0;
};

class FailureTracker : public DrawDownObserver {
  public:
    void reset();
    void exhausted(int wholeAge, int tag, float remainder, int shortfallAccount) override;

    bool failed() const { return failed_; }
    int failureAge() const { return failureAge_; }
    // The account that ran dry (index in the run's account order); -1 when there was none.
    int causeAccount() const { return causeAccount_; }
    // The payments that drew on it that year; units add up to kTrialUnits.
    const CauseShare* causes() const { return causes_.data(); }
    int causeCount() const { return causeCount_; }

  private:
    void settleCauses(int failingTag);

    bool failed_ = false;
    int failureAge_ = -1;
    int causeAccount_ = -1;
    std::array<CauseShare, kCauseTags> causes_{};
    int causeCount_ = 0;
};

} // namespace finplan
