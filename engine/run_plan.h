// What a run needs to know about its scenario that stays the same for the whole run:
// the account lookups, the groups that draw random rates, the loans and their monthly
// payments. A run works it out once its events and accounts are in run order; a
// many-trial analysis works it out once and hands it to every trial.
#pragma once

#include <array>
#include <cstdint>

#include "model/scenario.h"

namespace finplan {

struct RunPlan {
    // Accounts, in run (access) order.
    int accountCount = 0;
    std::array<int, kMaxAccounts> ids{};
    std::array<int8_t, 256> smallIds{}; // index + 1 of accounts with ids < 256
    int savingsCount = 0;
    std::array<int, kMaxAccounts> savings{};         // indices of the savings accounts
    std::array<int, kMaxAccounts> savingsPosition{}; // by account index; -1 not savings
    int firstInvestment = -1;

    // Groups whose random range is not 0 to 0 (they draw a rate every year).
    int rangedGroupCount = 0;
    std::array<int8_t, kMaxGroups> rangedGroups{};

    // Loans and mortgages, in run order, and each one's monthly payment from its terms.
    int loanCount = 0;
    std::array<int16_t, kMaxEvents> loans{};
    std::array<float, kMaxEvents> loanPayments{}; // by event index

    // Index of the account with that id, or -1.
    int accountIndex(int id) const {
        if (id >= 0 && id < 256) return smallIds[id] - 1;
        for (int i = 0; i < accountCount; ++i)
            if (ids[i] == id) return i;
        return -1;
    }
};

// Works the plan out from a scenario whose events and accounts are in run order.
void planRun(const Scenario& s, RunPlan& plan);

// True when group g draws random rates.
bool groupHasRange(const Scenario& s, int g);

} // namespace finplan
