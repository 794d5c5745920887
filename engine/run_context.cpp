#include "engine/run_context.h"

#include <cstring>

#include "model/scenario_ops.h"

namespace finplan {

int RunContext::accountCount() const {
    return scenario.accounts.usableCount();
}

int RunContext::accountIndex(int id) const {
    if (indexed) {
        if (id >= 0 && id < 256) return smallIds[id] - 1;
        for (int i = 0; i < idCount; ++i)
            if (ids[i] == id) return i;
        return -1;
    }
    if (accountCount() == 0) return -1;
    const int i = findAccountIndex(scenario, id);
    return (i >= 0 && i < accountCount()) ? i : -1;
}

void RunContext::indexAccounts() {
    const int n = accountCount();
    idCount = n;
    savingsCount = 0;
    firstInvestment = -1;
    savingsHint = 0;
    savingsPosition.fill(-1);
    smallIds.fill(0);
    for (int i = n - 1; i >= 0; --i) { // backwards, so the first of equal ids wins
        const int id = static_cast<int>(scenario.accounts.accounts[i].id);
        if (id < 256) smallIds[id] = static_cast<int8_t>(i + 1);
    }
    for (int i = 0; i < n; ++i) {
        const Account& a = scenario.accounts.accounts[i];
        ids[i] = static_cast<int>(a.id); // ids compare as unsigned 16-bit values
        if (isSavings(a)) {
            savingsPosition[i] = savingsCount;
            savings[savingsCount++] = i;
        }
        if (a.is(AccountType::InvestmentSavings) && firstInvestment < 0) firstInvestment = i;
    }
    indexed = true;
}

std::string accountName(const Account& a) {
    return std::string(a.name, strnlen(a.name, sizeof a.name));
}

std::string eventDescription(const Event& e) {
    return std::string(e.description, strnlen(e.description, sizeof e.description));
}

std::string groupName(const Scenario& s, int g) {
    return std::string(s.groups.groupName[g], strnlen(s.groups.groupName[g], kGroupNameWidth));
}

} // namespace finplan
