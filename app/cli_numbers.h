// The whole numbers the commands take, seeds and counts: each is refused outside its
// range ("--seed: Value -5 not in range 0 to 4294967295"), never wrapped or cut.
#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>

namespace finplan::cli {

// A seed not given on the command line.
inline constexpr long long kNoSeed = -1;
inline constexpr long long kMaxSeed = 4294967295LL;

// --seed, from 0 to kMaxSeed; seed keeps kNoSeed when it is not given.
CLI::Option* addSeedOption(CLI::App& cmd, long long& seed, const std::string& help);

// A count option from min to max.
CLI::Option* addCountOption(CLI::App& cmd, const std::string& name, int& value, int min, int max,
                            const std::string& help);

// The seed given, else one from the clock.
uint32_t seedOrClock(long long seed);

} // namespace finplan::cli
