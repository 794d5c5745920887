// Changing the scenario's events through the editors: the slot protocol around each
// editor, the 150-event limit, Copy and Delete, the Add Event chooser and the Initial
// Values dialog, each change recorded for Undo under its name.
#pragma once

#include <functional>
#include <string>

#include "calculators/calculator_memory.h"
#include "model/scenario_session.h"
#include "platform/clock.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "shell/logic/dialog_presenter.h"
#include "shell/logic/undo_stack.h"

namespace finplan {

class EventEditing {
  public:
    EventEditing(ScenarioSession& tracking, Messages& shown, Help& helpPort,
                 CalculatorMemory& calculatorMemory, UndoStack& steps, const Clock& timeSource,
                 DialogHost& dialogHost)
        : session_(tracking), scenario_(tracking.scenario), messages_(shown), help_(helpPort),
          calculators_(calculatorMemory), undo_(steps), clock_(timeSource), host_(dialogHost) {}

    // The session the changes are told to.
    ScenarioSession& changes() { return session_; }

    // A new event of that kind (menu, chooser, the mortgage calculator's hand-over).
    // True when the editor stored it; the 150th event is the last one accepted.
    bool addEvent(EventKind kind);
    // The editor of event `index` (list order); true when OK stored it.
    bool editEvent(int index);
    // A copy of event `index` edited in its editor; Cancel leaves everything as it was.
    bool copyEvent(int index);
    // Removes event `index` without asking; true when there was one.
    bool deleteEvent(int index);
    // The Initial Values dialog; true when OK stored the values.
    bool editInitialValues();
    // The Add Event chooser; `afterEach` runs after each editor it opened stored an event.
    void chooseEvents(const std::function<void()>& afterEach);

    // Event kind of a menu command (101, 106 .. 110), Empty for other ids.
    static EventKind kindOfCommand(int id);

  private:
    bool refuseWhenFull();
    bool runEditor(EventKind kind);

    ScenarioSession& session_;
    Scenario& scenario_;
    Messages& messages_;
    Help& help_;
    CalculatorMemory& calculators_;
    UndoStack& undo_;
    const Clock& clock_;
    DialogHost& host_;
};

// The Add Event chooser's buttons.
class AddEventChooser : public DialogPresenter {
  public:
    explicit AddEventChooser(std::function<void(EventKind)> open);
    Press press(ControlId button) override;
    bool isToolWindow() const override { return false; }

  private:
    std::function<void(EventKind)> open;
};

} // namespace finplan
