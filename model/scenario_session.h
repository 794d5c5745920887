// The scenario the program works on and what it knows about its changes: the three
// change flags, a revision number that every change of the plan raises, and the event
// slot protocol the editors follow. The records themselves stay plain data; whoever
// changes them says so here, and the flags follow the rules of the change named.
#pragma once

#include <cstdint>
#include <functional>

#include "model/scenario.h"

namespace finplan {

// What happened to the scenario.
enum class ScenarioChange {
    EventStored,            // an event editor's OK
    EventDeleted,           // Delete in the event list (a change the user is asked to save)
    EventEditorClosed,      // the event list's Edit, however the editor was left
    InitialValuesStored,    // the Initial Values dialog's OK
    BirthdayKept,           // its Cancel kept a birthday the user typed (and the start age)
    StartAgeMoved,          // its Cancel kept the start age the birthday rule moved on
    AccountEdited,          // OK in the account dialog or the group editor
    AccountDeleted,         // Delete in the Accounts folder (asked about at exit)
    AccountsReindexed,      // Re-Index Accounts
    AccountsRead,           // an accounts file read, a tab file's update
    HistoryStepped,         // Undo or Redo
    HistorySteppedAccounts, // Undo or Redo of a step that changed the accounts
    FileRead,               // a scenario file read over the plan in memory
    OpenAsked,              // the Open command, before its file is read
    FileOpened,             // an opened file's accounts are the plan's now
    Renewed,                // New
    FileWritten,            // every save of the scenario file
    SavedAs,                // Save As wrote the file under its new name
    RunCompleted,           // a run brought the results up to date
};

class ScenarioSession {
  public:
    explicit ScenarioSession(Scenario& records) : scenario(records) {}
    ScenarioSession(const ScenarioSession&) = delete;
    ScenarioSession& operator=(const ScenarioSession&) = delete;

    Scenario& scenario;

    // Change tracking.
    void changed(ScenarioChange what);
    bool scenarioModified() const { return scenarioModified_; }
    bool accountsModified() const { return accountsModified_; }
    bool resultsStale() const { return resultsStale_; }
    // Raised by every change of the plan (never by a save or a run), so whoever kept a
    // number can tell that the plan has changed since.
    uint64_t revision() const { return revision_; }
    // Told the new revision after each raise.
    void setChangeListener(std::function<void(uint64_t)> listener) {
        listener_ = std::move(listener);
    }

    // The event slot protocol: an editor always works on slot currentEvent.
    int currentEvent() const { return currentEvent_; }
    bool editingEvent() const { return editingEvent_; }
    bool cancelledEdit() const { return cancelledEdit_; }
    bool copyPending() const { return copyPending_; }
    // Slot currentEvent, or null when it is none of the table's (a full table).
    Event* currentSlot();
    // The event being edited, or null when none is (or its slot is not valid).
    const Event* editedEvent() const;
    // A new event: currentEvent := eventCount, that slot cleared.
    void beginAddEvent();
    // Editing event `index`; returns the event count to give endEditEvent.
    int beginEditEvent(int index);
    // The count as it was (the OK step's increment is discarded), editing over.
    void endEditEvent(int savedCount);
    // Copy: the editor opened next works on a copy that only its OK keeps.
    void beginCopy() { copyPending_ = true; }
    void dropCopy() { copyPending_ = false; }
    void editorOpened() { cancelledEdit_ = false; }
    void cancelEdit() { cancelledEdit_ = true; }
    // OK: the slot's kind set, eventCount := currentEvent + 1, copyPending cleared.
    void storeEvent(EventKind kind);

  private:
    bool scenarioModified_ = false;
    bool accountsModified_ = false;
    bool resultsStale_ = false;
    uint64_t revision_ = 0;
    std::function<void(uint64_t)> listener_;
    int currentEvent_ = 0;
    bool editingEvent_ = false;
    bool cancelledEdit_ = false;
    bool copyPending_ = false;
};

} // namespace finplan
