// Undo and redo of the changes made to the scenario, kept as whole-scenario copies
// (a scenario is a few tens of kilobytes, so a hundred steps are a few megabytes).
// Whoever changes the scenario takes a snapshot first and records the change with its
// name afterwards; the Edit menu shows "Undo <name>" and "Redo <name>".
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/scenario_session.h"

namespace finplan {

// The scenario's contents (initial values, events, accounts, groups) at one moment.
class ScenarioSnapshot {
  public:
    explicit ScenarioSnapshot(const Scenario& s);
    // Puts the contents back.
    void restoreInto(Scenario& s) const;
    bool sameContents(const Scenario& s) const;
    bool sameAccounts(const Scenario& s) const; // account table and groups

  private:
    std::shared_ptr<const Scenario> copy_;
};

// The stored bytes of the scenario's contents in file order (events in use only).
std::vector<uint8_t> scenarioContentBytes(const Scenario& s);

// "Edit Withdrawal 'Living expenses'": a verb, the event's kind and its description.
std::string eventChangeName(const std::string& verb, const Event& e);

class UndoStack {
  public:
    static constexpr std::size_t kDefaultDepth = 100;
    explicit UndoStack(std::size_t maxSteps = kDefaultDepth) : depth_(maxSteps) {}

    // A change was made: its name and the scenario as it was before. Nothing is kept
    // when the contents did not change (a cancelled dialog). A new change drops the
    // redo steps; beyond the depth the oldest step goes. True when recorded.
    bool record(const std::string& name, const ScenarioSnapshot& before, const Scenario& after);

    bool canUndo() const { return !undos_.empty(); }
    bool canRedo() const { return !redos_.empty(); }
    // Menu texts: "Undo <name>" / "Redo <name>", or "Undo" / "Redo" when empty.
    std::string undoText() const;
    std::string redoText() const;

    // Step back or forward. The scenario is marked changed and its results stale
    // (also when undoing back to what was saved: the file no longer matches what is
    // shown unless it is saved again); changed accounts mark the accounts changed.
    bool undo(ScenarioSession& session);
    bool redo(ScenarioSession& session);

    // New and Open start a fresh history.
    void clear();
    std::size_t undoCount() const { return undos_.size(); }
    std::size_t redoCount() const { return redos_.size(); }

  private:
    struct Step {
        std::string name;
        ScenarioSnapshot state;
    };
    static void swapIn(Step& step, ScenarioSession& session, std::deque<Step>& other);

    std::size_t depth_;
    std::deque<Step> undos_;
    std::deque<Step> redos_;
};

} // namespace finplan
