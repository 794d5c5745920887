// Headless AccountCompleter: answers OK or Cancel from a script (OK when the script
// runs out) and remembers the name of each account it was offered.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/tab_import.h"

namespace finplan {

class ScriptedAccountCompleter : public AccountCompleter {
  public:
    bool complete(Scenario& s, int slot) override {
        offered.emplace_back(fieldText(s.accounts.accounts[slot].name));
        const bool ok = answers.empty() || answers.front();
        if (!answers.empty()) answers.pop_front();
        if (ok) accept_.complete(s, slot);
        return ok;
    }

    std::deque<bool> answers; // true = OK
    std::vector<std::string> offered;

  private:
    AcceptDefaultsCompleter accept_;
};

} // namespace finplan
