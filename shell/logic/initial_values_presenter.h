// "Initial Data": ages, birthday and its rule, tax, inflation and penalty settings,
// with the account totals shown read-only. Works on a copy of the initial values and
// stores them only when OK passes every check, except what the birthday rule changes:
// the start age it adjusts, the "Use Birthday" box and a birth month and day that
// passed their check are kept at once, also when the dialog is cancelled.
#pragma once

#include "model/scenario_session.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

class InitialValuesPresenter : public DialogPresenter {
  public:
    InitialValuesPresenter(ScenarioSession& session, Messages& messages, Help& help,
                           const Clock& clock_);
    Press press(ControlId button) override;
    void toggle(ControlId id) override;

  private:
    bool readBirthday();
    bool readFields();
    void applyBirthdayRule();
    void keepBirthday(); // what the rule changed goes into the scenario at once

    ScenarioSession& session_;
    Scenario& scenario_;
    Messages& messages_;
    Help& help_;
    const Clock& clock_;
    InitialValues values_;    // what OK stores
    InitialValues atOpening_; // before the rule changed anything
};

} // namespace finplan
