#include "engine/run_plan.h"

#include <algorithm>
#include <cmath>

#include "engine/loan_amortiser.h"
#include "engine/loan_maths.h"
#include "model/whole_number.h"

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

// Every year of each loan, run once with each extra payment the loan can have (what
// the loan year of a run works out, see payInstalment).
void planInstalments(const Scenario& s, RunPlan& plan) {
    plan.instalmentYears.clear();
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k) {
        const Event& e = s.events[k];
        RunPlan::Instalments& in = plan.instalments[k];
        in = RunPlan::Instalments{};
        if (!isLoanOrMortgage(e)) continue;
        in.years = std::clamp(static_cast<int>(e.years), 0, kMaxPlannedLoanYears);
        in.start = static_cast<int>(plan.instalmentYears.size());
        in.extraFrom = 0;
        if (e.acceleratedMode == 2) {
            const int offset = (wholeNumber(s.initial.startAge) - wholeNumber(e.startAge)) * 12;
            in.extraFrom = offset > 0 ? offset : 0;
            in.extra[in.variants++] = 0;
            in.extra[in.variants++] = e.acceleratedPayment;
        } else {
            in.extra[in.variants++] = e.acceleratedMode == 1 ? e.acceleratedPayment : 0.0f;
        }
        const float p = e.amount - e.downPayment;
        const float r = monthlyRate(e.loanRate);
        for (int v = 0; v < in.variants; ++v) {
            LoanAmortiser amortiser;
            for (int y = 0; y < in.years; ++y)
                plan.instalmentYears.push_back(amortiser.year(p, r, e.years * 12, y * 12,
                                                              y * 12 + 11, in.extra[v],
                                                              in.extraFrom, plan.loanPayments[k]));
        }
    }
}

} // namespace

namespace {

void planStartAges(const Scenario& s, RunPlan& plan) {
    plan.byStartAgeCount = 0;
    const int n = s.usedEventCount();
    for (int k = 0; k < n; ++k)
        if (!std::isnan(s.events[k].startAge))
            plan.byStartAge[plan.byStartAgeCount++] = static_cast<int16_t>(k);
    std::sort(plan.byStartAge.begin(), plan.byStartAge.begin() + plan.byStartAgeCount,
              [&s](int16_t a, int16_t b) {
                  const float x = s.events[a].startAge;
                  const float y = s.events[b].startAge;
                  return x < y || (x == y && a < b);
              });
}

} // namespace

void planRun(const Scenario& s, RunPlan& plan) {
    planAccounts(s, plan);
    plan.rangedGroupCount = 0;
    for (int g = 0; g < kMaxGroups; ++g) {
        if (groupHasRange(s, g))
            plan.rangedGroups[plan.rangedGroupCount++] = static_cast<int8_t>(g);
        plan.groupRanges[g] =
            RateRange(s.groups.groupRandomMinRate[g], s.groups.groupRandomMaxRate[g]);
    }
    plan.accountRanged.fill(false);
    for (int i = 0; i < plan.accountCount; ++i) {
        const Account& a = s.accounts.accounts[i];
        plan.accountRanges[i] = RateRange(a.randomMinRate, a.randomMaxRate);
        plan.accountRanged[i] = !(a.randomMinRate == 0 && a.randomMaxRate == 0);
    }
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
        plan.loanWholeStartAges[k] = wholeNumber(e.startAge);
    }
    planInstalments(s, plan);
    planStartAges(s, plan);
}

} // namespace finplan
