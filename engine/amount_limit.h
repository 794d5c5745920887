// The largest amount a run can hold. Amounts are floats, and a plan the editors accept
// (rates of hundreds of percent over a hundred years) can grow past the largest one:
// such an amount is held there instead of becoming an infinity, which the schedule
// would print as "inf" and the next sum of two of them would turn into "nan".
#pragma once

#include <limits>

namespace finplan {

struct RunContext;

inline constexpr float kLargestAmount = std::numeric_limits<float>::max();

// v held within -kLargestAmount..kLargestAmount; NaN (no amount at all) becomes 0.
// Taken as a double, so a product worked out in double precision is held before it
// is narrowed to a float.
inline float heldAmount(double v) {
    if (v >= -kLargestAmount && v <= kLargestAmount) return static_cast<float>(v); // not NaN
    return v > 0 ? kLargestAmount : (v < 0 ? -kLargestAmount : 0.0f);
}

// The same, noting in `held` that v had to be held, so the next checkpoint says so.
inline float heldAmount(double v, bool& held) {
    if (!(v >= -kLargestAmount && v <= kLargestAmount)) held = true;
    return heldAmount(v);
}

// What a checkpoint blames when it finds an amount beyond the largest.
struct AmountSource {
    int eventIndex = -1;   // the event that just acted
    int accountIndex = -1; // the account that was just credited
};

// Checkpoint of the year loop, cheap when every amount is in range (the usual case):
// holds the running totals, the tallies and the source's own amounts and, when one
// of them was beyond the largest, every account balance and event amount too. The
// first time in a run that the schedule shows it, a line names the event or account
// that went beyond. True when something was held.
bool holdAmounts(RunContext& ctx, AmountSource source);

// The checkpoint after an event that changed nothing, right after another checkpoint:
// only the event's own amounts can be beyond the largest (a damaged file), so only they
// are looked at before the whole checkpoint runs. True when something was held.
bool holdAmountsOfIdleEvent(RunContext& ctx, int eventIndex);

// Every balance and event amount as well as the totals: before the year-end lines
// and the plot row, which show them all.
bool holdAllAmounts(RunContext& ctx);

} // namespace finplan
