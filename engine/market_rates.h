// Rates a run takes from outside the scenario, one set per plan year: the history
// analysis replays market years through them. Plan year k is the year the run
// processes at the whole start age + k; years before the start age keep the
// scenario's own rates.
#pragma once

#include <array>
#include <cmath>

#include "model/records.h"

namespace finplan {

struct MarketRates {
    int years = 0;                          // plan years covered
    std::array<bool, kMaxGroups> follows{}; // groups whose rate comes from here
    const float* groupRates = nullptr;      // years x kMaxGroups, percent
    const float* inflation = nullptr;       // years values; nullptr: the plan's own

    bool covers(int planYear) const { return planYear >= 0 && planYear < years; }
    const float* groupRatesOf(int planYear) const {
        return covers(planYear) ? groupRates + planYear * kMaxGroups : nullptr;
    }
    bool inflationFor(int planYear) const { return inflation != nullptr && covers(planYear); }
};

// The number of plan years a run processes, counted as its year loop counts them.
inline int planYearCount(float startAge, float endAge) {
    int n = 0;
    for (float a = std::trunc(startAge); a < endAge && n < 1000; a += 1.0f)
        ++n;
    return n;
}

} // namespace finplan
