// A scripted stand-in for the window that shows dialogs: each dialog it is asked to
// show runs the next script, which types into the presenter and presses buttons.
#pragma once

#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/scenario_ops.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

class ScriptedHost : public DialogHost {
  public:
    using Script = std::function<Press(DialogPresenter&)>;
    bool runDialog(DialogPresenter& d) override {
        titles.push_back(d.title());
        if (scripts.empty()) return d.press(d.cancelButton()) == Press::Accept;
        Script s = scripts.front();
        scripts.pop_front();
        return s(d) == Press::Accept;
    }
    bool openCalculator(const CalculatorRequest& r) override {
        requests.push_back(r);
        return calculatorsAvailable;
    }
    std::deque<Script> scripts;
    std::vector<std::string> titles;
    std::vector<CalculatorRequest> requests;
    bool calculatorsAvailable = false;
};

using Texts = std::map<ControlId, std::string>;

// Types the texts, presses `button`; a dialog that stays open is then cancelled.
inline Press typeAndPress(DialogPresenter& d, const Texts& texts, ControlId button) {
    for (const auto& [id, text] : texts)
        d.text(id) = text;
    Press r = d.press(button);
    if (r == Press::Stay) r = d.press(d.cancelButton());
    return r;
}

inline ScriptedHost::Script typing(Texts texts, ControlId button) {
    return [texts, button](DialogPresenter& d) { return typeAndPress(d, texts, button); };
}

// The six texts of Account Information, in the order the dialog shows them.
struct AccountTexts {
    std::string name, initialAmount, rate, randomMinRate, randomMaxRate, accessOrder;
};
inline void typeAccount(DialogPresenter& p, const AccountTexts& t) {
    using F = AccountInfoField;
    p.text(F::Name) = t.name;
    p.text(F::InitialAmount) = t.initialAmount;
    p.text(F::Rate) = t.rate;
    p.text(F::RandomMinimumRate) = t.randomMinRate;
    p.text(F::RandomMaximumRate) = t.randomMaxRate;
    p.text(F::AccessOrder) = t.accessOrder;
}

// One row (0..9) of the Groups dialog.
struct GroupTexts {
    std::string name, minRate, maxRate;
};
inline void typeGroup(DialogPresenter& g, int row, const GroupTexts& t) {
    g.text(groupNameField(row)) = t.name;
    g.text(groupMinimumField(row)) = t.minRate;
    g.text(groupMaximumField(row)) = t.maxRate;
}

inline std::unique_ptr<Scenario> emptyScenario() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    return s;
}

inline void addAccount(Scenario& s, const char* name, float rate) {
    Account& a = s.accounts.accounts[s.accounts.accountCount];
    std::strncpy(a.name, name, kAccountNameWidth - 1);
    a.rate = rate;
    a.currentRate = rate;
    assignAccountId(s);
}

} // namespace finplan
