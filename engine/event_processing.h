// What each event does in a year: start, money movements, lines, finish.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// False when the event did nothing this year (not started yet, or no longer active):
// then it changed no amount.
bool processEvent(RunContext& ctx, int eventIndex);

// The yearly instalments, property taxes, payoff and sale of a Loan or Mortgage.
void processLoanYear(RunContext& ctx, int eventIndex);

} // namespace finplan
