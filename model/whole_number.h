// The one conversion of a float to a whole number: every age, year count, month and
// pixel the program takes from a float goes through here.
#pragma once

namespace finplan {

// Far beyond any age, period count or pixel the program deals in, and small enough
// that the sums and products made of a result (months = years x 12, an age plus a
// loan's years) stay well inside an int.
inline constexpr int kWholeNumberLimit = 10'000'000;

// The whole part of v, truncated toward zero as every conversion of the program is,
// held within -kWholeNumberLimit..kWholeNumberLimit; NaN gives 0.
constexpr int wholeNumber(double v) {
    if (!(v == v)) return 0;
    if (v >= kWholeNumberLimit) return kWholeNumberLimit;
    if (v <= -kWholeNumberLimit) return -kWholeNumberLimit;
    return static_cast<int>(v);
}

} // namespace finplan
