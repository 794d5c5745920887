// The checkpoints of the year loop: after every step that can change an amount, every
// amount beyond the largest is held there, and the schedule says once what went beyond.
#pragma once

#include <cassert>
#include <cmath>

#include "engine/amount_limit.h"
#include "engine/run_context.h"

namespace finplan {

// What a checkpoint blames when it finds an amount beyond the largest.
struct AmountSource {
    int eventIndex = -1;   // the event that just acted
    int accountIndex = -1; // the account that was just credited
};

// Whether v is an amount at all and within the largest.
inline bool inRange(float v) {
    return std::fabs(v) <= kLargestAmount;
}

inline bool eventInRange(const Event& e) {
    // Every test made, without a branch between them.
    unsigned in = inRange(e.assetValue);
    in &= inRange(e.principalPaid);
    in &= inRange(e.interestPaidTotal);
    in &= inRange(e.monthlyPayment);
    return in != 0;
}

// Whether every running total and tally is within the largest amount (read them all;
// the checkpoints read RunState::totalMayBeBeyond instead).
bool totalsInRange(const RunState& st);

// Whether every balance of the accounts in use is within the largest amount (the
// checkpoints read RunState::balanceMayBeBeyond instead).
bool balancesInRange(const RunContext& ctx);

// Whether every amount of the events in use is within the largest (the checkpoints
// read RunState::eventAmountMayBeBeyond instead).
bool eventsInRange(const RunContext& ctx);

// The whole checkpoint: holds the running totals, the tallies and the source's own
// amounts and, when one of them was beyond the largest, every account balance and
// event amount too. The first time in a run that the schedule shows it, a line names
// the event or account that went beyond. True when something was held.
bool holdAmountsFully(RunContext& ctx, AmountSource source);
bool holdAllAmountsFully(RunContext& ctx);

// Nothing a checkpoint looks at can be beyond the largest unless a total changed
// beyond it or a step held an amount since the last one.
inline bool nothingHeldSinceCheckpoint(const RunState& st) {
    assert(st.totalMayBeBeyond || totalsInRange(st));
    return !st.totalMayBeBeyond && !st.amountHeld;
}

// Checkpoint of the year loop, cheap when every amount is in range (the usual case).
inline bool holdAmounts(RunContext& ctx, AmountSource source) {
    if (nothingHeldSinceCheckpoint(ctx.state)) {
        const Scenario& s = ctx.scenario;
        bool ok = true;
        assert(ctx.state.eventAmountMayBeBeyond || eventsInRange(ctx));
        if (source.eventIndex >= 0 && source.eventIndex < kMaxEvents &&
            ctx.state.eventAmountMayBeBeyond)
            ok = eventInRange(s.events[source.eventIndex]);
        assert(ctx.state.balanceMayBeBeyond || balancesInRange(ctx));
        if (source.accountIndex >= 0 && source.accountIndex < kMaxAccounts &&
            ctx.state.balanceMayBeBeyond)
            ok &= inRange(s.accounts.accounts[source.accountIndex].balance);
        if (ok) return false;
    }
    return holdAmountsFully(ctx, source);
}

// The checkpoint after an event that changed nothing, right after another checkpoint:
// only the event's own amounts can be beyond the largest (a damaged file), so only they
// are looked at before the whole checkpoint runs. True when something was held.
inline bool holdAmountsOfIdleEvent(RunContext& ctx, int eventIndex) {
    assert(ctx.state.eventAmountMayBeBeyond || eventsInRange(ctx));
    if (eventIndex >= 0 && eventIndex < kMaxEvents &&
        (!ctx.state.eventAmountMayBeBeyond || eventInRange(ctx.scenario.events[eventIndex])) &&
        !ctx.state.amountHeld)
        return false;
    return holdAmounts(ctx, AmountSource{eventIndex, -1});
}

// Every balance and event amount as well as the totals: before the year-end lines
// and the plot row, which show them all.
inline bool holdAllAmounts(RunContext& ctx) {
    RunState& st = ctx.state;
    if (nothingHeldSinceCheckpoint(st)) {
        assert(st.balanceMayBeBeyond || balancesInRange(ctx));
        if (!st.balanceMayBeBeyond) return false;
        if (balancesInRange(ctx)) {
            st.balanceMayBeBeyond = false;
            return false;
        }
    }
    return holdAllAmountsFully(ctx);
}

} // namespace finplan
