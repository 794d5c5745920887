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
    int id;
    const char* label;
    EventKind kind;
};
constexpr ChooserButton kChooserButtons[] = {{109, "Withdrawal", EventKind::Withdrawal},
                                             {110, "Deposit", EventKind::Deposit},
                                             {111, "Loan", EventKind::Loan},
                                             {112, "Mortgage", EventKind::Mortgage},
                                             {114, "Transfer", EventKind::Transfer},
                                             {113, "Fundamentals", EventKind::Fundamentals}};

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
    EditorContext context{scenario, messages, help, calculators, host};
    auto editor = makeEventEditor(context, kind);
    if (!editor) return false;
    scenario.cancelledEdit = false;
    return host.runDialog(*editor) && !scenario.cancelledEdit;
}

bool EventEditing::addEvent(EventKind kind) {
    if (refuseWhenFull()) return false;
    ScenarioSnapshot before(scenario);
    scenario.editingEvent = false;
    scenario.currentEvent = scenario.eventCount;
    if (!runEditor(kind)) return false;
    const Event added = scenario.events[scenario.currentEvent];
    sortEvents(scenario);
    undo.record(eventChangeName("Add", added), before, scenario);
    return true;
}

bool EventEditing::editEvent(int index) {
    if (index < 0 || index >= scenario.usedEventCount()) return false;
    ScenarioSnapshot before(scenario);
    const int saved = beginEditEvent(scenario, index);
    const bool stored = runEditor(scenario.events[index].eventKind());
    endEditEvent(scenario, saved);
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
    scenario.copyPending = true;
    finplan::copyEvent(scenario, index);
    const int saved = beginEditEvent(scenario, index);
    runEditor(original.eventKind());
    endEditEvent(scenario, saved);
    if (scenario.copyPending) {
        // Not left with OK: the scenario goes back to exactly what it was.
        scenario.copyPending = false;
        const bool stale = scenario.resultsStale, modified = scenario.scenarioModified;
        before.restoreInto(scenario);
        scenario.resultsStale = stale;
        scenario.scenarioModified = modified;
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
    undo.record(eventChangeName("Delete", removed), before, scenario);
    return true;
}

bool EventEditing::editInitialValues() {
    ScenarioSnapshot before(scenario);
    InitialValuesPresenter dialog(scenario, messages, help, clock);
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

AddEventChooser::AddEventChooser(std::function<void(EventKind)> open) : open(std::move(open)) {
    dialogTitle = "Add Event";
    for (const ChooserButton& b : kChooserButtons)
        addButton(b.id, b.label);
    addButton(kOk, "OK");
    cancelId = defaultId = kOk;
}

Press AddEventChooser::press(int button) {
    if (button == kOk) return Press::Accept;
    for (const ChooserButton& b : kChooserButtons)
        if (b.id == button && open) open(b.kind);
    return Press::Stay;
}

} // namespace finplan
