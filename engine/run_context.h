// Everything one run works on, handed to every phase of the year loop.
#pragma once

#include <array>
#include <cassert>
#include <memory>
#include <string>
#include <string_view>

#include "engine/market_rates.h"
#include "engine/run_plan.h"
#include "engine/run_sinks.h"
#include "engine/run_state.h"
#include "model/scenario.h"
#include "model/shown_names.h"
#include "model/whole_number.h"
#include "platform/random.h"

namespace finplan {

struct RunContext {
    Scenario& scenario;
    RunState& state;
    ScheduleSink& lines;
    PlotSink* plot = nullptr; // nullptr: no plot output
    TabExportSink* tabExport = nullptr;
    Random& random;
    RunFlags flags;
    ViewSettings view;
    bool text = true; // a run that writes lines: the sink wants them, not a preparing run
    bool rows = true; // the plot or export sink wants plot rows (cached)
    DrawDownObserver* drawDowns = nullptr; // nullptr: nobody watches
    const MarketRates* market = nullptr;   // nullptr: the scenario's own rates
    // The same generator when it is the seeded one (every trial's): its draws inline.
    SeededRandom* seeded = nullptr;

    bool randomMode() const { return flags.randomAccountRates || flags.randomGroupRates; }
    // The plan year in progress: 0 for the start age's year, negative before it.
    int planYear() const { return wholeAge() - wholeNumber(state.plotStartAge); }
    // This year's market group rates, or nullptr when the year takes none.
    const float* marketGroupRates() const {
        return market != nullptr ? market->groupRatesOf(planYear()) : nullptr;
    }
    bool marketInflation() const { return market != nullptr && market->inflationFor(planYear()); }

    // True when a line written now would reach the sink (the age gate of the
    // schedule), so callers build their texts only then.
    bool emitting() const {
        if (!text) return false;
        return state.beforeLoop || state.currentAge >= state.plotStartAge;
    }
    void emit(std::string_view line, int tag) {
        if (emitting()) lines.line(line, tag, wholeAge());
    }
    int wholeAge() const {
        assert(state.wholeCurrentAge == wholeNumber(state.currentAge)); // set by setAge
        return state.wholeCurrentAge;
    }
    // An amount worked out by a step of the year, held within the largest amount.
    float held(double v) { return heldAmount(v, state.amountHeld); }

    // Index of the account with that id among the accounts in use, or -1. Inline: a
    // transfer or deposit looks its accounts up every year.
    int accountIndex(int id) const {
        if (plan != nullptr) [[likely]]
            return plan->accountIndex(id);
        return accountIndexUnplanned(id);
    }
    int accountIndexUnplanned(int id) const;
    Account* account(int id) {
        int i = accountIndex(id);
        return i < 0 ? nullptr : &scenario.accounts.accounts[i];
    }
    int accountCount() const { return scenario.accounts.usableCount(); }

    // What stays the same for the whole run. A run given a plan uses it; otherwise
    // one is worked out the first time it is needed, once the accounts and events are
    // in their run order (their order and types do not change until the next run).
    const RunPlan* plan = nullptr;
    std::unique_ptr<RunPlan> ownPlan{};
    const RunPlan& runPlan() {
        if (plan == nullptr) planOwn();
        return *plan;
    }
    void planOwn();

    // Savings before this position in the plan's savings hold nothing; a balance that
    // rises must report it through balanceRaised so the draw-down looks there again.
    int savingsHint = 0;
    void balanceRaised(int accountIndex) {
        if (plan == nullptr || accountIndex < 0 || accountIndex >= kMaxAccounts) return;
        const int pos = plan->savingsPosition[accountIndex];
        if (pos >= 0 && pos < savingsHint) savingsHint = pos;
    }
    void balanceRaised(const Account& a) {
        balanceRaised(static_cast<int>(&a - scenario.accounts.accounts));
    }
};

} // namespace finplan
