// The account commands that change the scenario: Add and Edit through Account
// Information, Delete, the Groups dialog and the completion step of the tab import.
// Each change that happens goes on the undo stack under its name.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "model/scenario_session.h"
#include "model/tab_import.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/account_info_presenter.h"
#include "shell/logic/dialog_presenter.h"
#include "shell/logic/undo_stack.h"

namespace finplan {

class AccountEditing {
  public:
    // The dialogs open through `host`.
    AccountEditing(ScenarioSession& session, Messages& messages, Help& help, DialogHost& host,
                   UndoStack& undo);
    ~AccountEditing();

    // Add (103): false, with the warning, when the table is full; else the next
    // Account Information opens for a new account.
    bool requestAdd();
    // Edit (104) or a double-click: the next Account Information edits that row.
    bool requestEdit(int row);
    // Command 200: Account Information in the mode asked for; true after OK.
    bool openAccountInfo();
    // Edit ▸ Group Names; true after OK.
    bool editGroups();
    // Delete (106): refused with messages while an event needs the account.
    bool deleteRow(int row);

    // The import's completion step: Account Information for the account it filled.
    AccountCompleter& importCompleter();
    // Runs an import (or another change made elsewhere) and records it under that name
    // when it changed something; returns what the change returned.
    bool recorded(const std::string& name, const std::function<bool()>& change);

  private:
    class DialogCompleter;

    ScenarioSession& session_;
    Scenario& scenario_;
    Messages& messages_;
    Help& help_;
    DialogHost& host_;
    UndoStack& undo_;
    std::unique_ptr<DialogCompleter> completer_;
    AccountDialogMode mode_ = AccountDialogMode::Add;
    int selected_ = 0;
};

} // namespace finplan
