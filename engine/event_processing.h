// What each event does in a year: start, money movements, lines, finish.
#pragma once

#include "engine/run_context.h"

namespace finplan {

// False when the event did nothing this year (not started yet, no longer active, or a
// loan with nothing left to pay): then it changed no amount.
bool processEvent(RunContext& ctx, int eventIndex);

// The yearly instalments, property taxes, payoff and sale of a Loan or Mortgage; false
// when it had nothing to do this year (paid off, no property taxes, no sale).
bool processLoanYear(RunContext& ctx, int eventIndex);

} // namespace finplan
