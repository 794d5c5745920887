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

void payInstalment(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    const Scenario& s = ctx.scenario;
    int extraFrom = 0;
    float extra = 0;
    if (e.acceleratedMode == 2) {
        const int offset = (wholeNumber(s.initial.startAge) - wholeNumber(e.startAge)) * 12;
        extraFrom = offset > 0 ? offset : 0;
        extra = e.acceleratedPayment;
        if (wholeNumber(st.currentAge) < wholeNumber(s.initial.startAge)) extra = 0;
    } else if (e.acceleratedMode == 1) {
        extra = e.acceleratedPayment;
    }
    // monthlyPayment was set from these very terms when the loan started this run.
    AmortisedYear y;
    if (!ctx.runPlan().instalment(idx, e.monthsElapsed, extra, extraFrom, y))
        y = st.amortisers[idx].year(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12,
                                    e.monthsElapsed, e.monthsElapsed + 11, extra, extraFrom,
                                    e.monthlyPayment);
    const float p = y.principal;
    const float i = y.interest;
    e.monthsElapsed = static_cast<int16_t>(e.monthsElapsed + 12);
    e.principalPaid += p;
    if (e.years + e.startAge != st.currentAge) e.interestPaidTotal += i;
    st.add(st.tallies.interestPaid, i * st.yearFraction);
    st.subtract(st.liabilities, p);
    if (e.is(EventKind::Mortgage)) {
        st.add(st.mortgagePrincipalThisYear, p);
        st.add(st.equityTotal, p);
        st.subtract(st.assetTotal, p);
    }
    drawDown(ctx, p, idx, ctx.held(p + i), true);
}

void payPropertyTaxes(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    if (!(e.yearlyPropertyTax * st.yearFraction >= 1.0f)) return;
    float t = e.yearlyPropertyTax * st.yearFraction;
    if (e.applyInflation != 0) {
        const int years = wholeNumber(st.currentAge) - wholeNumber(e.startAge);
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
        t = value;
    }
    if (ctx.emitting()) ctx.emit(format("  Withdraw %s for property taxes", money(t).c_str()), idx);
    st.add(st.tallies.propertyTaxes, t);
    st.add(st.tallies.taxes, t);
    drawDown(ctx, 0, idx, t, true);
}

void totalsLine(RunContext& ctx, int idx) {
    const Event& e = ctx.scenario.events[idx];
    if (ctx.emitting())
        ctx.emit(format("    Total Principal=%s Total Interest=%s", money(e.principalPaid).c_str(),
                        money(e.interestPaidTotal).c_str()),
                 idx);
}

void payOff(RunContext& ctx, int idx) {
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
    if (mortgage || isAssetLoan(ctx, e)) e.principalPaid = e.amount - e.downPayment;
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

void sell(RunContext& ctx, int idx) {
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
    if (assetLoan) e.principalPaid = principal;
}

} // namespace

void processLoanYear(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    if (e.years + e.startAge <= st.currentAge) e.paidOff = 1;
    if (st.currentAge != e.sellAge) {
        if (st.currentAge < e.endAge && e.paidOff == 0) payInstalment(ctx, idx);
        if (e.is(EventKind::Mortgage) && e.propertySold == 0) payPropertyTaxes(ctx, idx);
    }
    if (e.endAge <= st.currentAge && e.paidOff == 0) payOff(ctx, idx);
    if (e.sellAge > 0 && e.sellAge <= st.currentAge && e.sellAge > e.startAge) sell(ctx, idx);
}

} // namespace finplan
