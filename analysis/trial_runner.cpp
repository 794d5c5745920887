#include "analysis/trial_runner.h"

#include <algorithm>
#include <cmath>

#include "analysis/trial_seed.h"
#include "model/scenario_ops.h"
#include "model/whole_number.h"

namespace finplan {

namespace {

// The ages a run lists: from the whole start age to the first whole age not below
// the end age, within the 0..120 the age tables hold.
void listedAges(const InitialValues& iv, int& first, int& count) {
    first = wholeNumber(iv.startAge);
    const float last = std::ceil(iv.endAge);
    const int lastAge =
        std::isfinite(last) ? static_cast<int>(std::clamp(last, -1.0f, 120.0f)) : -1;
    if (first < 0 || first > 120 || lastAge < first) {
        count = 0;
        return;
    }
    count = lastAge - first + 1;
}

} // namespace

RunFlags trialFlags(TrialRandomMode mode) {
    RunFlags flags;
    flags.randomAccountRates = mode == TrialRandomMode::Accounts;
    flags.randomGroupRates = mode == TrialRandomMode::Groups;
    return flags;
}

TrialTemplate makeTrialTemplate(const Scenario& scenario, TrialRandomMode mode, uint32_t seed,
                                int badYearRun, LocalTime time,
                                std::shared_ptr<const MarketPlan> market) {
    TrialTemplate t;
    t.market = std::move(market);
    t.scenario = std::make_unique<Scenario>(scenario);
    t.flags = trialFlags(mode);
    t.badYearRun = badYearRun;
    t.time = time;
    t.seed = seed;
    Scenario& s = *t.scenario;
    // As before every run: totals from the accounts, then a preparing run puts the
    // events and accounts in run order once, so no trial has to sort them again.
    recomputeTotals(s);
    auto state = std::make_unique<RunState>();
    RunRequest request;
    request.flags = t.flags;
    request.flags.prepareOnly = true;
    SeededRandom random(seed);
    FixedClock clock(time);
    runScenario(s, *state, request, random, clock);
    listedAges(s.initial, t.firstAge, t.ageCount);
    t.planYears = planYearCount(s.initial.startAge, s.initial.endAge);
    return t;
}

bool replayTrial(Scenario& scenario, RunState& state, const TrialReplay& replay,
                 RunRequest request) {
    recomputeTotals(scenario);
    const RunFlags trial = trialFlags(replay.mode);
    request.flags.randomAccountRates = trial.randomAccountRates;
    request.flags.randomGroupRates = trial.randomGroupRates;
    state.badYearRun = replay.badYearRun;
    MarketSequence sequence;
    if (replay.mode == TrialRandomMode::History && replay.market) {
        const int years = planYearCount(scenario.initial.startAge, scenario.initial.endAge);
        if (replay.cycleStart > 0)
            sequence.cycle(*replay.market, replay.cycleStart - replay.market->table->firstYear(),
                           years);
        else
            sequence.randomBlocks(*replay.market, replay.generatorSeed, years);
        request.market = &sequence.rates();
    }
    SeededRandom random(replay.generatorSeed);
    FixedClock clock(replay.time);
    return runScenario(scenario, state, request, random, clock);
}

void AgeTotalsSink::ageTotals(int wholeAge, const float (&values)[7]) {
    const int i = wholeAge - firstAge_;
    if (i < 0 || i >= ageCount_) return;
    netWorth_[i] = values[6];
    savings_[i] = values[0] + values[1] + values[2];
}

TrialRunner::TrialRunner(const TrialTemplate& t)
    : template_(t), scenario_(std::make_unique<Scenario>(*t.scenario)),
      state_(std::make_unique<RunState>()), clock_(t.time), totals_(t.firstAge, t.ageCount) {}

TrialOutcome TrialRunner::run(int trial, float* netWorth, float* savings) {
    const uint32_t seed = trialSeed(template_.seed, trial);
    if (!template_.market) return runWith(seed, nullptr, netWorth, savings);
    sequence_.randomBlocks(*template_.market, seed, template_.planYears);
    return runWith(seed, &sequence_.rates(), netWorth, savings);
}

TrialOutcome TrialRunner::runMarket(const MarketRates& rates, float* netWorth, float* savings) {
    return runWith(template_.seed, &rates, netWorth, savings);
}

TrialOutcome TrialRunner::runWith(uint32_t generatorSeed, const MarketRates* rates, float* netWorth,
                                  float* savings) {
    const Scenario& from = *template_.scenario;
    Scenario& s = *scenario_;
    // Only what a run changes: the start age, the accounts and events in use, and the
    // one run-state value a run carries over.
    s.initial = from.initial;
    std::copy_n(from.accounts.accounts, from.accounts.usableCount(), s.accounts.accounts);
    std::copy_n(from.events, from.usedEventCount(), s.events);
    state_->badYearRun = template_.badYearRun;

    std::fill_n(netWorth, template_.ageCount, 0.0f);
    std::fill_n(savings, template_.ageCount, 0.0f);
    totals_.setOutput(netWorth, savings);
    tracker_.reset();
    RunRequest request;
    request.flags = template_.flags;
    request.plot = &totals_;
    request.drawDowns = &tracker_;
    request.market = rates;
    SeededRandom random(generatorSeed);
    runScenario(s, *state_, request, random, clock_);
    return TrialOutcome{tracker_.failed(), tracker_.failureAge()};
}

} // namespace finplan
