#include "model/scenario_session.h"

#include "model/scenario_ops.h"

namespace finplan {

namespace {

enum class Mark : uint8_t { Keep, Set, Clear };

// What each change does to the flags, and whether the plan itself changed.
struct ChangeRule {
    ScenarioChange change;
    Mark scenarioModified = Mark::Keep;
    Mark accountsModified = Mark::Keep;
    Mark resultsStale = Mark::Keep;
    bool planChanged = false;
};

using C = ScenarioChange;
constexpr ChangeRule kRules[] = {
    {.change = C::EventStored,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::EventDeleted,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::EventEditorClosed, .resultsStale = Mark::Set},
    {.change = C::InitialValuesStored,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::BirthdayKept,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::StartAgeMoved, .resultsStale = Mark::Set, .planChanged = true},
    {.change = C::AccountEdited,
     .accountsModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::AccountDeleted,
     .accountsModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::AccountsReindexed, .resultsStale = Mark::Set, .planChanged = true},
    {.change = C::AccountsRead,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::HistoryStepped,
     .scenarioModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::HistorySteppedAccounts,
     .scenarioModified = Mark::Set,
     .accountsModified = Mark::Set,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::FileRead, .resultsStale = Mark::Set, .planChanged = true},
    {.change = C::OpenAsked, .scenarioModified = Mark::Clear},
    {.change = C::FileOpened, .accountsModified = Mark::Clear},
    {.change = C::Renewed,
     .scenarioModified = Mark::Clear,
     .accountsModified = Mark::Clear,
     .resultsStale = Mark::Set,
     .planChanged = true},
    {.change = C::FileWritten, .accountsModified = Mark::Clear},
    {.change = C::SavedAs, .scenarioModified = Mark::Clear},
    {.change = C::RunCompleted, .resultsStale = Mark::Clear},
};

void apply(Mark mark, bool& flag) {
    if (mark != Mark::Keep) flag = mark == Mark::Set;
}

bool validSlot(int slot) {
    return slot >= 0 && slot < kMaxEvents;
}

} // namespace

void ScenarioSession::changed(ScenarioChange what) {
    for (const ChangeRule& rule : kRules) {
        if (rule.change != what) continue;
        apply(rule.scenarioModified, scenarioModified_);
        apply(rule.accountsModified, accountsModified_);
        apply(rule.resultsStale, resultsStale_);
        if (!rule.planChanged) return;
        ++revision_;
        if (listener_) listener_(revision_);
        return;
    }
}

Event* ScenarioSession::currentSlot() {
    return validSlot(currentEvent_) ? &scenario.events[currentEvent_] : nullptr;
}

const Event* ScenarioSession::editedEvent() const {
    return editingEvent_ && validSlot(currentEvent_) ? &scenario.events[currentEvent_] : nullptr;
}

void ScenarioSession::beginAddEvent() {
    editingEvent_ = false;
    currentEvent_ = scenario.eventCount;
    clearEventSlot(scenario, currentEvent_);
}

int ScenarioSession::beginEditEvent(int index) {
    const int saved = scenario.eventCount;
    currentEvent_ = (index >= 0 && index < scenario.usedEventCount()) ? index : kMaxEvents;
    editingEvent_ = true;
    return saved;
}

void ScenarioSession::endEditEvent(int savedCount) {
    scenario.eventCount = savedCount;
    editingEvent_ = false;
}

void ScenarioSession::storeEvent(EventKind kind) {
    // A full table has no slot to store into; the dialogs refuse before getting here.
    Event* slot = currentSlot();
    if (!slot) return;
    slot->kind = static_cast<int16_t>(kind);
    scenario.eventCount = currentEvent_ + 1;
    copyPending_ = false;
    changed(ScenarioChange::EventStored);
}

} // namespace finplan
