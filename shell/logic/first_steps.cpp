#include "shell/logic/first_steps.h"

namespace finplan {

std::vector<std::string> firstStepsText(int accountCount, int eventCount) {
    std::string missing;
    if (accountCount <= 0 && eventCount <= 0)
        missing = "This plan has no accounts and no events yet.";
    else if (accountCount <= 0)
        missing = "This plan has no accounts yet.";
    else
        missing = "This plan has no events yet.";
    return {missing,
            "",
            "1. Edit > Initial Values: the ages, taxes and inflation of the plan.",
            "2. The Accounts folder: Add each account with its balance and rate.",
            "3. Edit > Add Event To Scenario: withdrawals, deposits, loans and the rest.",
            "",
            "The graphs appear here once the plan has an account and an event."};
}

} // namespace finplan
