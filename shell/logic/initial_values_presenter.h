// "Initial Data": ages, birthday and its rule, tax, inflation and penalty settings,
// with the account totals shown read-only. Works on a copy of the initial values and
// stores them only when OK passes every check, except what the birthday rule changes:
// the start age it adjusts, the "Use Birthday" box and a birth month and day that
// passed their check are kept at once, also when the dialog is cancelled.
#pragma once

#include "model/scenario.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

class InitialValuesPresenter : public DialogPresenter {
  public:
    InitialValuesPresenter(Scenario& scenario, Messages& messages, Help& help, const Clock& clock);
    Press press(int button) override;
    void toggle(int id) override;

    static constexpr int kOk = 110, kCancel = 111, kHelp = 112;
    static constexpr int kStartAge = 101, kEndAge = 113, kBirthMonth = 131, kBirthDay = 132,
                         kUseBirthday = 133, kTaxRate = 107, kInflationRate = 108,
                         kPenaltyAge = 115, kPenaltyRate = 116;

  private:
    bool readBirthday();
    bool readFields();
    void applyBirthdayRule();
    void keepBirthday(); // what the rule changed goes into the scenario at once

    Scenario& scenario;
    Messages& messages;
    Help& help;
    const Clock& clock;
    InitialValues values;    // what OK stores
    InitialValues atOpening; // before the rule changed anything
    bool staleOnOpening;     // Cancel leaves the results as stale as they were
};

} // namespace finplan
