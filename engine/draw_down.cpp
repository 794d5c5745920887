#include "engine/draw_down.h"

#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

bool isRetirement(const Account& a) {
    return a.accountType() == AccountType::RetirementSavings;
}

// Tax and penalty on money v taken from a savings account.
void chargeWithdrawal(RunContext& ctx, const Account& a, float v, bool taxable) {
    RunState& st = ctx.state;
    if (!taxable) return;
    // The tallies take the unrounded tax: only the sums are stored as floats.
    if (isRetirement(a)) {
        st.add(st.tallies.taxes, st.taxRateInEffect * 0.01 * v);
        st.add(st.tallies.taxesOnWithdrawals, st.taxRateInEffect * 0.01 * v);
    }
    const bool penaltyType = isRetirement(a) || a.accountType() == AccountType::TaxFreeSavings;
    if (penaltyType && st.currentAge < st.penaltyAge && a.penaltyFlag != 0) {
        st.add(st.tallies.penalties, v * st.penaltyRate * 0.01);
    }
}

// The lines of a draw-down, apart from the arithmetic: most runs write none, and
// formatting them inside the loop would weigh on every payment.
[[gnu::noinline]] void instalmentLine(RunContext& ctx, int tag, float a, float principal) {
    const float f = ctx.state.yearFraction;
    const Event& e = ctx.scenario.events[tag];
    ctx.emit(format("  %s - Withdraw %s for monthly payments - principal=%s interest=%s",
                    eventDescription(e).c_str(), money(a * f).c_str(), money(principal * f).c_str(),
                    money((a - principal) * f).c_str()),
             tag);
}

[[gnu::noinline]] void paidLine(RunContext& ctx, int tag, float paid, const Account& acc) {
    ctx.emit(format("      %s from %s", money(paid).c_str(), accountName(acc).c_str()), tag);
}

[[gnu::noinline]] void depletedLine(RunContext& ctx, int tag, float a, const Account& acc) {
    ctx.emit(format("      Savings depleted -- %s withdrawn from %s.", money(a).c_str(),
                    accountName(acc).c_str()),
             tag);
}

} // namespace

void drawDown(RunContext& ctx, float principal, int tag, float amount, bool taxable) {
    RunState& st = ctx.state;
    if (st.currentAge < st.plotStartAge) return;
    float a = amount;
    if (principal > 0) {
        if (ctx.emitting()) instalmentLine(ctx, tag, a, principal);
        a = a * st.yearFraction;
    }
    const bool details = ctx.view.showDetails;
    const RunPlan& plan = ctx.runPlan();
    DrawDownObserver* const watch =
        ctx.drawDowns != nullptr && ctx.drawDowns->watching() ? ctx.drawDowns : nullptr;
    // Only savings accounts pay; asset and equity accounts are passed over.
    Account* const accounts = ctx.scenario.accounts.accounts;
    int hint = ctx.savingsHint; // where the savings with money may start
    for (int k = hint; k < plan.savingsCount; ++k) {
        const int i = plan.savings[k];
        Account& acc = accounts[i];
        const float b = acc.balance;
        if (!(b > 0)) {
            if (k == hint) ++hint; // an empty prefix stays empty
            continue;
        }
        // The account pays what is still owed, or all it holds.
        const bool covers = b - a > 0;
        const float paid = covers ? a : b;
        st.setBalance(acc.balance, covers ? b - a : 0);
        addToTypeTotal(st, acc.accountType(), -paid);
        chargeWithdrawal(ctx, acc, paid, taxable);
        if (watch != nullptr) watch->paid(ctx.wholeAge(), i, tag, paid, !covers);
        if (details && ctx.emitting()) paidLine(ctx, tag, paid, acc);
        if (covers) {
            ctx.savingsHint = hint;
            return;
        }
        a -= b;
        if (k == hint) ++hint;
    }
    ctx.savingsHint = hint;
    if (a > 0 && watch != nullptr) watch->exhausted(ctx.wholeAge(), tag, a, plan.firstInvestment);
    if (a > 0 && plan.firstInvestment >= 0) {
        Account& acc = ctx.scenario.accounts.accounts[plan.firstInvestment];
        st.subtractFromBalance(acc.balance, a);
        st.subtract(st.investmentTotal, a);
        if (details && ctx.emitting()) depletedLine(ctx, tag, a, acc);
    }
}

void transferBetweenAccounts(RunContext& ctx, int eventIndex, float amount) {
    RunState& st = ctx.state;
    if (st.currentAge < st.plotStartAge) return;
    const Event& e = ctx.scenario.events[eventIndex];
    Account* f = ctx.account(e.fromAccountId);
    Account* t = ctx.account(e.toAccountId);
    if (f == nullptr || t == nullptr) return; // an account was deleted: nothing can move
    const float a = amount;
    if (f->balance - a < 0) {
        if (ctx.emitting())
            ctx.emit(format("  %s - %s depleted %s not transferred!", eventDescription(e).c_str(),
                            accountName(*f).c_str(), money(a).c_str()),
                     eventIndex);
        return;
    }
    if (isRetirement(*f) && !isRetirement(*t)) {
        st.add(st.tallies.taxes, st.taxRateInEffect * 0.01 * a);
        st.add(st.tallies.taxesOnWithdrawals, st.taxRateInEffect * 0.01 * a);
    }
    st.subtractFromBalance(f->balance, a);
    st.addToBalance(t->balance, a);
    ctx.balanceRaised(*t);
    addToTypeTotal(st, f->accountType(), -a);
    addToTypeTotal(st, t->accountType(), a);
    if (ctx.emitting())
        ctx.emit(format("  %s %s %s from %s to %s ", eventDescription(e).c_str(), " Transfer",
                        money(a).c_str(), accountName(*f).c_str(), accountName(*t).c_str()),
                 eventIndex);
}

} // namespace finplan
