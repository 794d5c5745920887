#include "engine/loan_maths.h"

namespace finplan {

float powerOf(float x, int n) {
    float result = x;
    for (int i = 1; i < n; ++i)
        result = result * x;
    return result;
}

float loanPayment(float p, float r, int n) {
    if (r == 0.0f) return n > 0 ? p / static_cast<float>(n) : p;
    const float growth = powerOf(1.0f + r, n);
    return r * p / (1.0f - 1.0f / growth);
}

AmortisedYear amortiseYear(float p, float r, int n, int first, int last, float x, int extraFrom) {
    const float pay = loanPayment(p, r, n);
    float balance = p;
    AmortisedYear out;
    for (int i = 0; i <= last; ++i) {
        float q = pay - balance * r;
        if (i >= extraFrom) q += x;
        if (i >= first) {
            out.interest += balance * r;
            out.months += 1;
            if (balance < q) {
                out.principal = out.principal + balance;
                return out;
            }
            out.principal += q;
        }
        balance -= q;
        if (balance <= 0) {
            out.principal = out.principal + balance;
            if (out.principal < 0) out.principal = 0;
            return out;
        }
    }
    return out;
}

float monthlyRate(float yearlyPercent) {
    return static_cast<float>((1.0 / 12.0) * yearlyPercent * 0.01);
}

} // namespace finplan
