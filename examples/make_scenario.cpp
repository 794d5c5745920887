// Writes a random valid scenario rebuilt from a seed: the recipe of the generated
// scenarios the golden-output test runs over.
//
//   make_scenario SEED MAX_ACCOUNTS MAX_EVENTS OUT.ret
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "examples/random_scenario.h"
#include "model/scenario_file.h"
#include "platform/recording_messages.h"

using namespace finplan;

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_scenario SEED MAX_ACCOUNTS MAX_EVENTS OUT.ret\n");
        return 2;
    }
    // The standard fixes mt19937's sequence, so a seed gives the same bytes everywhere.
    std::mt19937 generator(static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)));
    std::vector<uint8_t> bytes(16384);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(generator() >> 24);
    RandomScenarioLimits limits;
    limits.maxAccounts = std::atoi(argv[2]);
    limits.maxEvents = std::atoi(argv[3]);
    if (limits.maxAccounts < 0 || limits.maxAccounts > kMaxAccounts || limits.maxEvents < 0 ||
        limits.maxEvents > kMaxEvents) {
        std::fprintf(stderr, "make_scenario: at most %d accounts and %d events\n", kMaxAccounts,
                     kMaxEvents);
        return 2;
    }
    auto s = std::make_unique<Scenario>();
    buildRandomScenario(*s, bytes.data(), bytes.size(), limits);

    const std::string out = argv[4];
    ScenarioFiles files;
    files.scenarioPath = files.displayName = out;
    RecordingMessages messages;
    if (!writeScenario(*s, files, messages)) {
        for (const auto& e : messages.entries)
            std::fprintf(stderr, "%s: %s\n", e.title.c_str(), e.text.c_str());
        return 1;
    }
    return 0;
}
