#include "calculators/mortgage_schedule.h"

#include <algorithm>

#include "calculators/field_text.h"
#include "engine/loan_maths.h"
#include "text/format.h"

namespace finplan {

namespace {

constexpr const char* kHeaders[MortgageSchedule::kColumnCount] = {
    "Age",           "Principal", "Interest",        "Total Principal", "Total Interest",
    "Total Payment", "Equity",    "Inflated Equity", "Property Value",  "Property Liability"};
constexpr int kWidthShares[MortgageSchedule::kColumnCount] = {33, 77, 77, 85, 85,
                                                              85, 85, 85, 85, 90};

bool validMortgage(const Event& e) {
    return e.startAge >= 1.0f && e.startAge <= 120.0f &&
           (e.endAge == 0.0f || e.endAge >= e.startAge) &&
           (e.sellAge == 0.0f || e.sellAge >= e.startAge) && e.amount - e.downPayment > 0.0f &&
           e.loanRate >= 0.0f && e.loanRate <= 100.0f && e.years >= 1 && e.years <= 100;
}

std::string cellText(const char* fmt, float v) {
    return format(fmt, static_cast<double>(v));
}

// The running columns are sums shown, not stored, so they are formed in double
// precision: with no appreciation, Inflated Equity then equals Equity to the cent.
MortgageSchedule::Row makeRow(int age, float principal, float interest, const Event& e,
                              float value) {
    const double paid = e.principalPaid;
    const double equity = static_cast<double>(e.downPayment) + paid;
    double liability = e.amount - equity;
    if (liability < 0.0) liability = 0.0;
    return {format("%3d", age),
            cellText("%14.2f", principal),
            cellText("%14.2f", interest),
            cellText("%16.2f", paid),
            cellText("%16.2f", e.interestPaidTotal),
            format("%16.2f", paid + e.interestPaidTotal),
            format("%16.2f", equity),
            format("%16.2f", equity + value - e.amount),
            cellText("%16.2f", value),
            format("%16.2f", liability)};
}

} // namespace

const char* MortgageSchedule::header(int column) {
    return column >= 0 && column < kColumnCount ? kHeaders[column] : "";
}

int MortgageSchedule::columnWidth(int column, int clientWidth) {
    if (column < 0 || column >= kColumnCount) return 0;
    return static_cast<int>(static_cast<long long>(clientWidth - 20) * kWidthShares[column] / 625);
}

std::string MortgageSchedule::cell(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount) return {};
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void MortgageSchedule::fill(Event& e, const InitialValues& initial) {
    rows_.clear();
    if (!validMortgage(e)) return;
    rows_.reserve(kExpectedRows);

    e.monthsElapsed = 0;
    e.principalPaid = 0;
    e.interestPaidTotal = 0;
    float value = e.amount;
    const int firstAge = wholeNumber(e.startAge);
    rows_.push_back(makeRow(firstAge, 0.0f, 0.0f, e, value));

    const int planStart = wholeNumber(initial.startAge);
    int accelerationStart = (planStart - firstAge) * 12;
    if (accelerationStart < 0) accelerationStart = 0;
    const float principal = e.amount - e.downPayment;
    const float perMonth = monthlyRate(e.loanRate);
    const int months = e.years * 12;

    // At most one row per year of the loan (and one for a start within a year): a
    // start age far beyond any life must not run for ever.
    for (int y = firstAge, rowsLeft = std::max(0, e.years + 1);
         rowsLeft > 0 && static_cast<float>(y) < e.startAge + e.years; ++y, --rowsLeft) {
        value = static_cast<float>(value + value * e.appreciationRate * 0.01);
        float extra = 0.0f;
        int extraFrom = 0;
        if (e.acceleratedMode == 2) {
            extra = planStart > y ? 0.0f : e.acceleratedPayment;
            extraFrom = accelerationStart;
        } else if (e.acceleratedMode == 1) {
            extra = e.acceleratedPayment;
        }
        const int c = e.monthsElapsed;
        const AmortisedYear year =
            amortiseYear(principal, perMonth, months, c, c + 11, extra, extraFrom);
        e.monthsElapsed = static_cast<int16_t>(e.monthsElapsed + 12);
        e.principalPaid += year.principal;
        e.interestPaidTotal += year.interest;
        rows_.push_back(makeRow(y + 1, year.principal, year.interest, e, value));
        if ((e.sellAge != 0.0f && static_cast<float>(y + 1) >= e.sellAge) ||
            (e.endAge != 0.0f && static_cast<float>(y + 1) >= e.endAge))
            break;
    }
}

bool scheduleNeedsNewWidths(ScheduleWindowState& state, int clientWidth) {
    if (state.recomputeWidths || clientWidth - 20 > state.rememberedWidth) {
        state.rememberedWidth = clientWidth - 20;
        state.recomputeWidths = false;
        return true;
    }
    return false;
}

void scheduleWindowClosed(ScheduleWindowState& state) {
    state.rememberedWidth = 0;
    state.recomputeWidths = true;
}

} // namespace finplan
