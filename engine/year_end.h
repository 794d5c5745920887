// The close of a year: interest and growth at own or random rates, growth of
// loan-bought assets and property, the smart-withdrawal signal, taxes and penalties,
// the summary and account blocks and the year's plot row.
#pragma once

#include "engine/run_context.h"
#include "platform/random.h"

namespace finplan {

// min + (R mod (d + 1)) with d = max - min truncated; whole points above the minimum.
float drawRandomRate(float min, float max, Random& random);

void yearEnd(RunContext& ctx);

} // namespace finplan
