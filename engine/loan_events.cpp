// The yearly life of a Loan or Mortgage: instalments, property taxes, payoff, sale.
#include "engine/draw_down.h"
#include "engine/event_processing.h"
#include "engine/loan_maths.h"
#include "model/whole_number.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

bool isAssetLoan(RunContext& ctx, const Event& e) {
    const Account* a = ctx.account(e.toAccountId);
    return e.is(EventKind::Loan) && a != nullptr && a->is(AccountType::Asset);
}

// The extra principal of this year's instalments and the month it starts from.
void instalmentExtra(const RunContext& ctx, const Event& e, float& extra, int& extraFrom) {
    extraFrom = 0;
    extra = 0;
    if (e.acceleratedMode == 2) {
        const Scenario& s = ctx.scenario;
        const int offset = (wholeNumber(s.initial.startAge) - wholeNumber(e.startAge)) * 12;
        extraFrom = offset > 0 ? offset : 0;
        extra = e.acceleratedPayment;
        if (wholeNumber(ctx.state.currentAge) < wholeNumber(s.initial.startAge)) extra = 0;
    } else if (e.acceleratedMode == 1) {
        extra = e.acceleratedPayment;
    }
}

// Pays one year of instalments, y, out of savings. The event's terms are read before
// the totals change, so they are not read again after every store.
[[gnu::always_inline]] inline void settleInstalment(RunContext& ctx, int idx, AmortisedYear y) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    const float p = y.principal;
    const float i = y.interest;
    const bool mortgage = e.is(EventKind::Mortgage);
    const bool lastYear = e.years + e.startAge == st.currentAge;
    e.monthsElapsed = static_cast<int16_t>(e.monthsElapsed + 12);
    st.addToEventAmount(e.principalPaid, p);
    if (!lastYear) st.addToEventAmount(e.interestPaidTotal, i);
    st.add(st.tallies.interestPaid, i * st.yearFraction);
    st.subtract(st.liabilities, p);
    if (mortgage) {
        st.add(st.mortgagePrincipalThisYear, p);
        st.add(st.equityTotal, p);
        st.subtract(st.assetTotal, p);
    }
    drawDown(ctx, p, idx, ctx.held(p + i), true);
}

// A year the plan did not work out (a loan beyond its years), carried on by the
// loan's own amortiser.
[[gnu::noinline]] void payUnplannedInstalment(RunContext& ctx, int idx, float extra,
                                              int extraFrom) {
    const Event& e = ctx.scenario.events[idx];
    // monthlyPayment was set from these very terms when the loan started this run.
    const AmortisedYear y = ctx.state.amortisers[idx].year(
        e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12, e.monthsElapsed,
        e.monthsElapsed + 11, extra, extraFrom, e.monthlyPayment);
    settleInstalment(ctx, idx, y);
}

// Every call ends in a tail call, so the planned year needs no stack frame.
[[gnu::noinline]] void payInstalment(RunContext& ctx, int idx) {
    const Event& e = ctx.scenario.events[idx];
    // Without an accelerated payment from the start age, the extra payment is the
    // terms' own every year: the plan's first table holds the loan's years.
    if (e.acceleratedMode != 2 && ctx.plan != nullptr)
        if (const AmortisedYear* y = ctx.plan->firstInstalment(idx, e.monthsElapsed))
            return settleInstalment(ctx, idx, *y);
    float extra = 0;
    int extraFrom = 0;
    instalmentExtra(ctx, e, extra, extraFrom);
    // The year loop runs with a plan; without one the amortiser gives the same years.
    const AmortisedYear* planned =
        ctx.plan != nullptr ? ctx.plan->instalment(idx, e.monthsElapsed, extra, extraFrom)
                            : nullptr;
    if (planned == nullptr) return payUnplannedInstalment(ctx, idx, extra, extraFrom);
    settleInstalment(ctx, idx, *planned);
}

// The whole years since the mortgage started, by which its property tax has grown.
int propertyTaxYears(RunContext& ctx, int idx) {
    const int start = ctx.plan != nullptr ? ctx.plan->loanWholeStartAges[idx]
                                          : wholeNumber(ctx.scenario.events[idx].startAge);
    return ctx.wholeAge() - start;
}

// The property tax t of this year grown by inflation since the mortgage started.
[[gnu::noinline]] float inflatedPropertyTax(RunContext& ctx, int idx, float t) {
    RunState& st = ctx.state;
    const int years = propertyTaxYears(ctx, idx);
    const float rate = st.inflationRateInEffect;
    PropertyTaxMemo& memo = st.propertyTax[idx];
    int done = 0;
    float value = t;
    if (ctx.marketInflation() && memo.base == t && memo.years >= 0 && memo.years == years - 1) {
        // History: each year grows by the inflation of the year before, as an
        // amount that follows inflation does, not by this year's rate compounded.
        done = years;
        value = memo.value * (1 + memo.rate * 0.01);
    } else if (memo.base == t && memo.rate == rate && memo.years >= 0 && memo.years <= years) {
        done = memo.years;
        value = memo.value;
    }
    for (; done < years; ++done)
        value = ctx.held(value * (1 + rate * 0.01));
    memo = PropertyTaxMemo{t, rate, years < 0 ? 0 : years, value};
    return value;
}

// The usual year of inflatedPropertyTax: the same tax and rate as last year, one more
// year of growth (what its loop does from the memo), without the whole function.
[[gnu::always_inline]] inline float nextPropertyTax(RunContext& ctx, int idx, float t) {
    RunState& st = ctx.state;
    PropertyTaxMemo& memo = st.propertyTax[idx];
    const int years = propertyTaxYears(ctx, idx);
    const float rate = st.inflationRateInEffect;
    if (!(memo.base == t && memo.rate == rate && memo.years >= 0 && memo.years == years - 1) ||
        ctx.marketInflation())
        return inflatedPropertyTax(ctx, idx, t);
    memo.years = years;
    memo.value = ctx.held(memo.value * (1 + rate * 0.01));
    return memo.value;
}

// The tax t out of savings, with or without its line.
[[gnu::always_inline]] inline void chargePropertyTaxes(RunContext& ctx, int idx, float t) {
    RunState& st = ctx.state;
    st.add(st.tallies.propertyTaxes, t);
    st.add(st.tallies.taxes, t);
    drawDown(ctx, 0, idx, t, true);
}

[[gnu::noinline]] void payPropertyTaxesWithLine(RunContext& ctx, int idx, float t) {
    ctx.emit(format("  Withdraw %s for property taxes", money(t).c_str()), idx);
    chargePropertyTaxes(ctx, idx, t);
}

// Without a line to write, every call ends in a tail call and needs no stack frame.
[[gnu::noinline]] void payPropertyTaxes(RunContext& ctx, int idx) {
    const Event& e = ctx.scenario.events[idx];
    float t = e.yearlyPropertyTax * ctx.state.yearFraction;
    if (!(t >= 1.0f)) return;
    if (e.applyInflation != 0) t = nextPropertyTax(ctx, idx, t);
    if (ctx.emitting()) return payPropertyTaxesWithLine(ctx, idx, t);
    chargePropertyTaxes(ctx, idx, t);
}

void totalsLine(RunContext& ctx, int idx) {
    const Event& e = ctx.scenario.events[idx];
    if (ctx.emitting())
        ctx.emit(format("    Total Principal=%s Total Interest=%s", money(e.principalPaid).c_str(),
                        money(e.interestPaidTotal).c_str()),
                 idx);
}

[[gnu::noinline]] void payOff(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    e.paidOff = 1;
    const float r = ctx.held((e.amount - e.downPayment) - e.principalPaid);
    const bool mortgage = e.is(EventKind::Mortgage);
    st.subtract(st.liabilities, r);
    if (mortgage) {
        st.subtract(st.assetTotal, r);
        st.add(st.equityTotal, r);
    }
    if (ctx.emitting())
        ctx.emit(
            format(mortgage ? "   %s - Paid off mortgage with %s" : "   %s - Paid off loan with %s",
                   eventDescription(e).c_str(), money(r).c_str()),
            idx);
    drawDown(ctx, 0, idx, r, true);
    totalsLine(ctx, idx);
    // Nothing is left to pay: a later sale must not lower the debt a second time.
    if (mortgage || isAssetLoan(ctx, e))
        ctx.state.setEventAmount(e.principalPaid, e.amount - e.downPayment);
}

// The sale money goes to the first Investment Savings account in access order.
void depositSale(RunContext& ctx, int idx, float v) {
    RunState& st = ctx.state;
    st.add(st.investmentTotal, v);
    const int n = ctx.accountCount();
    for (int i = 0; i < n; ++i) {
        Account& a = ctx.scenario.accounts.accounts[i];
        if (!a.is(AccountType::InvestmentSavings)) continue;
        st.addToBalance(a.balance, v);
        ctx.balanceRaised(a);
        if (ctx.emitting())
            ctx.emit(format("      Deposited %s to %s", money(v).c_str(), accountName(a).c_str()),
                     idx);
        return;
    }
    if (ctx.emitting())
        ctx.emit(format("      Deposited %s to Investment Savings", money(v).c_str()), idx);
}

bool isSaleYear(const Event& e, float age) {
    return e.sellAge > 0 && e.sellAge <= age && e.sellAge > e.startAge;
}

[[gnu::noinline]] void sell(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    e.setState(EventState::Finished);
    const float v = e.assetValue;
    const float principal = e.amount - e.downPayment;
    const float r = ctx.held(principal - e.principalPaid);
    const bool mortgage = e.is(EventKind::Mortgage);
    Account* a = mortgage ? nullptr : ctx.account(e.toAccountId);
    const bool assetLoan = a != nullptr && a->is(AccountType::Asset);
    const std::string desc = ctx.emitting() ? eventDescription(e) : std::string();
    if (mortgage) {
        e.propertySold = 1;
        st.subtract(st.liabilities, r);
        st.subtract(st.equityTotal, (e.principalPaid + e.downPayment) + (v - e.amount));
        st.subtract(st.assetTotal, r);
        if (ctx.emitting())
            ctx.emit(format("  %s - Sold property for %s", desc.c_str(), money(v).c_str()), idx);
        if (v - e.amount > 0) {
            st.add(st.tallies.totalIncoming, v - r);
            st.add(st.tallies.equitySales, v - r);
        }
        depositSale(ctx, idx, v);
        e.assetValue = 0;
    } else if (assetLoan) {
        if (ctx.emitting())
            ctx.emit(format("  %s - Sold asset for %s", desc.c_str(), money(v).c_str()), idx);
        st.subtract(st.assetTotal, v);
        st.subtract(st.liabilities, r);
        depositSale(ctx, idx, v);
        st.subtractFromBalance(a->balance, v);
        e.assetValue = 0;
    } else if (a != nullptr && a->is(AccountType::Equity)) {
        if (ctx.emitting())
            ctx.emit(format("  %s - Sold equity for %s", desc.c_str(), money(v).c_str()), idx);
        st.subtract(st.equityTotal, v);
        depositSale(ctx, idx, v);
        st.subtractFromBalance(a->balance, v);
        e.assetValue = 0;
    }
    if (e.paidOff == 0) {
        e.paidOff = 1;
        // Other loans keep their debt on the books until here; settle it once.
        if (!mortgage && !assetLoan) st.subtract(st.liabilities, r);
        if (ctx.emitting())
            ctx.emit(format(mortgage ? "   Paid off mortgage with %s" : "   Paid off loan with %s",
                            money(r).c_str()),
                     idx);
        drawDown(ctx, 0, idx, r, true);
    }
    if (e.principalPaid < principal) totalsLine(ctx, idx);
    e.paidOff = 1;
    if (assetLoan) ctx.state.setEventAmount(e.principalPaid, principal);
}

// The whole loan year, in its order: instalments, property taxes, payoff, sale.
[[gnu::noinline]] void loanYear(RunContext& ctx, int idx) {
    const Event& e = ctx.scenario.events[idx];
    // The age stays the same through the whole loan year.
    const float age = ctx.state.currentAge;
    if (age != e.sellAge) {
        if (e.paidOff == 0 && age < e.endAge) payInstalment(ctx, idx);
        if (e.is(EventKind::Mortgage) && e.propertySold == 0) payPropertyTaxes(ctx, idx);
    }
    if (e.paidOff == 0 && e.endAge <= age) payOff(ctx, idx);
    if (isSaleYear(e, age)) sell(ctx, idx);
}

// Instalments and then property taxes, the usual year of a mortgage being paid.
[[gnu::noinline]] void payMortgageYear(RunContext& ctx, int idx) {
    payInstalment(ctx, idx);
    payPropertyTaxes(ctx, idx);
}

} // namespace

// The loan year in its order: instalments, property taxes, payoff, sale. Nearly every
// year of a run is one of four kinds: paid off with nothing to pay (false), paid off
// with property taxes, paying a loan, paying a mortgage.
bool processLoanYear(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    const float age = ctx.state.currentAge;
    if (e.years + e.startAge <= age) e.paidOff = 1;
    if (isSaleYear(e, age)) {
        loanYear(ctx, idx);
        return true;
    }
    const bool taxes = age != e.sellAge && e.is(EventKind::Mortgage) && e.propertySold == 0;
    if (e.paidOff != 0) {
        if (!taxes) return false;
        payPropertyTaxes(ctx, idx);
        return true;
    }
    // Past the term (a payoff due) or at the sale age (nothing paid): the whole year.
    if (!(age < e.endAge) || age == e.sellAge)
        loanYear(ctx, idx);
    else if (!taxes)
        payInstalment(ctx, idx);
    else
        payMortgageYear(ctx, idx);
    return true;
}

} // namespace finplan
