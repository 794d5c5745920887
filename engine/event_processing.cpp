#include "engine/event_processing.h"

#include "engine/draw_down.h"
#include "engine/loan_maths.h"
#include "model/whole_number.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

void startFundamentals(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    if (ctx.emitting()) ctx.emit(format("  %s - Rate Changes: ", eventDescription(e).c_str()), idx);
    if (e.rateAccountId >= 0) {
        Account* a = ctx.account(e.rateAccountId);
        if (a != nullptr && a->currentRate != e.newAccountRate) {
            a->currentRate = e.newAccountRate;
            if (ctx.emitting())
                ctx.emit(
                    formatPercent(format("     %s = ", accountName(*a).c_str()), e.newAccountRate),
                    idx);
        }
    }
    if (st.taxRateInEffect != e.newTaxRate) {
        st.taxRateInEffect = e.newTaxRate;
        if (ctx.emitting()) ctx.emit(formatPercent("     Tax Rate = ", e.newTaxRate), idx);
    }
    // In a year fed by market history its inflation stands.
    if (st.inflationRateInEffect != e.newInflationRate && !ctx.marketInflation()) {
        st.inflationRateInEffect = e.newInflationRate;
        if (ctx.emitting())
            ctx.emit(formatPercent("     Inflation Rate = ", e.newInflationRate), idx);
    }
    e.setState(EventState::Finished);
}

void startLoan(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    const std::string desc = ctx.emitting() ? eventDescription(e) : std::string();
    // A loan whose account was deleted still counts as a debt; only the deposit of
    // its money into the account (and its line) is left out.
    if (Account* a = ctx.account(e.toAccountId)) {
        st.addToBalance(a->balance, e.amount);
        ctx.balanceRaised(*a);
        // unknown type (damaged file): no total, no line
        float* total = st.typeTotal(a->accountType());
        if (total != nullptr) st.add(*total, e.amount);
        const bool savings = isSavings(*a);
        if (savings) e.appreciationRate = 0;
        if (total != nullptr && ctx.emitting())
            ctx.emit(format("  %s - %s %s to %s from loan", desc.c_str(),
                            savings ? "Deposit" : "Transfer", money(e.amount).c_str(),
                            accountName(*a).c_str()),
                     idx);
    }
    st.add(st.tallies.totalIncoming, e.amount);
    st.add(st.tallies.loans, e.amount);
    st.add(st.liabilities, e.amount);
    if (e.downPayment > 0) {
        if (ctx.emitting())
            ctx.emit(format("  %s - Withdraw %s for down payment", desc.c_str(),
                            money(e.downPayment).c_str()),
                     idx);
        st.subtract(st.liabilities, e.downPayment);
        st.subtract(st.tallies.totalIncoming, e.downPayment);
        st.subtract(st.tallies.loans, e.downPayment);
        drawDown(ctx, 0, idx, e.downPayment, true);
    }
}

void startMortgage(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    const std::string desc = ctx.emitting() ? eventDescription(e) : std::string();
    const float financed = e.amount - e.downPayment;
    st.add(st.liabilities, financed);
    st.add(st.assetTotal, financed);
    if (e.downPayment > 0) {
        st.add(st.equityTotal, e.downPayment);
        if (e.isRefinance == 0) {
            if (ctx.emitting())
                ctx.emit(format("  %s - Withdraw %s for down payment", desc.c_str(),
                                money(e.downPayment).c_str()),
                         idx);
            drawDown(ctx, 0, idx, e.downPayment, true);
        } else if (ctx.emitting()) {
            ctx.emit(format("  %s - %s to equity.", desc.c_str(), money(e.downPayment).c_str()),
                     idx);
        }
    }
    if (e.closingCosts > 0) {
        if (ctx.emitting())
            ctx.emit(format("  %s - Withdraw %s for closing costs", desc.c_str(),
                            money(e.closingCosts).c_str()),
                     idx);
        st.add(st.tallies.closingCosts, e.closingCosts);
        drawDown(ctx, 0, idx, e.closingCosts, true);
    }
}

// Apart from the yearly path: an event starts once a run.
[[gnu::noinline]] void startEvent(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    ctx.state.setEventAmount(e.assetValue, e.amount);
    e.setState(EventState::Active);
    e.propertySold = 0;
    switch (e.eventKind()) {
    case EventKind::Fundamentals:
        startFundamentals(ctx, idx);
        break;
    case EventKind::Loan:
    case EventKind::Mortgage:
        ctx.state.setEventAmount(e.monthlyPayment, ctx.runPlan().loanPayments[idx]);
        if (e.is(EventKind::Loan))
            startLoan(ctx, idx);
        else
            startMortgage(ctx, idx);
        break;
    default:
        break;
    }
}

// Finishing, skipping, growth and the year fraction of a Deposit, Withdrawal or
// Transfer; false when the event does nothing this year.
bool timedAmount(RunContext& ctx, Event& e, float& amount) {
    const RunState& st = ctx.state;
    // The whole ages matter only to a one-time event.
    const bool oneTime = e.oneTime != 0;
    const bool sameWholeAge = oneTime && wholeNumber(e.startAge) == wholeNumber(st.currentAge);
    if (!oneTime) {
        if (e.endAge <= st.currentAge) e.setState(EventState::Finished);
    } else if (e.is(EventKind::Deposit)) {
        if (wholeNumber(e.startAge) >= wholeNumber(st.currentAge)) e.setState(EventState::Finished);
    } else if (st.currentAge <= e.startAge) {
        e.setState(EventState::Finished);
    }
    if (e.endAge < st.currentAge && !sameWholeAge) return false;

    amount = (e.applyRate == 0 && e.applyInflation == 0) ? e.amount : e.assetValue;
    float g = 0;
    if (e.applyRate != 0) g = e.applyRate * 0.01;
    if (e.applyInflation != 0) g = g + st.inflationRateInEffect * 0.01;
    if (g != 0) e.assetValue = ctx.held(e.assetValue * (1 + g));
    if (e.oneTime == 0) amount = amount * st.yearFraction;
    return true;
}

// The lines of a deposit and a withdrawal, apart from the arithmetic: most runs
// write none.
[[gnu::noinline]] void depositLine(RunContext& ctx, int idx, float amount, float tax,
                                   const Account& a) {
    const Event& e = ctx.scenario.events[idx];
    if (e.taxDeposit == 1)
        ctx.emit(format("  %s - Deposit %s to %s. %s tax deducted from deposit.",
                        eventDescription(e).c_str(), money(amount).c_str(), accountName(a).c_str(),
                        money(tax).c_str()),
                 idx);
    else
        ctx.emit(format("  %s - Deposit %s to %s", eventDescription(e).c_str(),
                        money(amount).c_str(), accountName(a).c_str()),
                 idx);
}

[[gnu::noinline]] void withdrawLine(RunContext& ctx, int idx, float amount) {
    ctx.emit(format("  %s - Withdraw %s", eventDescription(ctx.scenario.events[idx]).c_str(),
                    money(amount).c_str()),
             idx);
}

void deposit(RunContext& ctx, int idx, float amount) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    float tax = 0;
    if (e.taxDeposit != 0) {
        tax = ctx.held(st.taxRateInEffect * 0.01 * amount);
        st.add(st.tallies.depositTaxes, tax);
        amount = ctx.held((1 - st.taxRateInEffect * 0.01) * amount);
    }
    st.add(st.tallies.totalIncoming, amount);
    st.add(st.tallies.deposits, amount);
    Account* a = ctx.account(e.toAccountId);
    if (a == nullptr) return; // deleted account: the money is counted, not placed
    if (st.currentAge >= st.plotStartAge) {
        st.addToBalance(a->balance, amount);
        ctx.balanceRaised(*a);
        addToTypeTotal(st, a->accountType(), amount);
    }
    if (ctx.emitting()) depositLine(ctx, idx, amount, tax, *a);
}

void withdraw(RunContext& ctx, int idx, float amount) {
    Event& e = ctx.scenario.events[idx];
    RunState& st = ctx.state;
    if (e.useSmartWithdrawal != 0 && st.badYear == 1) {
        const float unreduced = amount;
        const float worth = st.investmentTotal + st.taxFreeTotal + st.retirementTotal +
                            st.equityTotal + st.assetTotal + st.mortgagePrincipalThisYear -
                            st.liabilities;
        if (worth < 13.0 * amount) {
            if (st.badYearRun < 2)
                amount = ctx.held(amount - amount * 2.66 * st.rateShortfall * 0.01);
            else
                amount = amount - amount * 2.66 * 15.0 * 0.01;
        }
        if (amount < e.minSmartWithdrawal) amount = e.minSmartWithdrawal;
        if (amount > unreduced) amount = unreduced;
    }
    st.add(st.tallies.withdrawals, amount);
    if (ctx.emitting()) withdrawLine(ctx, idx, amount);
    drawDown(ctx, 0, idx, amount, true);
}

// The year of a Deposit, Withdrawal or Transfer.
[[gnu::noinline]] void timedYear(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    float amount = 0;
    if (!timedAmount(ctx, e, amount)) return;
    if (e.is(EventKind::Deposit)) return deposit(ctx, idx, amount);
    if (e.is(EventKind::Withdrawal)) return withdraw(ctx, idx, amount);
    transferBetweenAccounts(ctx, idx, amount);
}

// The year of an active event, ending in a tail call: the visits of a year (most of
// them to loans) need no stack frame here.
void activeYear(RunContext& ctx, int idx) {
    switch (ctx.scenario.events[idx].eventKind()) {
    case EventKind::Deposit:
    case EventKind::Withdrawal:
    case EventKind::Transfer:
        return timedYear(ctx, idx);
    case EventKind::Loan:
    case EventKind::Mortgage:
        return processLoanYear(ctx, idx);
    default:
        break;
    }
}

// An event not active when its visit began: it starts if its age has come.
[[gnu::noinline]] bool startIfDue(RunContext& ctx, int idx) {
    Event& e = ctx.scenario.events[idx];
    const bool starts = e.state() == EventState::NotStarted && e.startAge <= ctx.state.currentAge;
    if (!starts) return false;
    startEvent(ctx, idx);
    if (e.state() == EventState::Active) activeYear(ctx, idx);
    return true;
}

} // namespace

bool processEvent(RunContext& ctx, int idx) {
    if (idx < 0 || idx >= kMaxEvents) return false;
    if (ctx.scenario.events[idx].state() != EventState::Active) return startIfDue(ctx, idx);
    activeYear(ctx, idx);
    return true;
}

} // namespace finplan
