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
    if (!eventTableFull(scenario_)) return false;
    messages_.show(kTableFullText, "Event Limit", MessageIcon::Warning);
    return true;
}

bool EventEditing::runEditor(EventKind kind) {
    EditorContext context{session_, scenario_, messages_, help_, calculators_, host_};
    auto editor = makeEventEditor(context, kind);
    if (!editor) return false;
    session_.editorOpened();
    return host_.runDialog(*editor) && !session_.cancelledEdit();
}

bool EventEditing::addEvent(EventKind kind) {
    if (refuseWhenFull()) return false;
    ScenarioSnapshot before(scenario_);
    session_.beginAddEvent();
    if (!runEditor(kind)) return false;
    const Event added = scenario_.events[session_.currentEvent()];
    sortEvents(scenario_);
    undo_.record(eventChangeName("Add", added), before, scenario_);
    return true;
}

bool EventEditing::editEvent(int index) {
    if (index < 0 || index >= scenario_.usedEventCount()) return false;
    ScenarioSnapshot before(scenario_);
    const int saved = session_.beginEditEvent(index);
    const bool stored = runEditor(scenario_.events[index].eventKind());
    session_.endEditEvent(saved);
    if (!stored) return false;
    const Event edited = scenario_.events[index];
    sortEvents(scenario_);
    undo_.record(eventChangeName("Edit", edited), before, scenario_);
    return true;
}

bool EventEditing::copyEvent(int index) {
    if (index < 0 || index >= scenario_.usedEventCount()) return false;
    if (refuseWhenFull()) return false;
    ScenarioSnapshot before(scenario_);
    const Event original = scenario_.events[index];
    session_.beginCopy();
    finplan::copyEvent(scenario_, index);
    const int saved = session_.beginEditEvent(index);
    runEditor(original.eventKind());
    session_.endEditEvent(saved);
    if (session_.copyPending()) {
        // Not left with OK: the scenario goes back to exactly what it was.
        session_.dropCopy();
        before.restoreInto(scenario_);
        return false;
    }
    sortEvents(scenario_);
    undo_.record(eventChangeName("Copy", original), before, scenario_);
    return true;
}

bool EventEditing::deleteEvent(int index) {
    if (index < 0 || index >= scenario_.usedEventCount()) return false;
    ScenarioSnapshot before(scenario_);
    const Event removed = scenario_.events[index];
    finplan::deleteEvent(scenario_, index);
    session_.changed(ScenarioChange::EventDeleted);
    undo_.record(eventChangeName("Delete", removed), before, scenario_);
    return true;
}

bool EventEditing::editInitialValues() {
    ScenarioSnapshot before(scenario_);
    InitialValuesPresenter dialog(session_, messages_, help_, clock_);
    if (!host_.runDialog(dialog)) return false;
    undo_.record("Edit Initial Values", before, scenario_);
    return true;
}

void EventEditing::chooseEvents(const std::function<void()>& afterEach) {
    AddEventChooser chooser([this, &afterEach](EventKind kind) {
        if (addEvent(kind) && afterEach) afterEach();
    });
    host_.runDialog(chooser);
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
