// The change flags each change of the scenario sets and clears, and the revision that
// only a change of the plan raises.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/scenario_session.h"

namespace finplan {
namespace {

struct Flags {
    bool scenarioModified, accountsModified, resultsStale;
    bool operator==(const Flags&) const = default;
};

Flags flagsOf(const ScenarioSession& s) {
    return {s.scenarioModified(), s.accountsModified(), s.resultsStale()};
}

TEST(ScenarioSession, EachChangeMarksWhatTheRulesSay) {
    using C = ScenarioChange;
    struct Row {
        C change;
        Flags fromClear; // the flags after the change, all clear before
        Flags fromSet;   // the same, all set before
        bool planChanged;
    };
    const Row rows[] = {
        {C::EventStored, {true, false, true}, {true, true, true}, true},
        // Deleting an event is asked about at exit like any other change.
        {C::EventDeleted, {true, false, true}, {true, true, true}, true},
        {C::EventEditorClosed, {false, false, true}, {true, true, true}, false},
        {C::InitialValuesStored, {true, false, true}, {true, true, true}, true},
        {C::BirthdayKept, {true, false, true}, {true, true, true}, true},
        {C::StartAgeMoved, {false, false, true}, {true, true, true}, true},
        {C::AccountEdited, {false, true, true}, {true, true, true}, true},
        // So is deleting an account.
        {C::AccountDeleted, {false, true, true}, {true, true, true}, true},
        {C::AccountsReindexed, {false, false, true}, {true, true, true}, true},
        {C::AccountsRead, {true, false, true}, {true, true, true}, true},
        {C::HistoryStepped, {true, false, true}, {true, true, true}, true},
        {C::HistorySteppedAccounts, {true, true, true}, {true, true, true}, true},
        {C::FileRead, {false, false, true}, {true, true, true}, true},
        {C::OpenAsked, {false, false, false}, {false, true, true}, false},
        {C::FileOpened, {false, false, false}, {true, false, true}, false},
        {C::Renewed, {false, false, true}, {false, false, true}, true},
        {C::FileWritten, {false, false, false}, {true, false, true}, false},
        {C::SavedAs, {false, false, false}, {false, true, true}, false},
        {C::RunCompleted, {false, false, false}, {true, true, false}, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.change));
        Scenario plan;
        ScenarioSession clear(plan);
        std::vector<uint64_t> told;
        clear.setChangeListener([&told](uint64_t revision) { told.push_back(revision); });
        clear.changed(r.change);
        EXPECT_EQ(flagsOf(clear), r.fromClear);
        EXPECT_EQ(clear.revision(), r.planChanged ? 1u : 0u);
        EXPECT_EQ(told, r.planChanged ? std::vector<uint64_t>{1} : std::vector<uint64_t>{});

        ScenarioSession set(plan);
        set.changed(C::HistorySteppedAccounts); // all three set
        set.changed(r.change);
        EXPECT_EQ(flagsOf(set), r.fromSet);
    }
}

} // namespace
} // namespace finplan
