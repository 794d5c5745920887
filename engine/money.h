// Money, percent, date and time texts and the loan payment formulas shared by the
// engine, the schedule, the dialogs, the calculators and the plot file.
#pragma once

#include <string>

#include "platform/clock.h"

namespace finplan {

// Removes every blank, then cuts at the first character that is not "$", ".", "-"
// or a digit.
std::string stripNumberText(const std::string& text);

// Turns a number text made with "%-11.2f" or "%-13.2f" into "$-1,234.50" form.
std::string formatMoney(const std::string& numberText);

// The usual shorthands: v printed with "%-11.2f" (or "%-13.2f") and formatted.
std::string money(float v);
std::string money13(float v);

// label + rate printed "%-7.2f", stripped, + "%".
std::string formatPercent(const std::string& label, float rate);

// printf into a std::string (the texts the program shows are built this way).
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// x multiplied by itself: x for n <= 1, else n-1 float multiplications.
float powerOf(float x, int n);

// Monthly payment of principal p at monthly rate r (a fraction) over n months.
// A rate of 0 (only possible from a damaged file) gives p / n.
float loanPayment(float p, float r, int n);

// "%d/%d/%d": month, day, year modulo 100.
std::string dateText(const LocalTime& t);
// "%d:%02d:%02d %s ": 12-hour clock, AM/PM, ending in a blank.
std::string timeText(const LocalTime& t);

struct AmortisedYear {
    float principal = 0; // principal paid in the months run
    float interest = 0;  // interest paid in those months
    int months = 0;      // months of the window actually run
};

// Principal and interest of months first..last of a loan of p at monthly rate r over
// n months, with x extra principal a month from month extraFrom on. Re-runs the loan
// from its first month, as the formula is defined; see LoanAmortiser for the
// forward-carrying form the engine uses.
AmortisedYear amortiseYear(float p, float r, int n, int first, int last, float x, int extraFrom);

// Monthly loan rate (a fraction) of a yearly rate in percent.
float monthlyRate(float yearlyPercent);

} // namespace finplan
