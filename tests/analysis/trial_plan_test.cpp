// A trial run from the analysis's template, with its events and accounts put in run
// order and its plan worked out once, must give what an ordinary run of the scenario
// gives when it sorts and plans for itself: the same per-age totals to the bit and the
// same failure, over generated scenarios of every size and both kinds of random rates.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "analysis/trial_runner.h"
#include "analysis/trial_seed.h"
#include "examples/random_scenario.h"

namespace finplan {
namespace {

const LocalTime kToday{2026, 12, 7, 13, 5, 9};

std::unique_ptr<Scenario> generated(uint32_t seed, int accounts, int events) {
    std::mt19937 generator(seed);
    std::vector<uint8_t> bytes(16384);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(generator() >> 24);
    auto s = std::make_unique<Scenario>();
    buildRandomScenario(*s, bytes.data(), bytes.size(), RandomScenarioLimits{accounts, events});
    return s;
}

struct Totals {
    std::vector<float> netWorth, savings;
    TrialOutcome outcome;
};

// The trial planned afresh: an ordinary run of a copy of the scenario as given.
Totals plannedPerRun(const Scenario& original, const TrialTemplate& t, int trial,
                     TrialRandomMode mode) {
    Totals out{std::vector<float>(t.ageCount), std::vector<float>(t.ageCount), {}};
    auto s = std::make_unique<Scenario>(original);
    auto state = std::make_unique<RunState>();
    AgeTotalsSink sink(t.firstAge, t.ageCount);
    sink.setOutput(out.netWorth.data(), out.savings.data());
    FailureTracker tracker;
    tracker.reset();
    RunRequest request;
    request.plot = &sink;
    request.drawDowns = &tracker;
    TrialReplay replay;
    replay.mode = mode;
    replay.generatorSeed = trialSeed(t.seed, trial);
    replay.time = kToday;
    replayTrial(*s, *state, replay, request);
    out.outcome = TrialOutcome{tracker.failed(), tracker.failureAge()};
    return out;
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

TEST(TrialPlan, PlannedOnceGivesWhatEveryRunPlanningForItselfGives) {
    const int sizes[][2] = {{0, 0}, {1, 1}, {2, 4}, {5, 10}, {12, 30}, {30, 80}, {50, 150}};
    int compared = 0;
    for (const auto& size : sizes) {
        for (uint32_t seed = 1; seed <= 6; ++seed) {
            const auto original = generated(seed * 7919 + size[1], size[0], size[1]);
            for (TrialRandomMode mode : {TrialRandomMode::Accounts, TrialRandomMode::Groups}) {
                const TrialTemplate t = makeTrialTemplate(*original, mode, seed, 0, kToday);
                if (t.ageCount == 0) continue;
                TrialRunner runner(t);
                for (int trial = 0; trial < 4; ++trial) {
                    Totals once{std::vector<float>(t.ageCount), std::vector<float>(t.ageCount), {}};
                    once.outcome = runner.run(trial, once.netWorth.data(), once.savings.data());
                    const Totals fresh = plannedPerRun(*original, t, trial, mode);
                    SCOPED_TRACE(testing::Message() << "size " << size[0] << "/" << size[1]
                                                    << " seed " << seed << " trial " << trial);
                    EXPECT_TRUE(sameBits(once.netWorth, fresh.netWorth));
                    EXPECT_TRUE(sameBits(once.savings, fresh.savings));
                    EXPECT_EQ(once.outcome.failed, fresh.outcome.failed);
                    EXPECT_EQ(once.outcome.failureAge, fresh.outcome.failureAge);
                    ++compared;
                }
            }
        }
    }
    EXPECT_GT(compared, 200); // the generator must not hand back only empty plans
}

} // namespace
} // namespace finplan
