// Everything one run works on, handed to every phase of the year loop.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/market_rates.h"
#include "engine/run_sinks.h"
#include "engine/run_state.h"
#include "model/scenario.h"
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
    bool text = true;                      // the sink wants lines (cached: asked once per run)
    DrawDownObserver* drawDowns = nullptr; // nullptr: nobody watches
    const MarketRates* market = nullptr;   // nullptr: the scenario's own rates

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
        if (flags.prepareOnly || !text) return false;
        return state.beforeLoop || state.currentAge >= state.plotStartAge;
    }
    void emit(std::string_view text, int tag) {
        if (emitting()) lines.line(text, tag, wholeAge());
    }
    int wholeAge() const { return wholeNumber(state.currentAge); }

    // Index of the account with that id among the accounts in use, or -1.
    int accountIndex(int id) const;
    Account* account(int id) {
        int i = accountIndex(id);
        return i < 0 ? nullptr : &scenario.accounts.accounts[i];
    }
    int accountCount() const;

    // Account lookups of the year loop, built once the accounts are in their run order
    // (their order and types do not change until the next run).
    void indexAccounts();
    bool indexed = false;
    int idCount = 0;
    std::array<int, kMaxAccounts> ids{};
    int savingsCount = 0;
    std::array<int, kMaxAccounts> savings{}; // indices of the savings accounts, in order
    int firstInvestment = -1;
    // Savings before this position in `savings` hold nothing; a balance that rises
    // must report it through balanceRaised so the draw-down looks there again.
    int savingsHint = 0;
    std::array<int, kMaxAccounts> savingsPosition{}; // by account index; -1 not savings
    std::array<int8_t, 256> smallIds{};              // index + 1 of accounts with ids < 256
    void balanceRaised(int accountIndex) {
        if (!indexed || accountIndex < 0 || accountIndex >= kMaxAccounts) return;
        const int pos = savingsPosition[accountIndex];
        if (pos >= 0 && pos < savingsHint) savingsHint = pos;
    }
    void balanceRaised(const Account& a) {
        balanceRaised(static_cast<int>(&a - scenario.accounts.accounts));
    }
};

// An account's name as a text (the record's field may lack its terminator).
std::string accountName(const Account& a);
std::string eventDescription(const Event& e);
// The name of group g (0..kMaxGroups-1) as a text.
std::string groupName(const Scenario& s, int g);

} // namespace finplan
