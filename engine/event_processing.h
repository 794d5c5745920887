// What each event does in a year: start, money movements, lines, finish.
#pragma once

#include "engine/run_context.h"

namespace finplan {

void processEvent(RunContext& ctx, int eventIndex);

// The yearly instalments, property taxes, payoff and sale of a Loan or Mortgage.
void processLoanYear(RunContext& ctx, int eventIndex);

} // namespace finplan
