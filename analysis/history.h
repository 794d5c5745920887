// The plan against every sequence of market years in the table: one run per start
// year (a cycle), plan year k fed by market year start + k. Each cycle is an ordinary
// run with the null sink, like a trial; cycles are independent, so any thread count
// gives the same results.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/market_plan.h"
#include "analysis/trials.h"

namespace finplan {

enum class HistoryStatus { Completed, Cancelled, NothingToRun, NoCycle };

struct HistorySettings {
    int fromYear = 0; // first start year; 0: the table's first
    int toYear = 0;   // last start year; 0: the last that completes the plan
    int threads = 0;  // 0: one per core
};

struct CycleResult {
    int startYear = 0;
    bool failed = false;
    int failureAge = -1;
    std::vector<FailureCause> causes; // the account that ran dry and what drew on it
    float endNetWorth = 0;
    double endNetWorthReal = 0; // in start-year dollars
    float minSavings = 0;
    int minSavingsAge = 0;
    std::vector<float> netWorth; // per listed age, nominal
    std::vector<float> savings;
    std::vector<double> priceLevel; // per listed age: what a start-year dollar has become
};

struct HistoryResults {
    HistoryStatus status = HistoryStatus::NothingToRun;
    HistorySettings settings;
    int firstAge = 0;
    int ageCount = 0;
    int planYears = 0;
    int firstPossibleYear = 0; // the start years the table allows for this plan
    int lastPossibleYear = 0;
    std::vector<CycleResult> cycles; // by start year
    int failed = 0;
    std::shared_ptr<const MarketPlan> plan;
    int badYearRun = 0;
    LocalTime time;

    double successRate() const {
        return cycles.empty() ? 0 : static_cast<double>(cycles.size() - failed) / cycles.size();
    }
    const CycleResult* cycle(int startYear) const;
    // Cycle indices by ending net worth in start-year dollars, the lowest first.
    std::vector<int> byRealEnd() const;
};

HistoryResults runHistory(const Scenario& scenario, std::shared_ptr<const MarketPlan> plan,
                          const HistorySettings& settings, TrialControl& control, int badYearRun,
                          LocalTime time);

// How to run the cycle of startYear again as an ordinary run (replayTrial); nothing
// when the results hold no such cycle.
std::optional<TrialReplay> cycleReplay(const HistoryResults& r, int startYear);

// The sentence for a plan the table cannot replay even once.
std::string noCycleText(const HistoryResults& r);

} // namespace finplan
