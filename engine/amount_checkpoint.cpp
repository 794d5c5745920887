#include "engine/amount_checkpoint.h"

#include <string>

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

bool hold(float& v) {
    const float h = heldAmount(v);
    if (h == v) return false;
    v = h;
    return true;
}

} // namespace

bool totalsInRange(const RunState& st) {
    for (const Total& t : kTotals)
        if (!inRange(st.*t.field)) return false;
    for (auto field : kTallies)
        if (!inRange(st.tallies.*field)) return false;
    return true;
}

bool balancesInRange(const RunContext& ctx) {
    const Account* accounts = ctx.scenario.accounts.accounts;
    const int n = ctx.accountCount();
    bool ok = true;
    for (int i = 0; i < n; ++i)
        ok &= inRange(accounts[i].balance);
    return ok;
}

bool eventsInRange(const RunContext& ctx) {
    const Scenario& s = ctx.scenario;
    const int n = s.usedEventCount();
    bool ok = true;
    for (int k = 0; k < n; ++k)
        ok &= eventInRange(s.events[k]);
    return ok;
}

namespace {

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
    st.totalMayBeBeyond = false;
    st.balanceMayBeBeyond = false;     // every balance is held below
    st.eventAmountMayBeBeyond = false; // and every event's amounts
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

bool holdAmountsFully(RunContext& ctx, AmountSource source) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    const bool event = source.eventIndex >= 0 && source.eventIndex < kMaxEvents;
    const bool account = source.accountIndex >= 0 && source.accountIndex < kMaxAccounts;
    if (!event) source.eventIndex = -1;
    if (!account) source.accountIndex = -1;
    bool ok = !st.totalMayBeBeyond || totalsInRange(st);
    st.totalMayBeBeyond = false;
    if (event) ok &= eventInRange(s.events[source.eventIndex]);
    if (account) ok &= inRange(s.accounts.accounts[source.accountIndex].balance);
    if (ok && !st.amountHeld) return false;
    holdEverything(ctx, source);
    return true;
}

bool holdAllAmountsFully(RunContext& ctx) {
    RunState& st = ctx.state;
    bool ok = !st.totalMayBeBeyond || totalsInRange(st);
    st.totalMayBeBeyond = false;
    const bool balances = balancesInRange(ctx);
    if (balances) st.balanceMayBeBeyond = false;
    ok &= balances;
    if (ok && !st.amountHeld) return false;
    holdEverything(ctx, AmountSource{});
    return true;
}

} // namespace finplan
