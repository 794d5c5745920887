#include "app/cli_numbers.h"

#include <ctime>

namespace finplan::cli {

CLI::Option* addSeedOption(CLI::App& cmd, long long& seed, const std::string& help) {
    seed = kNoSeed;
    return cmd.add_option("--seed", seed, help + " (0 to 4294967295)")
        ->check(CLI::Range(0LL, kMaxSeed));
}

CLI::Option* addCountOption(CLI::App& cmd, const std::string& name, int& value, int min, int max,
                            const std::string& help) {
    return cmd.add_option(name, value, help)->check(CLI::Range(min, max));
}

uint32_t seedOrClock(long long seed) {
    return seed >= 0 && seed <= kMaxSeed ? static_cast<uint32_t>(seed)
                                         : static_cast<uint32_t>(std::time(nullptr));
}

} // namespace finplan::cli
