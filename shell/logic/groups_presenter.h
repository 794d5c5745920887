// The Groups dialog: ten rows of a name and two random-rate bounds. OK checks every row
// before anything is stored, so a refused row or Cancel leaves the scenario as it was.
#pragma once

#include "model/scenario_session.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

class GroupsPresenter : public DialogPresenter {
  public:
    GroupsPresenter(ScenarioSession& session, Messages& messages, Help& help);
    Press press(ControlId button) override;

    // True when every row passed and the groups were stored; else takeRefusedField
    // names the bound the message was about.
    bool ok();

  private:
    ScenarioSession& session_;
    Scenario& scenario_;
    Messages& messages_;
    Help& help_;
};

} // namespace finplan
