// The close of a year: interest and growth at own or random rates, growth of
// loan-bought assets and property, the smart-withdrawal signal, taxes and penalties,
// the summary and account blocks and the year's plot row.
#pragma once

#include <cstdint>

#include "engine/fast_remainder.h"
#include "engine/run_context.h"
#include "model/whole_number.h"
#include "platform/random.h"

namespace finplan {

// min + (r mod (d + 1)) in 64 bits: a negative span or draw (a damaged file, a test).
float drawnRateOf(float min, long long r, long long d);

// min + (R mod (d + 1)) with d = max - min truncated; whole points above the minimum.
// Inline for the seeded generator of trials, whose calls the compiler can make direct;
// `remainder`, when given, works the 32-bit remainder out without a division.
template <class Generator>
[[gnu::always_inline]] inline float drawRandomRate(float min, float max, Generator& random,
                                                   FastRemainder* remainder = nullptr) {
    const float span = max - min;
    // Ranges come from the editors (-99..99); a damaged file cannot overflow.
    const long long d = wholeNumber(span);
    if (d == -1) return min;
    const long long r = random.next();
    // The same remainder in 32 bits where both fit: a 64-bit division costs more.
    if (r >= 0 && d >= 0 && d < INT32_MAX) [[likely]] {
        const auto n = static_cast<uint32_t>(r);
        const auto divisor = static_cast<uint32_t>(d + 1);
        return min +
               static_cast<float>(remainder != nullptr ? remainder->of(n, divisor) : n % divisor);
    }
    return drawnRateOf(min, r, d);
}

// The draw of a run, from its own generator.
inline float drawRandomRate(RunContext& ctx, float min, float max) {
    return ctx.seeded != nullptr ? drawRandomRate(min, max, *ctx.seeded, &ctx.remainder)
                                 : drawRandomRate(min, max, ctx.random);
}

void yearEnd(RunContext& ctx);

} // namespace finplan
