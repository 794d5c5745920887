#include "engine/amount_limit.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <string>
#include <type_traits>

#include "engine/run_context.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

struct Total {
    float RunState::*field;
    const char* label; // as the Results headings name it
};

constexpr Total kTotals[] = {
    {&RunState::investmentTotal, "Investment Accounts"},
    {&RunState::taxFreeTotal, "Tax Free Accounts"},
    {&RunState::retirementTotal, "Retirement Accounts"},
    {&RunState::assetTotal, "Asset Accounts"},
    {&RunState::equityTotal, "Equity"},
    {&RunState::liabilities, "Liabilities"},
    {&RunState::mortgagePrincipalThisYear, "Mortgage principal"},
    {&RunState::startNetWorth, "Net Worth"},
};

constexpr float YearTallies::*kTallies[] = {
    &YearTallies::totalIncoming,
    &YearTallies::deposits,
    &YearTallies::taxableIncome,
    &YearTallies::nonTaxableIncome,
    &YearTallies::loans,
    &YearTallies::equitySales,
    &YearTallies::appreciation,
    &YearTallies::depreciation,
    &YearTallies::withdrawals,
    &YearTallies::interestPaid,
    &YearTallies::taxes,
    &YearTallies::penalties,
    &YearTallies::taxOnSavingsInterest,
    &YearTallies::taxesOnWithdrawals,
    &YearTallies::depositTaxes,
    &YearTallies::propertyTaxes,
    &YearTallies::closingCosts,
};

// Whether v is an amount at all and within the largest.
inline bool inRange(float v) {
    return std::fabs(v) <= kLargestAmount;
}

bool hold(float& v) {
    const float h = heldAmount(v);
    if (h == v) return false;
    v = h;
    return true;
}

// The running totals and all but the last tally each lie side by side in the run
// state (checked here): copied out as one array, the compiler tests them four at a
// time, where one test after another would cost a checkpoint more than the step
// before it.
constexpr std::size_t kTotalsAt = offsetof(RunState, investmentTotal);
constexpr std::size_t kTalliesAt =
    offsetof(RunState, tallies) + offsetof(YearTallies, totalIncoming);
static_assert(std::is_standard_layout_v<RunState> && std::is_standard_layout_v<YearTallies>);
static_assert(offsetof(RunState, startNetWorth) - kTotalsAt == 7 * sizeof(float) &&
              std::size(kTotals) == 8);
static_assert(offsetof(YearTallies, closingCosts) == 16 * sizeof(float) &&
              std::size(kTallies) == 17);

bool totalsInRange(const RunState& st) {
    float v[24];
    const auto* bytes = reinterpret_cast<const unsigned char*>(&st);
    std::memcpy(v, bytes + kTotalsAt, 8 * sizeof(float));
    std::memcpy(v + 8, bytes + kTalliesAt, 16 * sizeof(float));
    unsigned out = !inRange(st.tallies.closingCosts);
    for (float x : v)
        out |= !inRange(x);
    return out == 0;
}

bool eventInRange(const Event& e) {
    // Every test made, without a branch between them.
    unsigned in = inRange(e.assetValue);
    in &= inRange(e.principalPaid);
    in &= inRange(e.interestPaidTotal);
    in &= inRange(e.monthlyPayment);
    return in != 0;
}

bool holdEvent(Event& e) {
    bool held = hold(e.assetValue);
    held = hold(e.principalPaid) || held;
    held = hold(e.interestPaidTotal) || held;
    return hold(e.monthlyPayment) || held;
}

// Holds everything a run keeps and says once what went beyond.
void holdEverything(RunContext& ctx, AmountSource source) {
    RunState& st = ctx.state;
    Scenario& s = ctx.scenario;
    st.amountHeld = false;
    const char* heldTotal = nullptr;
    for (const Total& t : kTotals)
        if (hold(st.*t.field) && heldTotal == nullptr) heldTotal = t.label;
    for (auto field : kTallies)
        if (hold(st.tallies.*field) && heldTotal == nullptr) heldTotal = "This year's totals";
    int heldAccount = -1;
    const int accounts = ctx.accountCount();
    for (int i = 0; i < accounts; ++i)
        if (hold(s.accounts.accounts[i].balance) && heldAccount < 0) heldAccount = i;
    int heldEvent = -1;
    const int events = s.usedEventCount();
    for (int k = 0; k < events; ++k)
        if (holdEvent(s.events[k]) && heldEvent < 0) heldEvent = k;

    if (st.heldAmountShown || !ctx.emitting()) return;
    if (source.eventIndex < 0 && source.accountIndex < 0) {
        source.accountIndex = heldAccount;
        if (heldAccount < 0) source.eventIndex = heldEvent;
    }
    std::string who;
    int tag = kTagDriver;
    if (source.eventIndex >= 0) {
        who = eventDescription(s.events[source.eventIndex]);
        tag = source.eventIndex;
    } else if (source.accountIndex >= 0) {
        who = accountName(s.accounts.accounts[source.accountIndex]);
    } else {
        who = heldTotal != nullptr ? heldTotal : "Net Worth";
    }
    st.heldAmountShown = true;
    ctx.emit(format("  %s went beyond the largest amount the program can hold (%s); amounts "
                    "are held there.",
                    who.c_str(), money(kLargestAmount).c_str()),
             tag);
}

} // namespace

bool holdAmounts(RunContext& ctx, AmountSource source) {
    Scenario& s = ctx.scenario;
    const bool event = source.eventIndex >= 0 && source.eventIndex < kMaxEvents;
    const bool account = source.accountIndex >= 0 && source.accountIndex < kMaxAccounts;
    if (!event) source.eventIndex = -1;
    if (!account) source.accountIndex = -1;
    bool ok = totalsInRange(ctx.state);
    if (event) ok &= eventInRange(s.events[source.eventIndex]);
    if (account) ok &= inRange(s.accounts.accounts[source.accountIndex].balance);
    if (ok && !ctx.state.amountHeld) return false;
    holdEverything(ctx, source);
    return true;
}

bool holdAmountsOfIdleEvent(RunContext& ctx, int eventIndex) {
    if (eventIndex >= 0 && eventIndex < kMaxEvents &&
        eventInRange(ctx.scenario.events[eventIndex]) && !ctx.state.amountHeld)
        return false;
    return holdAmounts(ctx, AmountSource{eventIndex, -1});
}

bool holdAllAmounts(RunContext& ctx) {
    const Scenario& s = ctx.scenario;
    bool ok = totalsInRange(ctx.state);
    const int accounts = ctx.accountCount();
    for (int i = 0; i < accounts; ++i)
        ok &= inRange(s.accounts.accounts[i].balance);
    if (ok && !ctx.state.amountHeld) return false;
    holdEverything(ctx, AmountSource{});
    return true;
}

} // namespace finplan
