#include "engine/year_end.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "engine/amount_checkpoint.h"
#include "engine/draw_down.h"
#include "engine/event_processing.h"
#include "engine/plot_rows.h"
#include "model/whole_number.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

struct SignalSums {
    int n = 0;
    float drawn = 0;
    float own = 0;
};

void creditAccount(RunContext& ctx, Account& acc, float q) {
    RunState& st = ctx.state;
    YearTallies& t = st.tallies;
    const float b = acc.balance;
    const float f = st.yearFraction;
    switch (acc.accountType()) {
    case AccountType::InvestmentSavings: {
        const float i = ctx.held(b * q * 0.01 * f);
        // Tax only on a gain. A random year's sign cannot be foreseen, so instead of a
        // branch a loss adds a tax of 0 (to tallies that are never -0: the same sums).
        const float tax = ctx.held(i > 0 ? i * st.taxRateInEffect * 0.01 : 0.0);
        st.add(t.taxOnSavingsInterest, tax);
        st.add(t.taxes, tax);
        acc.balance = ctx.held(acc.balance + i);
        st.add(st.investmentTotal, i);
        st.add(t.totalIncoming, i);
        st.add(t.taxableIncome, i);
        break;
    }
    case AccountType::TaxFreeSavings:
    case AccountType::RetirementSavings: {
        const float i = ctx.held(b * q * 0.01 * f);
        acc.balance = ctx.held(acc.balance + i);
        st.add(*st.typeTotal(acc.accountType()), i);
        st.add(t.totalIncoming, i);
        st.add(t.nonTaxableIncome, i);
        break;
    }
    case AccountType::Asset:
    case AccountType::Equity: {
        const float g = ctx.held(b * q * 0.01 * f);
        // Selected, not branched on, as the tax on interest above: a growth adds 0 to the
        // depreciation, a loss 0 to the appreciation and the incoming total.
        const float growth = q > 0 ? g : 0.0f;
        st.add(t.appreciation, growth);
        st.add(t.totalIncoming, growth);
        st.add(t.depreciation, q < 0 ? g : 0.0f);
        st.add(*st.typeTotal(acc.accountType()), g);
        acc.balance = ctx.held((q * 0.01 * f + 1) * b);
        break;
    }
    default:
        break;
    }
}

// How the accounts find this year's rates, worked out once at the year end.
struct YearRates {
    const float* market = nullptr; // this year's market group rates, or nullptr
    // Group rates drawn at random or taken from market history this year (the same
    // path, so the rate statistics and the smart-withdrawal signal see both).
    bool byGroup = false;
    bool byAccount = false; // each account draws its own rate
    // With byGroup: whether group g has a rate of the year in groupDrawnRate.
    std::array<bool, kMaxGroups> drawn{};
};

YearRates yearRates(const RunContext& ctx) {
    YearRates rates;
    rates.market = ctx.marketGroupRates();
    rates.byGroup =
        (ctx.flags.randomGroupRates && !ctx.flags.randomAccountRates) || rates.market != nullptr;
    rates.byAccount = ctx.flags.randomAccountRates;
    if (rates.byGroup)
        for (int g = 0; g < kMaxGroups; ++g)
            rates.drawn[g] = rates.market != nullptr
                                 ? ctx.scenario.groups.exists(g) && ctx.market->follows[g]
                                 : groupHasRange(ctx.scenario, g);
    return rates;
}

// The rate acc (account i) earns this year: its group's draw, its own draw (counted in
// its rate statistics while it has money) or its current rate when nothing is drawn for
// it. A ranged account draws its own whether it has money or not: the draws keep their
// places in the generator's sequence.
float yearRate(RunContext& ctx, const YearRates& rates, int i, bool& drawn) {
    Account& acc = ctx.scenario.accounts.accounts[i];
    drawn = false;
    if (rates.byGroup) {
        const int g = acc.groupIndex;
        if (g < 0 || g >= kMaxGroups || !rates.drawn[g]) return acc.currentRate;
        drawn = true;
        return ctx.state.groupDrawnRate[g];
    }
    const RunPlan& plan = ctx.runPlan();
    if (!rates.byAccount || !plan.accountRanged[i]) return acc.currentRate;
    const float q = drawRandomRate(ctx, plan.accountRanges[i]);
    drawn = true;
    if (acc.balance > 0) {
        acc.rateStatCount = static_cast<int16_t>(acc.rateStatCount + 1);
        acc.rateStatMin = q < acc.rateStatMin ? q : acc.rateStatMin;
        acc.rateStatMax = q > acc.rateStatMax ? q : acc.rateStatMax;
        acc.rateStatSum += q;
    }
    return q;
}

// The rate lines, apart from the arithmetic: most runs write none.
[[gnu::noinline]] void rateLine(RunContext& ctx, const std::string& name, float q) {
    ctx.emit(formatPercent(format("      %s%s", name.c_str(), " rate="), q), kTagRateLine);
}

[[gnu::noinline]] void ratesInEffectLine(RunContext& ctx, const YearRates& rates) {
    if (rates.byAccount)
        ctx.emit("  Account random interest rates in effect.", kTagDriver);
    else if (rates.byGroup && rates.market == nullptr)
        ctx.emit("  Group random interest rates in effect.", kTagDriver);
}

// A drawn rate of an account with money: its line (a group's once a year), the
// group's statistics and the savings sums of the smart-withdrawal signal.
void noteDrawnRate(RunContext& ctx, const YearRates& rates, const Account& acc, float q,
                   SignalSums& sums) {
    RunState& st = ctx.state;
    const bool details = ctx.view.showDetails;
    const int g = acc.groupIndex;
    if (rates.byGroup) {
        if (!st.groupReported[g]) {
            st.groupReported[g] = true;
            if (details && ctx.emitting()) rateLine(ctx, groupName(ctx.scenario, g), q);
            GroupRateStats& gs = st.groupStats[g];
            gs.count += 1;
            gs.sum += q;
            if (q < gs.min) gs.min = q;
            if (q > gs.max) gs.max = q;
        }
    } else if (details && ctx.emitting()) {
        rateLine(ctx, accountName(acc), q);
    }
    if (isSavings(acc)) {
        sums.n += 1;
        sums.drawn += q;
        sums.own += acc.currentRate;
    }
}

void interestAndGrowth(RunContext& ctx, const YearRates& rates, SignalSums& sums) {
    if (ctx.view.showDetails && ctx.emitting()) ratesInEffectLine(ctx, rates);
    const int n = ctx.accountCount();
    for (int i = 0; i < n; ++i) {
        Account& acc = ctx.scenario.accounts.accounts[i];
        bool drawn = false;
        const float q = yearRate(ctx, rates, i, drawn);
        if (!(acc.balance > 0)) continue;
        if (drawn) noteDrawnRate(ctx, rates, acc, q, sums);
        creditAccount(ctx, acc, q);
        holdAmounts(ctx, AmountSource{-1, i});
    }
}

void growLoanAssets(RunContext& ctx) {
    Scenario& s = ctx.scenario;
    RunState& st = ctx.state;
    const RunPlan& plan = ctx.runPlan();
    for (int i = 0; i < plan.loanCount; ++i) {
        Event& e = s.events[plan.loans[i]];
        if (!(e.startAge <= st.currentAge)) continue;
        if (e.is(EventKind::Loan)) {
            const Account* a = ctx.account(e.toAccountId);
            if (a != nullptr && isAssetOrEquity(*a)) {
                e.assetValue = ctx.held(e.assetValue * (1 + a->currentRate * 0.01));
                holdAmounts(ctx, AmountSource{plan.loans[i], -1});
            }
        } else if (e.is(EventKind::Mortgage)) {
            const float a = e.appreciationRate;
            st.add(st.equityTotal, a * 0.01 * e.assetValue);
            const float g = ctx.held(a * 0.01 * e.assetValue * st.yearFraction);
            if (a > 0) {
                st.add(st.tallies.appreciation, g);
                st.add(st.tallies.totalIncoming, g);
            }
            if (a < 0) st.add(st.tallies.depreciation, g);
            e.assetValue = ctx.held(e.assetValue + g);
            holdAmounts(ctx, AmountSource{plan.loans[i], -1});
        }
    }
}

void smartSignal(RunState& st, const SignalSums& sums) {
    float ownAverage = 0;
    float drawnAverage = 0;
    if (sums.n > 0) {
        ownAverage = sums.own / sums.n;
        drawnAverage = sums.drawn / sums.n;
    }
    // Selected, not branched on: a random year's signal cannot be foreseen.
    const bool bad = ownAverage > drawnAverage;
    st.badYear = bad ? 1 : 0;
    st.rateShortfall = bad ? ownAverage - drawnAverage : 0.0f;
    st.badYearRun = bad ? st.badYearRun + 1 : 0;
}

void payYearEndLine(RunContext& ctx, const char* fmt, float amount) {
    ctx.emit(format(fmt, money13(amount).c_str()), kTagDriver);
}

// Inline, and its line apart: most of these amounts are 0 in most years.
inline void payYearEnd(RunContext& ctx, const char* fmt, float amount, bool withdraw) {
    if (!(amount > 0)) return;
    if (ctx.emitting()) payYearEndLine(ctx, fmt, amount);
    if (withdraw) drawDown(ctx, 0, kTagDriver, amount, false);
}

void summary(RunContext& ctx) {
    const YearTallies& t = ctx.state.tallies;
    auto line = [&](const char* fmt, float v, bool always) {
        if (always || v > 0) ctx.emit(format(fmt, money(v).c_str()), kTagDriver);
    };
    ctx.emit("Summary:", kTagDriver);
    line("    Total Incoming=%s", t.totalIncoming, true);
    line("       Deposits=%s", t.deposits, false);
    line("       Taxable Income=%s", t.taxableIncome, false);
    line("       Non Taxable Income=%s", t.nonTaxableIncome, false);
    line("       Loans=%s", t.loans, false);
    line("       Selling Assets/Property=%s", t.equitySales, false);
    line("       Appreciation=%s", t.appreciation, false);
    const float depreciation = std::fabs(t.depreciation);
    float outgoing = t.withdrawals + t.taxOnSavingsInterest;
    outgoing = outgoing + t.interestPaid;
    outgoing = outgoing + t.penalties;
    outgoing = outgoing + t.propertyTaxes;
    outgoing = outgoing + t.taxesOnWithdrawals;
    outgoing = outgoing + t.closingCosts;
    outgoing = outgoing + depreciation;
    line("    Total Outgoing=%s", heldAmount(outgoing), true);
    line("       Withdrawals=%s", t.withdrawals, false);
    line("       Interest Paid=%s", t.interestPaid, false);
    line("       Taxes on withdrawals=%s", t.taxesOnWithdrawals, false);
    line("       Taxes on savings interest=%s", t.taxOnSavingsInterest, false);
    line("       Property taxes=%s", t.propertyTaxes, false);
    line("       Closing costs=%s", t.closingCosts, false);
    line("       Penalties Paid=%s", t.penalties, false);
    line("       Depreciation=%s", depreciation, false);
}

void accountBlock(RunContext& ctx) {
    ctx.emit("End Of Year Account Summary:", kTagDriver);
    const int n = ctx.accountCount();
    for (int i = 0; i < n; ++i) {
        const Account& a = ctx.scenario.accounts.accounts[i];
        ctx.emit(format("  %s=%-20s", accountName(a).c_str(), money(a.balance).c_str()),
                 kTagDriver);
    }
}

} // namespace

void yearEnd(RunContext& ctx) {
    RunState& st = ctx.state;
    YearTallies& t = st.tallies;
    t.taxOnSavingsInterest = 0;
    t.appreciation = 0;
    t.depreciation = 0;
    st.mortgagePrincipalThisYear = 0;

    const YearRates rates = yearRates(ctx);
    if (rates.byGroup) {
        st.groupReported.fill(false);
        st.groupDrawnRate.fill(-1000.0f);
    }
    // Every ranged group draws, whoever reads the rate: the draws keep their places in
    // the generator's sequence.
    const RunPlan& plan = ctx.runPlan();
    for (int i = 0; i < plan.rangedGroupCount; ++i) {
        const int g = plan.rangedGroups[i];
        st.groupDrawnRate[g] = drawRandomRate(ctx, plan.groupRanges[g]);
    }
    if (rates.market != nullptr)
        for (int g = 0; g < kMaxGroups; ++g)
            if (ctx.market->follows[g]) st.groupDrawnRate[g] = rates.market[g];

    const bool plotted = st.currentAge >= st.plotStartAge;
    SignalSums sums;
    if (plotted) interestAndGrowth(ctx, rates, sums);
    growLoanAssets(ctx);
    if ((ctx.randomMode() || rates.market != nullptr) && plotted) smartSignal(st, sums);
    holdAllAmounts(ctx);

    payYearEnd(ctx, "  Pay %s Tax On Savings Interest", t.taxOnSavingsInterest, true);
    payYearEnd(ctx, "  Withdrawal Taxes = %s", t.taxesOnWithdrawals, true);
    payYearEnd(ctx, "  Deposit Taxes = %s.", t.depositTaxes, false);
    payYearEnd(ctx, "  Penalties Paid = %s", t.penalties, true);
    holdAllAmounts(ctx);

    if (ctx.view.showDetails && ctx.emitting()) summary(ctx);
    if (ctx.view.showAccounts && ctx.emitting()) accountBlock(ctx);
    if (plotted) storeRowEnd(ctx);

    t.taxesOnWithdrawals = 0;
    t.propertyTaxes = 0;
    t.taxOnSavingsInterest = 0;
    t.taxes = 0;
    t.closingCosts = 0;
}

} // namespace finplan
