// One trial: the prepared scenario's working parts copied into a thread's own
// scenario, one random-rate run with no text and no plot file, and the per-age
// totals and failure of that run.
#pragma once

#include <memory>

#include "analysis/failure_tracker.h"
#include "analysis/market_plan.h"
#include "engine/run_driver.h"
#include "platform/clock.h"

namespace finplan {

// History: random history, the market years in blocks at random start years.
enum class TrialRandomMode { Accounts, Groups, History };

// What every trial of an analysis starts from; built once, read by all threads.
struct TrialTemplate {
    std::unique_ptr<Scenario> scenario; // totals computed, events and accounts in run order
    RunFlags flags;
    int badYearRun = 0; // the smart-withdrawal carry the analysis started with
    LocalTime time;     // "today" for a birthday start age, the same for every trial
    uint32_t seed = 0;
    int firstAge = 0;                         // whole start age: the first listed age
    int ageCount = 0;                         // listed ages, the final one included
    std::shared_ptr<const MarketPlan> market; // history modes: the groups' markets
    int planYears = 0;                        // years the run processes from the start age
};

// Builds the template from a copy of the scenario; the caller's scenario is untouched.
TrialTemplate makeTrialTemplate(const Scenario& scenario, TrialRandomMode mode, uint32_t seed,
                                int badYearRun, LocalTime time,
                                std::shared_ptr<const MarketPlan> market = nullptr);

RunFlags trialFlags(TrialRandomMode mode);

// The age totals a trial keeps: net worth and total savings at the start of each age.
class AgeTotalsSink : public PlotSink {
  public:
    AgeTotalsSink(int firstAge, int ageCount) : firstAge_(firstAge), ageCount_(ageCount) {}
    void setOutput(float* netWorth, float* savings) {
        netWorth_ = netWorth;
        savings_ = savings;
    }
    bool begin() override { return true; }
    void header(float, int) override {}
    void accountName(int, const char*) override {}
    void rowStart(int, const PlotRow&, const float*, int, float) override {}
    void rowEnd(int, const PlotRow&, float) override {}
    void ageTotals(int wholeAge, const float (&values)[7]) override;
    void end(const Scenario&) override {}

  private:
    int firstAge_;
    int ageCount_;
    float* netWorth_ = nullptr;
    float* savings_ = nullptr;
};

// What opening one trial as an ordinary schedule needs besides the scenario.
struct TrialReplay {
    TrialRandomMode mode = TrialRandomMode::Accounts;
    uint32_t generatorSeed = 0;
    int badYearRun = 0;
    LocalTime time;
    std::shared_ptr<const MarketPlan> market; // history modes
    int cycleStart = 0; // a historical cycle's start year; 0: random history blocks
};

// Runs one trial again as an ordinary run into the request's sinks (its random-rate
// flags are the trial's): the same numbers as the trial had in its analysis.
bool replayTrial(Scenario& scenario, RunState& state, const TrialReplay& replay,
                 RunRequest request);

struct TrialOutcome {
    bool failed = false;
    int failureAge = -1;
};

// A thread's own copy of what a run changes; run() is called once per trial.
class TrialRunner {
  public:
    explicit TrialRunner(const TrialTemplate& t);
    // Runs trial `trial`; netWorth and savings receive ageCount values each.
    TrialOutcome run(int trial, float* netWorth, float* savings);
    // One run fed by these market rates (a historical cycle).
    TrialOutcome runMarket(const MarketRates& rates, float* netWorth, float* savings);
    const FailureTracker& failure() const { return tracker_; }

  private:
    TrialOutcome runWith(uint32_t generatorSeed, const MarketRates* rates, float* netWorth,
                         float* savings);
    const TrialTemplate& template_;
    MarketSequence sequence_; // random history: this trial's market years
    std::unique_ptr<Scenario> scenario_;
    std::unique_ptr<RunState> state_;
    FixedClock clock_;
    FailureTracker tracker_;
    AgeTotalsSink totals_;
};

} // namespace finplan
