#include "shell/logic/event_editing.h"

#include "model/scenario_ops.h"
#include "shell/logic/command_ids.h"
#include "shell/logic/event_editors.h"
#include "shell/logic/initial_values_presenter.h"

namespace finplan {

namespace {

const char* const kTableFullText = "The scenario already holds 150 events, the most it can keep.\n"
                                   "Delete an event before adding another one.";

struct ChooserButton {
    AddEventButton id;
    const char* label;
    EventKind kind;
};
constexpr ChooserButton kChooserButtons[] = {
    {AddEventButton::Withdrawal, "Withdrawal", EventKind::Withdrawal},
    {AddEventButton::Deposit, "Deposit", EventKind::Deposit},
    {AddEventButton::Loan, "Loan", EventKind::Loan},
    {AddEventButton::Mortgage, "Mortgage", EventKind::Mortgage},
    {AddEventButton::Transfer, "Transfer", EventKind::Transfer},
    {AddEventButton::Fundamentals, "Fundamentals", EventKind::Fundamentals}};

} // namespace

EventKind EventEditing::kindOfCommand(int id) {
    switch (id) {
    case cmd::kAddWithdrawal:
        return EventKind::Withdrawal;
    case cmd::kAddDeposit:
        return EventKind::Deposit;
    case cmd::kAddLoan:
        return EventKind::Loan;
    case cmd::kAddMortgage:
        return EventKind::Mortgage;
    case cmd::kAddTransfer:
        return EventKind::Transfer;
    case cmd::kAddFundamentals:
        return EventKind::Fundamentals;
    default:
        return EventKind::Empty;
    }
}

bool EventEditing::refuseWhenFull() {
    if (!eventTableFull(scenario)) return false;
    messages.show(kTableFullText, "Event Limit", MessageIcon::Warning);
    return true;
}

bool EventEditing::runEditor(EventKind kind) {
    EditorContext context{session, scenario, messages, help, calculators, host};
    auto editor = makeEventEditor(context, kind);
    if (!editor) return false;
    session.editorOpened();
    return host.runDialog(*editor) && !session.cancelledEdit();
}

bool EventEditing::addEvent(EventKind kind) {
    if (refuseWhenFull()) return false;
    ScenarioSnapshot before(scenario);
    session.beginAddEvent();
    if (!runEditor(kind)) return false;
    const Event added = scenario.events[session.currentEvent()];
    sortEvents(scenario);
    undo.record(eventChangeName("Add", added), before, scenario);
    return true;
}

bool EventEditing::editEvent(int index) {
    if (index < 0 || index >= scenario.usedEventCount()) return false;
    ScenarioSnapshot before(scenario);
    const int saved = session.beginEditEvent(index);
    const bool stored = runEditor(scenario.events[index].eventKind());
    session.endEditEvent(saved);
    if (!stored) return false;
    const Event edited = scenario.events[index];
    sortEvents(scenario);
    undo.record(eventChangeName("Edit", edited), before, scenario);
    return true;
}

bool EventEditing::copyEvent(int index) {
    if (index < 0 || index >= scenario.usedEventCount()) return false;
    if (refuseWhenFull()) return false;
    ScenarioSnapshot before(scenario);
    const Event original = scenario.events[index];
    session.beginCopy();
    finplan::copyEvent(scenario, index);
    const int saved = session.beginEditEvent(index);
    runEditor(original.eventKind());
    session.endEditEvent(saved);
    if (session.copyPending()) {
        // Not left with OK: the scenario goes back to exactly what it was.
        session.dropCopy();
        before.restoreInto(scenario);
        return false;
    }
    sortEvents(scenario);
    undo.record(eventChangeName("Copy", original), before, scenario);
    return true;
}

bool EventEditing::deleteEvent(int index) {
    if (index < 0 || index >= scenario.usedEventCount()) return false;
    ScenarioSnapshot before(scenario);
    const Event removed = scenario.events[index];
    finplan::deleteEvent(scenario, index);
    session.changed(ScenarioChange::EventDeleted);
    undo.record(eventChangeName("Delete", removed), before, scenario);
    return true;
}

bool EventEditing::editInitialValues() {
    ScenarioSnapshot before(scenario);
    InitialValuesPresenter dialog(session, messages, help, clock);
    if (!host.runDialog(dialog)) return false;
    undo.record("Edit Initial Values", before, scenario);
    return true;
}

void EventEditing::chooseEvents(const std::function<void()>& afterEach) {
    AddEventChooser chooser([this, &afterEach](EventKind kind) {
        if (addEvent(kind) && afterEach) afterEach();
    });
    host.runDialog(chooser);
}

AddEventChooser::AddEventChooser(std::function<void(EventKind)> theOpen)
    : open(std::move(theOpen)) {
    dialogTitle = "Add Event";
    for (const ChooserButton& b : kChooserButtons)
        addButton(b.id, b.label);
    addButton(AddEventButton::Ok, "OK");
    cancelId = defaultId = AddEventButton::Ok;
}

Press AddEventChooser::press(ControlId button) {
    if (button == AddEventButton::Ok) return Press::Accept;
    for (const ChooserButton& b : kChooserButtons)
        if (b.id == button && open) open(b.kind);
    return Press::Stay;
}

} // namespace finplan
