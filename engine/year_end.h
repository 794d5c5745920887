// The close of a year: interest and growth at own or random rates, growth of
// loan-bought assets and property, the smart-withdrawal signal, taxes and penalties,
// the summary and account blocks and the year's plot row.
#pragma once

#include "engine/rate_range.h"
#include "engine/run_context.h"
#include "platform/random.h"

namespace finplan {

// The draw of a run from a range, by its own generator (the seeded one of a trial
// inline).
inline float drawRandomRate(RunContext& ctx, const RateRange& range) {
    return ctx.seeded != nullptr ? range.draw(*ctx.seeded) : range.draw(ctx.random);
}

void yearEnd(RunContext& ctx);

} // namespace finplan
