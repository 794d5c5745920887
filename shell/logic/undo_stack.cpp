#include "shell/logic/undo_stack.h"

#include "model/record_io.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

void appendAccounts(const Scenario& s, std::vector<uint8_t>& out) {
    writeAccountTable(s.accounts, out);
    writeGroupTable(s.groups, out);
}

} // namespace

ScenarioSnapshot::ScenarioSnapshot(const Scenario& s) : copy(std::make_shared<Scenario>(s)) {}

void ScenarioSnapshot::restoreInto(Scenario& s) const {
    s.initial = copy->initial;
    s.eventCount = copy->eventCount;
    for (int i = 0; i < kMaxEvents; ++i)
        s.events[i] = copy->events[i];
    s.accounts = copy->accounts;
    s.groups = copy->groups;
}

bool ScenarioSnapshot::sameContents(const Scenario& s) const {
    return scenarioContentBytes(*copy) == scenarioContentBytes(s);
}

bool ScenarioSnapshot::sameAccounts(const Scenario& s) const {
    std::vector<uint8_t> a, b;
    appendAccounts(*copy, a);
    appendAccounts(s, b);
    return a == b;
}

std::vector<uint8_t> scenarioContentBytes(const Scenario& s) {
    std::vector<uint8_t> out;
    InitialValues iv = s.initial;
    iv.eventCount = static_cast<int16_t>(s.usedEventCount());
    writeInitialValues(iv, out);
    for (int i = 0; i < s.usedEventCount(); ++i)
        writeEvent(s.events[i], out);
    appendAccounts(s, out);
    return out;
}

std::string eventChangeName(const std::string& verb, const Event& e) {
    return verb + " " + eventKindName(e.kind) + " '" + std::string(fieldText(e.description)) + "'";
}

bool UndoStack::record(const std::string& name, const ScenarioSnapshot& before,
                       const Scenario& after) {
    if (before.sameContents(after)) return false;
    redos.clear();
    undos.push_back({name, before});
    while (undos.size() > depth)
        undos.pop_front();
    return true;
}

std::string UndoStack::undoText() const {
    return undos.empty() ? "Undo" : "Undo " + undos.back().name;
}

std::string UndoStack::redoText() const {
    return redos.empty() ? "Redo" : "Redo " + redos.back().name;
}

void UndoStack::swapIn(Step& step, ScenarioSession& session, std::deque<Step>& other) {
    Scenario& s = session.scenario;
    other.push_back({step.name, ScenarioSnapshot(s)});
    const bool accountsChanged = !step.state.sameAccounts(s);
    step.state.restoreInto(s);
    session.changed(accountsChanged ? ScenarioChange::HistorySteppedAccounts
                                    : ScenarioChange::HistoryStepped);
}

bool UndoStack::undo(ScenarioSession& session) {
    if (undos.empty()) return false;
    Step step = std::move(undos.back());
    undos.pop_back();
    swapIn(step, session, redos);
    return true;
}

bool UndoStack::redo(ScenarioSession& session) {
    if (redos.empty()) return false;
    Step step = std::move(redos.back());
    redos.pop_back();
    swapIn(step, session, undos);
    return true;
}

void UndoStack::clear() {
    undos.clear();
    redos.clear();
}

} // namespace finplan
