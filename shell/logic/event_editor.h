// What the six event editors share: the slot they work on, the common OK / Cancel /
// Help flow, the field checks in table order and the account combo boxes.
//
// An editor works on a copy of the session's currentEvent slot and writes it back only when OK
// passes every check, so Cancel or a refused check leaves the scenario as it was.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "calculators/calculator_memory.h"
#include "calculators/field_validation.h"
#include "model/scenario_session.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"

namespace finplan {

// What an editor needs of the application.
struct EditorContext {
    ScenarioSession& session; // the slot protocol and the change flags
    Scenario& scenario;
    Messages& messages;
    Help& help;
    CalculatorMemory& calculators;
    DialogHost& host;
};

// The accounts of a combo box in name order, without sorting the table itself.
struct AccountChoices {
    std::vector<std::string> names; // "No Selection" first when asked for
    std::vector<int> ids;           // parallel to names; -1 for "No Selection"
    // Entry of an account id: not found gives "No Selection" (0) when there is one,
    // else -1 (nothing chosen).
    int entryOf(int id) const;
};
AccountChoices fillAccountCombo(const Scenario& s, bool withNoSelection);

// The text of a number as a field shows it ("%-6.2f" and the like).
std::string numberText(const char* format, double value);
// The same for a whole number ("%-2d", "%2d").
std::string wholeText(const char* format, int value);

class EventEditor : public DialogPresenter {
  public:
    // Checks that the editor can open; the caller has already set up the slot protocol.
    EventEditor(EditorContext& context, EventKind kind, const char* title, int helpContext);
    // The fields point into the editor's own event: a copy would point into the original.
    EventEditor(const EventEditor&) = delete;
    EventEditor& operator=(const EventEditor&) = delete;

    Press press(ControlId button) override;
    void toggle(ControlId id) override;
    void choose(ControlId id, int index) override;

    // The event as the editor holds it (what OK stores).
    const Event& working() const { return event; }

  protected:
    // Every check of the editor's table in order, storing into `event`; false at the
    // first failure (after its message).
    virtual bool readFields() = 0;
    // A button other than OK, Cancel and Help.
    virtual Press pressOther(ControlId /*button*/) { return Press::Stay; }

    // OK and Cancel are StandardButton's unless named here (Loan, Mortgage, Fundamentals).
    void setButtons(ControlId ok, ControlId cancel);
    void addDescription(ControlId id);
    void readDescription();
    // A checkbox that flips a flag of the event.
    void addFlag(ControlId id, const std::string& label, int16_t& flag);
    // An account combo box: the choice is remembered and stored at OK.
    void addAccountCombo(ControlId id, const std::string& label, int accountId,
                         bool withNoSelection);
    int chosenAccount(ControlId comboId) const; // the id chosen, or the one the slot had
    bool accountChosen(ControlId comboId) const;

    // A checked field: its whole text, then the rule.
    bool check(ControlId id, float& out, const FieldRule& rule);
    bool check(ControlId id, int16_t& out, const FieldRule& rule);
    // Start ages (and some end ages) keep only their whole years.
    bool checkAge(ControlId id, float& out, const char* title, bool truncate);
    // A field read without a check: the first buffer - 1 characters, no number gives 0.
    float parse(ControlId id, std::size_t buffer = kFieldBuffer) const;
    // Refuses field `id` for what it says against another field: the message, and the
    // focus back to `id`.
    bool refuse(ControlId id, const char* text, const char* title);
    // Stores the event in its slot: kind, count, change flags, copyPending cleared.
    void commit();

    EditorContext& ctx;
    Event event;
    EventKind kind;

  private:
    int helpContext_;
    ControlId okId_ = StandardButton::Ok;
    ControlId descriptionId_;
    std::map<ControlId, int16_t*> flags_;
    std::map<ControlId, AccountChoices> combos_;
    std::map<ControlId, int> comboIds_; // the account id each combo holds
};

} // namespace finplan
