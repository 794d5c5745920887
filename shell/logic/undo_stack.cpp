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

ScenarioSnapshot::ScenarioSnapshot(const Scenario& s) : copy_(std::make_shared<Scenario>(s)) {}

void ScenarioSnapshot::restoreInto(Scenario& s) const {
    s.initial = copy_->initial;
    s.eventCount = copy_->eventCount;
    for (int i = 0; i < kMaxEvents; ++i)
        s.events[i] = copy_->events[i];
    s.accounts = copy_->accounts;
    s.groups = copy_->groups;
}

bool ScenarioSnapshot::sameContents(const Scenario& s) const {
    return scenarioContentBytes(*copy_) == scenarioContentBytes(s);
}

bool ScenarioSnapshot::sameAccounts(const Scenario& s) const {
    std::vector<uint8_t> a, b;
    appendAccounts(*copy_, a);
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
    redos_.clear();
    undos_.push_back({name, before});
    while (undos_.size() > depth_)
        undos_.pop_front();
    return true;
}

std::string UndoStack::undoText() const {
    return undos_.empty() ? "Undo" : "Undo " + undos_.back().name;
}

std::string UndoStack::redoText() const {
    return redos_.empty() ? "Redo" : "Redo " + redos_.back().name;
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
    if (undos_.empty()) return false;
    Step step = std::move(undos_.back());
    undos_.pop_back();
    swapIn(step, session, redos_);
    return true;
}

bool UndoStack::redo(ScenarioSession& session) {
    if (redos_.empty()) return false;
    Step step = std::move(redos_.back());
    redos_.pop_back();
    swapIn(step, session, undos_);
    return true;
}

void UndoStack::clear() {
    undos_.clear();
    redos_.clear();
}

} // namespace finplan
