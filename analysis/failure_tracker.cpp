#include "analysis/failure_tracker.h"

#include <algorithm>

namespace finplan {

void FailureTracker::reset() {
    resetLog();
    failed_ = false;
    failureAge_ = -1;
    causeAccount_ = -1;
    causeCount_ = 0;
}

void FailureTracker::exhausted(int wholeAge, int tag, float remainder, int shortfallAccount) {
    (void)remainder;
    if (failed_) return;
    startYear(wholeAge);
    failed_ = true;
    stopWatching(); // only the first failure is explained
    failureAge_ = wholeAge;
    // The account that ran dry this year; when all were empty before the year began,
    // the one that ran dry last, or else the account the schedule names as depleted.
    causeAccount_ = emptiedThisYear() >= 0 ? emptiedThisYear()
                    : lastEmptied() >= 0   ? lastEmptied()
                                           : shortfallAccount;
    settleCauses(tag);
}

// Splits the trial's units among the payments that drew on the cause account this
// year, by the money each took; the payment that found nothing left takes them all
// when no payment drew on the account this year.
void FailureTracker::settleCauses(int failingTag) {
    // The sums by tag, for the few tags that drew on the account, in ascending order.
    std::array<int16_t, kCauseTags> tags; // filled as tags are seen
    std::array<double, kCauseTags> sums;
    int tagCount = 0;
    double total = 0;
    for (int i = 0; i < logCount(); ++i) {
        const Draw& d = log()[i];
        if (d.account != causeAccount_ || d.tag < kTagDriver || d.tag >= kMaxEvents) continue;
        int at = 0;
        while (at < tagCount && tags[at] < d.tag)
            ++at;
        if (at == tagCount || tags[at] != d.tag) {
            for (int j = tagCount; j > at; --j) {
                tags[j] = tags[j - 1];
                sums[j] = sums[j - 1];
            }
            tags[at] = d.tag;
            sums[at] = 0;
            ++tagCount;
        }
        sums[at] += d.amount;
        total += d.amount;
    }
    causeCount_ = 0;
    if (!(total > 0)) {
        causes_[causeCount_++] = CauseShare{failingTag, kTrialUnits};
        return;
    }
    int64_t given = 0;
    int largest = 0;
    for (int t = 0; t < tagCount; ++t) {
        if (!(sums[t] > 0)) continue;
        // A share is at most the whole trial, also for sums a damaged plan could make odd.
        const double share = std::min(1.0, sums[t] / total);
        const auto units = static_cast<int64_t>(static_cast<double>(kTrialUnits) * share);
        if (causeCount_ > 0 && units > causes_[largest].units) largest = causeCount_;
        causes_[causeCount_++] = CauseShare{tags[t], units};
        given += units;
    }
    causes_[largest].units += kTrialUnits - given; // rounding goes to the largest share
}

} // namespace finplan
