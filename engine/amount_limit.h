// The largest amount a run can hold. Amounts are floats, and a plan the editors accept
// (rates of hundreds of percent over a hundred years) can grow past the largest one:
// such an amount is held there instead of becoming an infinity, which the schedule
// would print as "inf" and the next sum of two of them would turn into "nan".
#pragma once

#include <limits>

namespace finplan {

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

} // namespace finplan
