#include "engine/run_state.h"

namespace finplan {

void YearTallies::resetPerYear() {
    totalIncoming = deposits = taxableIncome = nonTaxableIncome = loans = 0;
    equitySales = appreciation = depreciation = withdrawals = interestPaid = 0;
    taxes = penalties = 0;
}

float* RunState::typeTotal(int type) {
    switch (type) {
    case 0:
        return &assetTotal;
    case 1:
        return &equityTotal;
    case 2:
        return &investmentTotal;
    case 3:
        return &retirementTotal;
    case 4:
        return &taxFreeTotal;
    default:
        return nullptr;
    }
}

} // namespace finplan
