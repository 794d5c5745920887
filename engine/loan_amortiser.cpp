#include "engine/loan_amortiser.h"

namespace finplan {

void LoanAmortiser::restart(float p, float r, int n, float x, int extraFrom, float payment) {
    valid_ = true;
    p_ = p;
    r_ = r;
    n_ = n;
    x_ = x;
    extraFrom_ = extraFrom;
    pay_ = payment;
    balance_ = p;
    nextMonth_ = 0;
    ended_ = false;
}

void LoanAmortiser::runMonth(int i) {
    float q = pay_ - balance_ * r_;
    if (i >= extraFrom_) q += x_;
    balance_ -= q;
    if (balance_ <= 0) ended_ = true;
}

AmortisedYear LoanAmortiser::year(float p, float r, int n, int first, int last, float x,
                                  int extraFrom) {
    const bool sameTerms = valid_ && p == p_ && r == r_ && n == n_;
    return year(p, r, n, first, last, x, extraFrom, sameTerms ? pay_ : loanPayment(p, r, n));
}

AmortisedYear LoanAmortiser::year(float p, float r, int n, int first, int last, float x,
                                  int extraFrom, float payment) {
    // Bitwise comparison of the terms is enough: any change restarts the loan.
    if (!valid_ || p != p_ || r != r_ || n != n_ || x != x_ || extraFrom != extraFrom_ ||
        first < nextMonth_ || first < 0) {
        restart(p, r, n, x, extraFrom, payment);
    }
    while (!ended_ && nextMonth_ < first)
        runMonth(nextMonth_++);
    AmortisedYear out;
    if (ended_) return out; // the re-running form returns nothing once the loan is over

    for (int i = first; i <= last; ++i) {
        float q = pay_ - balance_ * r_;
        if (i >= extraFrom_) q += x_;
        out.interest += balance_ * r_;
        out.months += 1;
        if (balance_ < q) {
            out.principal = out.principal + balance_;
            // The re-running form takes this month in full next time and ends there.
            balance_ -= q;
            ended_ = true;
            nextMonth_ = i + 1;
            return out;
        }
        out.principal += q;
        balance_ -= q;
        if (balance_ <= 0) {
            out.principal = out.principal + balance_;
            if (out.principal < 0) out.principal = 0;
            ended_ = true;
            nextMonth_ = i + 1;
            return out;
        }
    }
    nextMonth_ = last + 1 > first ? last + 1 : first;
    return out;
}

} // namespace finplan
