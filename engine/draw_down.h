// Payments out of savings in access order, with withdrawal taxes and early-withdrawal
// penalties, and transfers between two accounts.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// principal > 0 marks a loan instalment (its line is written and the amount scaled by
// the year fraction). tag is the event index, or kTagDriver for year-end payments.
void drawDown(RunContext& ctx, float principal, int tag, float amount, bool taxable);

void transferBetweenAccounts(RunContext& ctx, int eventIndex, float amount);

// Adds to the running total of the account's type.
inline void addToTypeTotal(RunState& st, AccountType type, float amount) {
    if (float* total = st.typeTotal(type)) st.add(*total, amount);
}

} // namespace finplan
