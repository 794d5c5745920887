#include "engine/run_state.h"

namespace finplan {

void YearTallies::resetPerYear() {
    totalIncoming = deposits = taxableIncome = nonTaxableIncome = loans = 0;
    equitySales = appreciation = depreciation = withdrawals = interestPaid = 0;
    taxes = penalties = 0;
}

float* RunState::typeTotal(AccountType type) {
    switch (type) {
    case AccountType::Asset:
        return &assetTotal;
    case AccountType::Equity:
        return &equityTotal;
    case AccountType::InvestmentSavings:
        return &investmentTotal;
    case AccountType::RetirementSavings:
        return &retirementTotal;
    case AccountType::TaxFreeSavings:
        return &taxFreeTotal;
    default:
        return nullptr;
    }
}

} // namespace finplan
