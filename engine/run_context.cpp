#include "engine/run_context.h"

#include <cstring>

#include "model/scenario_ops.h"

namespace finplan {

int RunContext::accountCount() const {
    const int n = scenario.accounts.accountCount;
    return (n < 0 || n > kMaxAccounts) ? 0 : n;  // a damaged count means no accounts
}

int RunContext::accountIndex(int id) const {
    if (accountCount() == 0) return -1;
    const int i = findAccountIndex(scenario, id);
    return (i >= 0 && i < accountCount()) ? i : -1;
}

std::string accountName(const Account& a) {
    return std::string(a.name, strnlen(a.name, sizeof a.name));
}

std::string eventDescription(const Event& e) {
    return std::string(e.description, strnlen(e.description, sizeof e.description));
}

}  // namespace finplan
