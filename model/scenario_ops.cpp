// New-scenario defaults, derived totals and the account type names.
#include "model/scenario_ops.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace finplan {

namespace {

void resetAccountSlot(Account& a) {
    // rateStatSum and reservedE are deliberately left as they are.
    std::memset(a.name, 0, sizeof a.name);
    std::memset(a.accessOrder, 0, sizeof a.accessOrder);
    a.accessOrder[0] = ' ';
    a.balance = a.currentRate = a.initialAmount = a.rate = 0.0f;
    a.randomMinRate = a.randomMaxRate = a.rateStatMin = a.rateStatMax = 0.0f;
    a.type = 0;
    a.id = 0;
    a.penaltyFlag = 0;
    a.rateStatCount = 0;
    a.groupIndex = 0;
}

// a + b, held at the largest float where the sum would go beyond it: the totals are
// saved with the scenario, and a file must never hold a total it could not be opened
// with again (two accounts near the largest amount would otherwise sum to infinity).
float sumWithinRange(float a, float b) {
    const float sum = a + b;
    return std::isinf(sum) ? std::copysign(std::numeric_limits<float>::max(), sum) : sum;
}

} // namespace

void resetScenario(Scenario& s) {
    InitialValues& iv = s.initial;
    iv.startAge = 30.0f;
    iv.endAge = 84.0f;
    iv.reserved1 = 0.0f;
    iv.initialInvestmentSavings = iv.initialTaxFreeSavings = iv.initialRetirementSavings = 0.0f;
    iv.initialEquity = iv.initialAssets = 0.0f;
    iv.inflationRate = 4.0f;
    iv.avgEquityAppreciationRate = iv.avgAssetDepreciationRate = 0.0f;
    iv.taxRate = 15.0f;
    iv.reserved2 = 3.0f;
    iv.avgInvestmentSavingsRate = 9.0f;
    iv.avgTaxFreeSavingsRate = 6.0f;
    iv.avgRetirementSavingsRate = 9.0f;
    iv.penaltyAge = 59.0f;
    iv.penaltyRate = 10.0f;
    // useBirthday, birthMonth and birthDay survive a New.

    for (Account& a : s.accounts.accounts)
        resetAccountSlot(a);
    s.accounts.accountCount = 0;
    s.accounts.nextAccountId = 0;

    // Group rate bounds survive a New; only the names go.
    std::memset(s.groups.groupName, 0, sizeof s.groups.groupName);

    // An empty event is all zero bytes (the records tests hold it to that), and one
    // clear of the table costs far less than a fresh event per slot: every file read
    // starts here.
    std::memset(static_cast<void*>(s.events), 0, sizeof s.events);
}

void recomputeTotals(Scenario& s) {
    InitialValues& iv = s.initial;
    iv.reserved1 = iv.reserved2 = 0.0f;
    float total[kAccountTypeCount] = {};
    float rateSum[kAccountTypeCount] = {};
    int count[kAccountTypeCount] = {};

    const int n = s.accounts.usableCount();
    for (int i = 0; i < n; ++i) {
        Account& a = s.accounts.accounts[i];
        a.balance = a.initialAmount;
        a.currentRate = a.rate;
        if (a.type < 0 || a.type >= kAccountTypeCount) continue;
        total[a.type] = sumWithinRange(total[a.type], a.initialAmount);
        rateSum[a.type] = sumWithinRange(rateSum[a.type], a.rate);
        ++count[a.type];
    }
    auto avg = [&](AccountType t) {
        const int k = static_cast<int>(t);
        return count[k] ? rateSum[k] / static_cast<float>(count[k]) : 0.0f;
    };
    auto sum = [&](AccountType t) { return total[static_cast<int>(t)]; };

    iv.initialInvestmentSavings = sum(AccountType::InvestmentSavings);
    iv.initialTaxFreeSavings = sum(AccountType::TaxFreeSavings);
    iv.initialRetirementSavings = sum(AccountType::RetirementSavings);
    iv.initialEquity = sum(AccountType::Equity);
    iv.initialAssets = sum(AccountType::Asset);
    iv.avgInvestmentSavingsRate = avg(AccountType::InvestmentSavings);
    iv.avgTaxFreeSavingsRate = avg(AccountType::TaxFreeSavings);
    iv.avgRetirementSavingsRate = avg(AccountType::RetirementSavings);
    iv.avgAssetDepreciationRate = avg(AccountType::Asset);
    iv.avgEquityAppreciationRate = avg(AccountType::Equity);
}

const char* accountTypeName(int type) {
    static const char* const kNames[kAccountTypeCount] = {
        "Asset             ", "Equity            ", "Investment Savings", "Retirement Savings",
        "Tax Free Savings  "};
    if (type < 0 || type >= kAccountTypeCount) return "                  ";
    return kNames[type];
}

const char* eventKindName(int kind) {
    static const char* const kNames[] = {"",         "Fundamentals", "Deposit",   "Loan",
                                         "Mortgage", "Transfer",     "Withdrawal"};
    if (kind < 1 || kind > 6) return "";
    return kNames[kind];
}

} // namespace finplan
