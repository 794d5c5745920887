// The loan payment formulas shared by the engine, the loan editor and the calculators.
#pragma once

namespace finplan {

// x multiplied by itself: x for n <= 1, else n-1 float multiplications.
float powerOf(float x, int n);

// Monthly payment of principal p at monthly rate r (a fraction) over n months.
// A rate of 0 (only possible from a damaged file) gives p / n.
float loanPayment(float p, float r, int n);

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
