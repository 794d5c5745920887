#include "engine/run_plan.h"

#include "engine/money.h"

namespace finplan {

bool groupHasRange(const Scenario& s, int g) {
    return s.groups.exists(g) &&
           (s.groups.groupRandomMinRate[g] != 0 || s.groups.groupRandomMaxRate[g] != 0);
}

namespace {

void planAccounts(const Scenario& s, RunPlan& plan) {
    const int n = s.accounts.usableCount();
    plan.accountCount = n;
    plan.savingsCount = 0;
    plan.firstInvestment = -1;
    plan.savingsPosition.fill(-1);
    plan.smallIds.fill(0);
    for (int i = n - 1; i >= 0; --i) { // backwards, so the first of equal ids wins
        const int id = static_cast<int>(s.accounts.accounts[i].id);
        if (id < 256) plan.smallIds[id] = static_cast<int8_t>(i + 1);
    }
    for (int i = 0; i < n; ++i) {
        const Account& a = s.accounts.accounts[i];
        plan.ids[i] = static_cast<int>(a.id); // ids compare as unsigned 16-bit values
        if (isSavings(a)) {
            plan.savingsPosition[i] = plan.savingsCount;
            plan.savings[plan.savingsCount++] = i;
        }
        if (a.is(AccountType::InvestmentSavings) && plan.firstInvestment < 0)
            plan.firstInvestment = i;
    }
}

} // namespace

void planRun(const Scenario& s, RunPlan& plan) {
    planAccounts(s, plan);
    plan.rangedGroupCount = 0;
    for (int g = 0; g < kMaxGroups; ++g)
        if (groupHasRange(s, g))
            plan.rangedGroups[plan.rangedGroupCount++] = static_cast<int8_t>(g);
    plan.loanCount = 0;
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k) {
        const Event& e = s.events[k];
        if (!isLoanOrMortgage(e)) continue;
        plan.loans[plan.loanCount++] = static_cast<int16_t>(k);
        // A run does not change a loan's terms, so its payment is the same every time
        // the loan starts.
        plan.loanPayments[k] =
            loanPayment(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12);
    }
}

} // namespace finplan
