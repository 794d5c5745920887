#include "engine/run_driver.h"

#include <cmath>
#include <typeinfo>

#include "engine/amount_checkpoint.h"
#include "engine/event_processing.h"
#include "engine/plot_rows.h"
#include "engine/year_end.h"
#include "model/scenario_ops.h"
#include "model/whole_number.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

float whole(float v) {
    return std::trunc(v);
}

// By kind, then start age; equal keys keep their order.
void sortEventsForRun(Scenario& s) {
    const int n = s.usedEventCount();
    for (int i = 1; i < n; ++i) {
        for (int j = i; j > 0; --j) {
            const Event& a = s.events[j - 1];
            const Event& b = s.events[j];
            const bool after = a.kind > b.kind || (a.kind == b.kind && a.startAge > b.startAge);
            if (!after) break;
            std::swap(s.events[j - 1], s.events[j]);
        }
    }
}

void prepare(RunContext& ctx) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    const InitialValues& iv = s.initial;
    st.investmentTotal = st.taxFreeTotal = st.retirementTotal = 0;
    st.equityTotal = st.assetTotal = st.liabilities = 0;
    st.mortgagePrincipalThisYear = 0;
    st.tallies.depositTaxes = 0;
    st.taxRateInEffect = iv.taxRate;
    st.inflationRateInEffect = iv.inflationRate;
    st.penaltyAge = iv.penaltyAge;
    st.penaltyRate = iv.penaltyRate;
    st.amountHeld = false;
    st.totalMayBeBeyond = false;
    // A balance or event amount beyond the largest that no step has written this run:
    // from a damaged file, or left by an earlier run before this one's plan starts.
    st.balanceMayBeBeyond = !balancesInRange(ctx);
    st.heldAmountShown = false;
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k) {
        Event& e = s.events[k];
        st.amortisers[k].reset();
        st.propertyTax[k] = PropertyTaxMemo{};
        e.assetValue = 0;
        e.monthsElapsed = 0;
        e.setState(EventState::NotStarted);
        if (!e.is(EventKind::Fundamentals)) {
            e.principalPaid = 0;
            e.interestPaidTotal = 0;
        }
    }
    st.eventAmountMayBeBeyond = !eventsInRange(ctx); // those kept after the clearing above
}

void initialRates(RunContext& ctx) {
    if (!ctx.view.showDetails || !ctx.emitting()) return;
    const Scenario& s = ctx.scenario;
    ctx.emit("Initial Rates:", kTagHeading);
    const int n = ctx.accountCount();
    for (int i = 0; i < n; ++i) {
        const Account& a = s.accounts.accounts[i];
        ctx.emit(formatPercent(format(" %s = ", accountName(a).c_str()), a.rate), kTagRateLine);
    }
    ctx.emit(formatPercent(" Tax = ", s.initial.taxRate), kTagRates);
    ctx.emit(formatPercent(" Inflation = ", s.initial.inflationRate), kTagRates);
    ctx.emit(formatPercent(" Appreciation = ", s.initial.avgEquityAppreciationRate), kTagRates);
}

float loopStart(const Scenario& s) {
    float result = whole(s.initial.endAge);
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k)
        if (s.events[k].startAge < result) result = whole(s.events[k].startAge);
    return result < s.initial.startAge ? result : whole(s.initial.startAge);
}

// Without a branch: the year loop clears six totals a year. NaN stays, -0 becomes 0.
void clearSmall(float& v) {
    v = std::fabs(v) < 1.0f ? 0.0f : v;
}

// Clears totals strictly between -1 and 1, stores the age's totals, writes the row;
// gives the net worth it showed. Inline: it is most of what a year does before its
// events.
[[gnu::always_inline]] inline float ageRow(RunContext& ctx, bool exactAge, float shownAge) {
    RunState& st = ctx.state;
    clearSmall(st.investmentTotal);
    clearSmall(st.taxFreeTotal);
    clearSmall(st.retirementTotal);
    clearSmall(st.assetTotal);
    clearSmall(st.equityTotal);
    clearSmall(st.liabilities);
    const float totals[7] = {st.investmentTotal, st.taxFreeTotal, st.retirementTotal, st.assetTotal,
                             st.equityTotal,     st.liabilities,  st.netWorth()};
    const int age = ctx.wholeAge();
    if (ctx.plot != nullptr && age >= 0 && age <= 120) ctx.plot->ageTotals(age, totals);
    if (ctx.emitting()) ctx.emit(ageRowText(shownAge, st, exactAge), kTagDriver);
    return totals[6];
}

const std::string& dashes(int n) {
    static const std::string d184(184, '-'), d185(185, '-'), d175(175, '-');
    return n == 184 ? d184 : (n == 185 ? d185 : d175);
}

// The year's historical inflation, in force before any event acts, as a rate change
// of that age would set it.
void marketInflation(RunContext& ctx) {
    const float rate = ctx.market->inflation[ctx.planYear()];
    ctx.state.inflationRateInEffect = rate;
    if (ctx.view.showDetails && ctx.emitting())
        ctx.emit(formatPercent("      Inflation rate=", rate), kTagRateLine);
}

// After an event acted: one that ran past its end age is done (a loan ends itself).
void finishEnded(RunContext& ctx, Event& e) {
    if (e.state() == EventState::Active && e.endAge < ctx.state.currentAge && !isLoanOrMortgage(e))
        e.setState(EventState::Finished);
}

// Every event of the first year in run order, each followed by a checkpoint: whether
// the last thing that ran was a checkpoint ("settled"), every amount it looked at is
// still within the largest while the events after it do nothing. An event waiting to
// start keeps its own amounts, so they need a look only in the first year.
void firstYearEvents(RunContext& ctx) {
    Scenario& s = ctx.scenario;
    const int n = s.usedEventCount();
    bool settled = false;
    for (int k = 0; k < n; ++k) {
        Event& e = s.events[k];
        if (e.state() == EventState::Finished) continue; // it does nothing more
        if (processEvent(ctx, k) || !settled)
            holdAmounts(ctx, AmountSource{k, -1});
        else
            holdAmountsOfIdleEvent(ctx, k);
        settled = true;
        finishEnded(ctx, e);
    }
    const RunPlan& plan = ctx.runPlan();
    ctx.state.schedule.start(s.events, n, plan.byStartAge.data(), plan.byStartAgeCount);
}

// A later year: the events started and those due, in run order. An event still waiting
// for its start age does nothing; only the year's first checkpoint looks at it, when
// it comes before every event that acts (as in the first year).
void yearEvents(RunContext& ctx) {
    Scenario& s = ctx.scenario;
    EventSchedule& schedule = ctx.state.schedule;
    int waitingFirst = -1;
    const int visits = schedule.visits(s.events, ctx.state.currentAge, waitingFirst);
    assert(schedule.agreesWithEvents(s.events, ctx.state.currentAge, waitingFirst));
    bool settled = false;
    if (waitingFirst >= 0) {
        holdAmounts(ctx, AmountSource{waitingFirst, -1}); // it waits: it would do nothing
        settled = true;
    }
    int firstFinished = visits;
    for (int i = 0; i < visits; ++i) {
        const int k = schedule.visit(i);
        Event& e = s.events[k];
        if (e.state() == EventState::Finished) continue;
        if (processEvent(ctx, k) || !settled) holdAmounts(ctx, AmountSource{k, -1});
        settled = true;
        finishEnded(ctx, e);
        if (firstFinished == visits && e.state() != EventState::Active) firstFinished = i;
    }
    schedule.keepActive(s.events, firstFinished);
}

void simulateYear(RunContext& ctx) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    st.tallies.depositTaxes = 0;
    st.yearFraction =
        st.currentAge == st.plotStartAge ? 1 - (s.initial.startAge - st.plotStartAge) : 1.0f;
    st.tallies.resetPerYear();
    if (st.currentAge == st.plotStartAge) {
        st.set(st.investmentTotal, s.initial.initialInvestmentSavings);
        st.set(st.taxFreeTotal, s.initial.initialTaxFreeSavings);
        st.set(st.retirementTotal, s.initial.initialRetirementSavings);
        st.add(st.equityTotal, s.initial.initialEquity);
        st.add(st.assetTotal, s.initial.initialAssets);
        const int n = ctx.accountCount();
        for (int i = 0; i < n; ++i) {
            Account& a = s.accounts.accounts[i];
            st.setBalance(a.balance, a.initialAmount);
            a.currentRate = a.rate;
        }
        ctx.savingsHint = 0;
    }
    if (st.currentAge >= st.plotStartAge) storeRowStart(ctx);

    if (ctx.emitting()) ctx.emit(dashes(184), kTagDriver);
    const bool exact = st.currentAge == st.plotStartAge && s.initial.useBirthday == 1;
    st.startNetWorth = ageRow(ctx, exact, exact ? s.initial.startAge : st.currentAge);
    if (ctx.emitting()) {
        ctx.emit(dashes(185), kTagDriver);
        ctx.emit("Financial Events:", kTagDriver);
    }

    if (ctx.marketInflation()) marketInflation(ctx);

    if (st.currentAge == st.loopStartAge)
        firstYearEvents(ctx);
    else
        yearEvents(ctx);
    yearEnd(ctx);
    if (st.liabilities < 1.0f) st.liabilities = 0;
}

void rateStatistics(RunContext& ctx) {
    const Scenario& s = ctx.scenario;
    ctx.emit("Rate Statistics:", kTagDriver);
    if (ctx.flags.randomAccountRates) {
        const int n = ctx.accountCount();
        for (int i = 0; i < n; ++i) {
            const Account& a = s.accounts.accounts[i];
            if (a.rateStatCount <= 0) continue;
            ctx.emit(format("Average %s Rate = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f",
                            accountName(a).c_str(), a.rateStatSum / a.rateStatCount,
                            a.rateStatCount, a.rateStatMin, a.rateStatMax),
                     kTagRateLine);
        }
        return;
    }
    for (int g = 0; g < kMaxGroups; ++g) {
        const GroupRateStats& gs = ctx.state.groupStats[g];
        if (!(gs.count > 0)) continue;
        ctx.emit(format("Average %s Rate    = %-6.2f Number = %-3d Min = %-6.2f Max = %-6.2f",
                        groupName(s, g).c_str(), gs.sum / gs.count, wholeNumber(gs.count), gs.min,
                        gs.max),
                 kTagRateLine);
    }
}

// Everything a run does before its first year, also in a preparing run: the
// events in run order, the accounts in access order and the plot file header.
// False when the plot file cannot be started.
bool setUpRun(RunContext& ctx, bool savingResults) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    // A run given its plan has its events and accounts in run order already.
    const bool sorted = ctx.plan != nullptr;
    prepare(ctx);
    if (ctx.plot != nullptr && !ctx.plot->begin()) return false;
    initialRates(ctx);
    if (!sorted) sortEventsForRun(s);
    st.loopStartAge = loopStart(s);
    st.endAge = s.initial.endAge;
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k)
        if (isLoanOrMortgage(s.events[k])) s.events[k].paidOff = 0;
    st.tallies = YearTallies{};
    st.mortgagePrincipalThisYear = 0;
    st.startNetWorth = 0;
    if (ctx.plot != nullptr)
        ctx.plot->header(st.endAge - whole(s.initial.startAge) + 1, ctx.accountCount());
    if (!sorted && ctx.accountCount() > 0) sortAccounts(s, AccountSortKey::AccessOrder, true);
    if (ctx.plot != nullptr)
        for (int i = 0; i < ctx.accountCount(); ++i)
            ctx.plot->accountName(i, s.accounts.accounts[i].name);
    if (!savingResults) ctx.emit("??", kTagHeading);
    return true;
}

// The start age of this run (with the birthday's fraction) and cleared rate
// statistics.
void startYears(RunContext& ctx, const Clock& clock) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    st.badYear = 0;
    st.rateShortfall = 0;
    // The accounts are still in access order from setUpRun.
    if (ctx.plan == nullptr) ctx.planOwn();
    ctx.savingsHint = 0;
    InitialValues& iv = s.initial;
    iv.startAge = iv.useBirthday == 1 ? whole(iv.startAge) + birthdayFraction(iv, clock.now())
                                      : whole(iv.startAge);
    st.plotStartAge = whole(iv.startAge);
    st.plotRowIndex = -1;
    st.rowOpen = false;
    for (int i = 0; i < ctx.accountCount(); ++i) {
        Account& a = s.accounts.accounts[i];
        a.rateStatCount = 0;
        a.rateStatMin = a.randomMaxRate;
        a.rateStatMax = a.randomMinRate;
        a.rateStatSum = 0;
    }
    for (auto& g : st.groupStats)
        g = GroupRateStats{};
    st.beforeLoop = false;
}

void simulateYears(RunContext& ctx) {
    RunState& st = ctx.state;
    // The loop counter is a float stepped by 1.0; a span is at most 120 years, the
    // bound only guards against damaged ages.
    int guard = 0;
    for (st.setAge(st.loopStartAge); st.currentAge < st.endAge && guard < 1000;
         st.setAge(st.currentAge + 1.0f), ++guard)
        simulateYear(ctx);
}

// The last row, the final totals, the rate statistics and the ends of the files.
void finishRun(RunContext& ctx) {
    RunState& st = ctx.state;
    if (st.currentAge >= st.plotStartAge) {
        storeRowStart(ctx);
        storeRowEnd(ctx);
    }
    if (ctx.emitting()) ctx.emit(dashes(175), kTagDriver);
    ageRow(ctx, false, st.currentAge);
    if (ctx.emitting()) ctx.emit(dashes(175), kTagDriver);
    st.tallies.resetPerYear();
    if (ctx.view.showDetails && (ctx.randomMode() || ctx.market != nullptr)) rateStatistics(ctx);
    if (ctx.plot != nullptr) ctx.plot->end(ctx.scenario);
    if (ctx.tabExport != nullptr) ctx.tabExport->end();
}

} // namespace

std::string ageRowText(float age, const RunState& st, bool exactAge) {
    return format(exactAge ? "%-5.2f%15s %15s %15s %15s %15s %15s %15s"
                           : "%-4.1f%15s %15s %15s %15s %15s %15s %15s",
                  age, money13(st.investmentTotal).c_str(), money13(st.taxFreeTotal).c_str(),
                  money13(st.retirementTotal).c_str(), money13(st.assetTotal).c_str(),
                  money13(st.equityTotal).c_str(), money13(st.liabilities).c_str(),
                  money13(st.netWorth()).c_str());
}

bool runScenario(Scenario& s, RunState& st, const RunRequest& request, Random& random,
                 const Clock& clock) {
    NullScheduleSink nullLines;
    const bool prepareOnly = request.flags.prepareOnly;
    RunContext ctx{s,
                   st,
                   request.lines != nullptr ? *request.lines : nullLines,
                   prepareOnly ? nullptr : request.plot,
                   prepareOnly ? nullptr : request.tabExport,
                   random,
                   request.flags,
                   request.view};
    ctx.text = !prepareOnly && ctx.lines.wantsText();
    ctx.rows = ctx.tabExport != nullptr || (ctx.plot != nullptr && ctx.plot->wantsRows());
    ctx.drawDowns = request.drawDowns;
    ctx.plan = request.plan;
    ctx.market = request.market;
    if (typeid(random) == typeid(SeededRandom)) ctx.seeded = static_cast<SeededRandom*>(&random);
    st.beforeLoop = true;
    if (!prepareOnly) ctx.lines.beginRun();

    if (!setUpRun(ctx, request.flags.savingResults) || prepareOnly) return false;
    startYears(ctx, clock);
    simulateYears(ctx);
    finishRun(ctx);
    return true;
}

} // namespace finplan
