#include "engine/amount_limit.h"

#include <string>

#include "engine/money.h"
#include "engine/run_context.h"

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

// 0 when v is in range, NaN when it is an infinity or NaN: a whole list is checked
// with one multiply-add per amount and one test at the end.
inline float probe(float v) {
    return v * 0.0f;
}

bool hold(float& v) {
    const float h = heldAmount(v);
    if (h == v) return false;
    v = h;
    return true;
}

float probeTotals(const RunState& st) {
    float p = 0;
    for (const Total& t : kTotals)
        p += probe(st.*t.field);
    for (auto field : kTallies)
        p += probe(st.tallies.*field);
    return p;
}

float probeEvent(const Event& e) {
    return probe(e.assetValue) + probe(e.principalPaid) + probe(e.interestPaidTotal) +
           probe(e.monthlyPayment);
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
    float p = probeTotals(ctx.state);
    if (event) p += probeEvent(s.events[source.eventIndex]);
    if (account) p += probe(s.accounts.accounts[source.accountIndex].balance);
    if (p == 0 && !ctx.state.amountHeld) return false;
    holdEverything(ctx, source);
    return true;
}

bool holdAllAmounts(RunContext& ctx) {
    const Scenario& s = ctx.scenario;
    float p = probeTotals(ctx.state);
    const int accounts = ctx.accountCount();
    for (int i = 0; i < accounts; ++i)
        p += probe(s.accounts.accounts[i].balance);
    if (p == 0 && !ctx.state.amountHeld) return false;
    holdEverything(ctx, AmountSource{});
    return true;
}

} // namespace finplan
