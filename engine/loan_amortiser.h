// Carries one loan's amortisation forward from year to year. Each call gives exactly
// what amortiseYear gives when it re-runs the loan from its first month, but only
// the months of the window are computed; a change of terms or a window that does not
// follow on from the last one starts again from the first month.
#pragma once

#include "engine/loan_maths.h"

namespace finplan {

class LoanAmortiser {
  public:
    AmortisedYear year(float p, float r, int n, int first, int last, float x, int extraFrom);
    // The same, with the loan's payment already known (loanPayment(p, r, n)).
    AmortisedYear year(float p, float r, int n, int first, int last, float x, int extraFrom,
                       float payment);
    void reset() { valid_ = false; }

  private:
    void restart(float p, float r, int n, float x, int extraFrom, float payment);
    // One month before the window; false once the loan has ended.
    void runMonth(int i);

    bool valid_ = false;
    float p_ = 0, r_ = 0, x_ = 0;
    int n_ = 0, extraFrom_ = 0;
    float pay_ = 0;
    float balance_ = 0;
    int nextMonth_ = 0;
    bool ended_ = false;
};

} // namespace finplan
