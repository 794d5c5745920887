// Undo and redo over whole-scenario snapshots: the bytes come back exactly, the names
// show in the menu texts, the depth holds a hundred steps.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "model/scenario_ops.h"
#include "shell/logic/undo_stack.h"

namespace finplan {
namespace {

std::unique_ptr<Scenario> freshScenario() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    return s;
}

void addWithdrawal(Scenario& s, const char* description, float amount) {
    Event& e = s.events[s.eventCount];
    e = Event{};
    std::strncpy(e.description, description, kDescriptionWidth - 1);
    e.startAge = 65;
    e.endAge = 90;
    e.amount = amount;
    e.kind = static_cast<int16_t>(EventKind::Withdrawal);
    ++s.eventCount;
    sortEvents(s);
}

TEST(UndoStack, UndoThenRedoGivesBackTheSameBytes) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    const auto empty = scenarioContentBytes(*s);
    ScenarioSnapshot before(*s);
    addWithdrawal(*s, "Living expenses", 40000);
    ASSERT_TRUE(undo.record("Add Withdrawal 'Living expenses'", before, *s));
    const auto added = scenarioContentBytes(*s);

    EXPECT_EQ(undo.undoText(), "Undo Add Withdrawal 'Living expenses'");
    EXPECT_EQ(undo.redoText(), "Redo");
    ASSERT_TRUE(undo.undo(session));
    EXPECT_EQ(scenarioContentBytes(*s), empty);
    EXPECT_EQ(s->eventCount, 0);
    EXPECT_EQ(undo.undoText(), "Undo");
    EXPECT_EQ(undo.redoText(), "Redo Add Withdrawal 'Living expenses'");
    ASSERT_TRUE(undo.redo(session));
    EXPECT_EQ(scenarioContentBytes(*s), added);
    EXPECT_FALSE(undo.redo(session));
}

TEST(UndoStack, AnUnchangedScenarioRecordsNothing) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    ScenarioSnapshot before(*s);
    EXPECT_FALSE(undo.record("Edit Initial Values", before, *s));
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.undo(session));
}

TEST(UndoStack, UndoAfterASaveMarksTheScenarioChangedAgain) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    ScenarioSnapshot before(*s);
    s->initial.taxRate = 25;
    undo.record("Edit Initial Values", before, *s);
    session.changed(ScenarioChange::SavedAs);
    session.changed(ScenarioChange::RunCompleted);
    undo.undo(session);
    EXPECT_FLOAT_EQ(s->initial.taxRate, 15.0f);
    EXPECT_TRUE(session.scenarioModified());
    EXPECT_TRUE(session.resultsStale());
    EXPECT_FALSE(session.accountsModified()); // no account changed
    EXPECT_EQ(session.revision(), 1u);
}

TEST(UndoStack, AccountChangesMarkTheAccountsChanged) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    ScenarioSnapshot before(*s);
    std::strcpy(s->accounts.accounts[0].name, "Savings");
    assignAccountId(*s);
    undo.record("Add Account 'Savings'", before, *s);
    undo.undo(session);
    EXPECT_EQ(s->accounts.accountCount, 0);
    EXPECT_TRUE(session.accountsModified());
}

TEST(UndoStack, ANewChangeDropsTheRedoSteps) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    ScenarioSnapshot a(*s);
    addWithdrawal(*s, "A", 1);
    undo.record("Add Withdrawal 'A'", a, *s);
    undo.undo(session);
    ASSERT_TRUE(undo.canRedo());
    ScenarioSnapshot b(*s);
    addWithdrawal(*s, "B", 2);
    undo.record("Add Withdrawal 'B'", b, *s);
    EXPECT_FALSE(undo.canRedo());
    EXPECT_EQ(undo.undoCount(), 1u);
}

TEST(UndoStack, KeepsAHundredStepsAndDropsTheOldest) {
    auto s = freshScenario();
    ScenarioSession session(*s);
    UndoStack undo;
    for (int i = 1; i <= 105; ++i) {
        ScenarioSnapshot before(*s);
        s->initial.taxRate = static_cast<float>(i);
        undo.record("Edit Initial Values", before, *s);
    }
    EXPECT_EQ(undo.undoCount(), 100u);
    while (undo.undo(session)) {
    }
    // The oldest five steps are gone: back to the value after the fifth change.
    EXPECT_FLOAT_EQ(s->initial.taxRate, 5.0f);
    EXPECT_EQ(undo.redoCount(), 100u);
    undo.clear();
    EXPECT_FALSE(undo.canUndo());
    EXPECT_FALSE(undo.canRedo());
}

TEST(UndoStack, ChangeNamesCarryKindAndDescription) {
    Event e;
    e.kind = static_cast<int16_t>(EventKind::Withdrawal);
    std::strcpy(e.description, "Living expenses");
    EXPECT_EQ(eventChangeName("Edit", e), "Edit Withdrawal 'Living expenses'");
    e.kind = static_cast<int16_t>(EventKind::Fundamentals);
    EXPECT_EQ(eventChangeName("Delete", e), "Delete Fundamentals 'Living expenses'");
}

} // namespace
} // namespace finplan
