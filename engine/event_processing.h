// What each event does in a year: start, money movements, lines, finish.
#pragma once

#include "engine/run_context.h"

namespace finplan {

enum EventKindCode : int {
    kKindFundamentals = 1,
    kKindDeposit = 2,
    kKindLoan = 3,
    kKindMortgage = 4,
    kKindTransfer = 5,
    kKindWithdrawal = 6,
};

void processEvent(RunContext& ctx, int eventIndex);

// The yearly instalments, property taxes, payoff and sale of a Loan or Mortgage.
void processLoanYear(RunContext& ctx, int eventIndex);

}  // namespace finplan
