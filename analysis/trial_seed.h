// Each trial draws its rates from a generator of its own, seeded from the analysis
// seed and the trial's number, so a trial gives the same numbers whichever thread runs
// it and whenever; typing the seed in again repeats the whole analysis.
#pragma once

#include <cstdint>

namespace finplan {

// The generator seed of trial `trial` of the analysis seeded with `seed`.
constexpr uint32_t trialSeed(uint32_t seed, int trial) {
    // splitmix64 of the two numbers side by side: neighbouring trials and seeds land
    // far apart in the generator's cycle.
    uint64_t z =
        (static_cast<uint64_t>(seed) << 32 | static_cast<uint32_t>(trial)) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<uint32_t>(z ^ (z >> 32));
}

} // namespace finplan
