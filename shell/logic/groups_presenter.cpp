#include "shell/logic/groups_presenter.h"

#include <cstdio>

#include "calculators/field_text.h"
#include "platform/help_contexts.h"
#include "shell/logic/field_text.h"

namespace finplan {

namespace {

constexpr std::size_t kGroupNameChars = 19;
constexpr float kLowestRate = -50.0f;
constexpr float kHighestRate = 100.0f;

std::string shownRate(float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%-6.2f", v);
    std::string s = buf;
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

void rateError(Messages& messages, const char* text) {
    messages.show(text, "Rate Error", MessageIcon::Warning);
}

// One bound of a group: read as the dialogs read numbers, then held to -50..100.
bool checkBound(Messages& messages, const std::string& text, float& out) {
    const float v = readFieldNumber(text);
    if (!(v >= kLowestRate && v <= kHighestRate)) {
        rateError(messages, "The rate must be between -50.00% and 100.00%.");
        return false;
    }
    out = v;
    return true;
}

} // namespace

GroupsPresenter::GroupsPresenter(ScenarioSession& tracking, Messages& shown, Help& manual)
    : session_(tracking), scenario_(tracking.scenario), messages_(shown), help_(manual) {
    dialogTitle = "Groups";
    addHeading("Group Name", false);
    addHeading("Random Minimum\nRate", true);
    addHeading("Random Maximum\nRate", true);
    // Rows of groups without a name start blank.
    const GroupTable& g = scenario_.groups;
    for (int i = 0; i < kMaxGroups; ++i) {
        const bool named = g.groupName[i][0] != 0;
        addEdit(groupNameField(i), "", named ? std::string(fieldText(g.groupName[i])) : "")
            .maxLength = static_cast<int>(kGroupNameChars);
        addEdit(groupMinimumField(i), "", named ? shownRate(g.groupRandomMinRate[i]) : "").sameRow =
            true;
        addEdit(groupMaximumField(i), "", named ? shownRate(g.groupRandomMaxRate[i]) : "").sameRow =
            true;
    }
    addButton(StandardButton::Ok, "OK");
    addButton(StandardButton::Cancel, "Cancel");
    addButton(StandardButton::Help, "Help");
    cancelId = StandardButton::Cancel;
    defaultId = StandardButton::Ok;
}

Press GroupsPresenter::press(ControlId button) {
    if (button == StandardButton::Ok) return ok() ? Press::Accept : Press::Stay;
    if (button == StandardButton::Cancel) return Press::Reject;
    if (button == StandardButton::Help) help_.showContext(help::kGroups);
    return Press::Stay;
}

bool GroupsPresenter::ok() {
    GroupTable g = scenario_.groups;
    for (int i = 0; i < kMaxGroups; ++i) {
        storeFieldText(g.groupName[i], text(groupNameField(i)), kGroupNameChars);
        if (!g.exists(i)) {
            g.groupRandomMinRate[i] = 0;
            g.groupRandomMaxRate[i] = 0;
            continue;
        }
        const ControlId minimum = groupMinimumField(i), maximum = groupMaximumField(i);
        if (!passed(minimum, checkBound(messages_, text(minimum), g.groupRandomMinRate[i])) ||
            !passed(maximum, checkBound(messages_, text(maximum), g.groupRandomMaxRate[i])))
            return false;
        if (g.groupRandomMinRate[i] > g.groupRandomMaxRate[i]) {
            rateError(messages_, "The minimum rate must be less than the maximum rate.");
            return passed(minimum, false);
        }
    }
    scenario_.groups = g;
    session_.changed(ScenarioChange::AccountEdited);
    return true;
}

} // namespace finplan
