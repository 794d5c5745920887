#include "shell/logic/event_editor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "calculators/field_text.h"
#include "calculators/range_check.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

// Name order of the account combo boxes: case-insensitive, stable.
bool nameBefore(const Account& a, const Account& b) {
    return strncasecmp(a.name, b.name, kAccountNameWidth) < 0;
}

} // namespace

int AccountChoices::entryOf(int id) const {
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == id && id >= 0) return static_cast<int>(i);
    return (!ids.empty() && ids[0] == -1) ? 0 : -1;
}

AccountChoices fillAccountCombo(const Scenario& s, bool withNoSelection) {
    AccountChoices c;
    if (withNoSelection) {
        c.names.push_back("No Selection");
        c.ids.push_back(-1);
    }
    const int n = s.accounts.usableCount();
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&s](int a, int b) {
        return nameBefore(s.accounts.accounts[a], s.accounts.accounts[b]);
    });
    for (int i : order) {
        const Account& a = s.accounts.accounts[i];
        c.names.emplace_back(fieldText(a.name));
        c.ids.push_back(a.id);
    }
    return c;
}

std::string numberText(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string wholeText(const char* format, int value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

EventEditor::EventEditor(EditorContext& context, EventKind eventKind, const char* title, int help)
    : ctx(context), kind(eventKind), helpContext_(help) {
    dialogTitle = title;
    // A new event starts from a cleared slot; an edit from the slot as it is.
    if (const Event* edited = ctx.session.editedEvent()) event = *edited;
    setButtons(StandardButton::Ok, StandardButton::Cancel);
}

void EventEditor::setButtons(ControlId ok, ControlId cancel) {
    okId_ = ok;
    cancelId = cancel;
    defaultId = ok;
}

Press EventEditor::press(ControlId button) {
    if (button == okId_) {
        readDescription();
        if (!readFields()) return Press::Stay;
        commit();
        return Press::Accept;
    }
    if (button == cancelId) {
        ctx.session.cancelEdit();
        return Press::Reject;
    }
    if (button == StandardButton::Help) {
        ctx.help.showContext(helpContext_);
        return Press::Stay;
    }
    return pressOther(button);
}

void EventEditor::toggle(ControlId id) {
    auto it = flags_.find(id);
    if (it == flags_.end()) return DialogPresenter::toggle(id);
    *it->second = *it->second ? 0 : 1;
    field(id).checked = *it->second != 0;
}

void EventEditor::choose(ControlId id, int index) {
    DialogPresenter::choose(id, index);
    auto it = combos_.find(id);
    if (it == combos_.end() || index < 0 || index >= static_cast<int>(it->second.ids.size()))
        return;
    comboIds_[id] = it->second.ids[static_cast<std::size_t>(index)];
}

void EventEditor::addDescription(ControlId id) {
    addEdit(id, "Description", std::string(fieldText(event.description))).width = FieldWidth::Text;
    descriptionId_ = id;
}

void EventEditor::readDescription() {
    // At most 49 characters; the rest of the field is cleared.
    const std::string text = cutText(field(descriptionId_).text, kDescriptionWidth - 1);
    std::memset(event.description, 0, sizeof event.description);
    std::memcpy(event.description, text.data(), text.size());
}

void EventEditor::addFlag(ControlId id, const std::string& label, int16_t& flag) {
    addCheck(id, label, flag != 0);
    flags_[id] = &flag;
}

void EventEditor::addAccountCombo(ControlId id, const std::string& label, int accountId,
                                  bool withNoSelection) {
    AccountChoices c = fillAccountCombo(ctx.scenario, withNoSelection);
    addCombo(id, label, c.names, c.entryOf(accountId));
    comboIds_[id] = accountId;
    combos_[id] = std::move(c);
}

int EventEditor::chosenAccount(ControlId comboId) const {
    auto it = comboIds_.find(comboId);
    return it == comboIds_.end() ? 0 : it->second;
}

bool EventEditor::accountChosen(ControlId comboId) const {
    return field(comboId).selected >= 0;
}

bool EventEditor::check(ControlId id, float& out, const FieldRule& rule) {
    return passed(id, validateText(ctx.messages, field(id).text, out, rule));
}

bool EventEditor::check(ControlId id, int16_t& out, const FieldRule& rule) {
    return passed(id, validateText(ctx.messages, field(id).text, out, rule));
}

bool EventEditor::checkAge(ControlId id, float& out, const char* title, bool truncate) {
    if (!check(id, out, {1, 120, text_id::kAgeDecimal, title})) return false;
    if (truncate) out = static_cast<float>(wholeNumber(out));
    return true;
}

float EventEditor::parse(ControlId id, std::size_t buffer) const {
    return readFloatText(field(id).text, buffer > 0 ? buffer - 1 : 0);
}

bool EventEditor::refuse(ControlId id, const char* text, const char* title) {
    return passed(id, refuseField(ctx.messages, text, title, MessageIcon::Error));
}

void EventEditor::commit() {
    Event* slot = ctx.session.currentSlot();
    if (!slot) return; // refused before opening
    *slot = event;
    ctx.session.storeEvent(kind);
}

} // namespace finplan
