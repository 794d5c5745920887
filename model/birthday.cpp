// Fraction of a year since the last birthday, on a calendar without leap years.
#include <algorithm>

#include "model/scenario_ops.h"

namespace finplan {

namespace {
constexpr int kMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int daysOfMonths(int from, int to) { // months from..to inclusive
    int days = 0;
    for (int m = from; m <= to; ++m)
        days += kMonthDays[m];
    return days;
}
} // namespace

float birthdayFraction(const InitialValues& iv, const LocalTime& today) {
    const int d = today.day, m = today.month;
    const int bd = iv.birthDay, bm = iv.birthMonth;
    // A birthday or date outside the calendar (damaged file) counts as no fraction.
    if (bm < 1 || bm > 12 || m < 1 || m > 12) return 0.0f;

    int days = 0;
    if (m == bm) {
        if (d > bd)
            days = d - bd;
        else if (d < bd)
            days = 365 - (bd - d);
    } else if (m < bm) {
        days = (kMonthDays[bm] - bd) + daysOfMonths(bm + 1, 12) + daysOfMonths(1, m - 1) + d;
    } else {
        days = (kMonthDays[bm] - bd) + daysOfMonths(bm + 1, m - 1) + d;
    }
    days = std::clamp(days, 0, 364);
    return static_cast<float>(days) / 365.0f;
}

} // namespace finplan
