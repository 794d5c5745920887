#include "engine/plot_rows.h"

#include <cmath>

namespace finplan {

namespace {

// The fields in series order; PlotRow is 20 floats laid out in that order.
float PlotRow::*const kFields[kPlotFieldCount] = {&PlotRow::age,
                                                  &PlotRow::investmentSavings,
                                                  &PlotRow::taxFreeSavings,
                                                  &PlotRow::retirementSavings,
                                                  &PlotRow::assets,
                                                  &PlotRow::equity,
                                                  &PlotRow::netWorth,
                                                  &PlotRow::totalIncoming,
                                                  &PlotRow::deposits,
                                                  &PlotRow::taxableIncome,
                                                  &PlotRow::nonTaxableIncome,
                                                  &PlotRow::totalOutgoing,
                                                  &PlotRow::withdrawals,
                                                  &PlotRow::taxes,
                                                  &PlotRow::interestPaid,
                                                  &PlotRow::penalties,
                                                  &PlotRow::loans,
                                                  &PlotRow::incomeFromEquity,
                                                  &PlotRow::incomeFromAssets,
                                                  &PlotRow::otherOutgoing};

} // namespace

float PlotRow::field(int series) const {
    if (series < 0 || series >= kPlotFieldCount) return 0;
    return this->*kFields[series];
}

void PlotRow::setField(int series, float value) {
    if (series < 0 || series >= kPlotFieldCount) return;
    this->*kFields[series] = value;
}

void writeRowStart(RunContext& ctx) {
    RunState& st = ctx.state;
    const Scenario& s = ctx.scenario;
    const int n = ctx.accountCount();
    float balances[kMaxAccounts];
    float assets = 0;
    for (int i = 0; i < n; ++i) {
        const Account& a = s.accounts.accounts[i];
        balances[i] = a.balance;
        if (a.is(AccountType::Asset)) assets += a.balance;
    }
    PlotRow& row = st.row;
    row = PlotRow{};
    row.age = st.currentAge;
    row.investmentSavings = st.investmentTotal;
    row.taxFreeSavings = st.taxFreeTotal;
    row.retirementSavings = st.retirementTotal;
    row.assets = heldAmount(assets);
    row.equity = st.equityTotal;
    row.netWorth = st.netWorth();
    const float writtenAge =
        (st.plotRowIndex == 0 && s.initial.useBirthday == 1) ? s.initial.startAge : st.currentAge;
    if (ctx.plot != nullptr) ctx.plot->rowStart(st.plotRowIndex, row, balances, n, writtenAge);
    if (ctx.tabExport != nullptr) ctx.tabExport->row(st.currentAge, s, st.equityTotal);
}

void writeRowEnd(RunContext& ctx) {
    RunState& st = ctx.state;
    const YearTallies& t = st.tallies;
    PlotRow& row = st.row;
    row.totalIncoming = t.totalIncoming;
    row.deposits = t.deposits;
    row.taxableIncome = t.taxableIncome;
    row.nonTaxableIncome = t.nonTaxableIncome;
    row.withdrawals = t.withdrawals;
    row.taxes = t.taxes;
    row.interestPaid = t.interestPaid;
    row.penalties = t.penalties;
    row.loans = t.loans;
    row.incomeFromEquity = t.equitySales;
    row.incomeFromAssets = t.appreciation;
    const float depreciation = std::fabs(t.depreciation);
    row.otherOutgoing = heldAmount(depreciation + t.closingCosts);
    float outgoing = t.withdrawals + t.taxes;
    outgoing = outgoing + t.interestPaid;
    outgoing = outgoing + t.penalties;
    float written = outgoing + depreciation;
    outgoing = outgoing + row.otherOutgoing;
    row.totalOutgoing = heldAmount(outgoing);
    written = heldAmount(written);
    if (st.startNetWorth > 0) written = row.totalOutgoing;
    if (ctx.plot != nullptr) ctx.plot->rowEnd(st.plotRowIndex, row, written);
}

} // namespace finplan
