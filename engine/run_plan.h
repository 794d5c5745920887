// What a run needs to know about its scenario that stays the same for the whole run:
// the account lookups, the groups that draw random rates, the loans and their monthly
// payments. A run works it out once its events and accounts are in run order; a
// many-trial analysis works it out once and hands it to every trial.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "engine/loan_maths.h"
#include "engine/rate_range.h"
#include "model/scenario.h"

namespace finplan {

// A run lists at most 120 years; a longer loan's later years are left to the run.
inline constexpr int kMaxPlannedLoanYears = 120;

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
    // Each account's and each group's random-rate range, ready to draw (accounts by
    // index in run order).
    std::array<RateRange, kMaxAccounts> accountRanges{};
    std::array<RateRange, kMaxGroups> groupRanges{};
    // By account index: whether its random range is not 0 to 0 (it draws a rate every
    // year when the accounts draw their own).
    std::array<bool, kMaxAccounts> accountRanged{};
    // The events by start age, then run order, for the years that wait for them
    // (EventSchedule); an event whose start age is no number never starts.
    int byStartAgeCount = 0;
    std::array<int16_t, kMaxEvents> byStartAge{};

    // Loans and mortgages, in run order, and each one's monthly payment from its terms.
    int loanCount = 0;
    std::array<int16_t, kMaxEvents> loans{};
    std::array<float, kMaxEvents> loanPayments{}; // by event index
    // And each one's whole start age, from which its property taxes grow.
    std::array<int, kMaxEvents> loanWholeStartAges{}; // by event index

    // Each loan's years of instalments, worked out once: they follow from its terms
    // alone (every trial pays the same), for the extra payment of each stretch of the
    // loan (none, or the accelerated payment).
    struct Instalments {
        int start = 0; // in instalmentYears
        int years = 0;
        float extra[2] = {0, 0};
        int extraFrom = 0;
        int variants = 0;
    };
    std::array<Instalments, kMaxEvents> instalments{}; // by event index
    std::vector<AmortisedYear> instalmentYears;

    // The instalment year of a loan whose months run from monthsElapsed, with its first
    // extra payment (its terms' own, or none before the plan's start age); nullptr when
    // it was not worked out. A loan whose terms' payment holds all along (accelerated
    // mode 0 or 1) asks only this: it was worked out with exactly that payment. Inline:
    // every loan asks once a year.
    const AmortisedYear* firstInstalment(int event, int monthsElapsed) const {
        if (static_cast<unsigned>(event) >= static_cast<unsigned>(kMaxEvents)) return nullptr;
        const Instalments& in = instalments[static_cast<std::size_t>(event)];
        // Unsigned: a negative count of months is beyond every table.
        const unsigned months = static_cast<unsigned>(monthsElapsed);
        const unsigned year = months / 12;
        if (year * 12 != months || year >= static_cast<unsigned>(in.years)) return nullptr;
        return instalmentYears.data() + static_cast<std::size_t>(in.start) + year;
    }

    // The same with that extra payment from month extraFrom.
    const AmortisedYear* instalment(int event, int monthsElapsed, float extra,
                                    int extraFrom) const {
        const AmortisedYear* first = firstInstalment(event, monthsElapsed);
        if (first == nullptr) return nullptr;
        const Instalments& in = instalments[static_cast<std::size_t>(event)];
        if (extraFrom != in.extraFrom) return nullptr;
        // Bitwise: the table holds exactly the payments it was worked out with. Every
        // loan with planned years has those of its first extra payment.
        const uint32_t bits = std::bit_cast<uint32_t>(extra);
        if (std::bit_cast<uint32_t>(in.extra[0]) == bits) return first;
        if (in.variants < 2 || std::bit_cast<uint32_t>(in.extra[1]) != bits) return nullptr;
        return first + in.years;
    }

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
