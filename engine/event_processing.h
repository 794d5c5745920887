// What each event does in a year: start, money movements, lines, finish.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// The stored kind codes as plain ints, for comparing with Event::kind.
enum EventKindCode : int {
    kKindFundamentals = static_cast<int>(EventKind::Fundamentals),
    kKindDeposit = static_cast<int>(EventKind::Deposit),
    kKindLoan = static_cast<int>(EventKind::Loan),
    kKindMortgage = static_cast<int>(EventKind::Mortgage),
    kKindTransfer = static_cast<int>(EventKind::Transfer),
    kKindWithdrawal = static_cast<int>(EventKind::Withdrawal),
};

void processEvent(RunContext& ctx, int eventIndex);

// The yearly instalments, property taxes, payoff and sale of a Loan or Mortgage.
void processLoanYear(RunContext& ctx, int eventIndex);

} // namespace finplan
