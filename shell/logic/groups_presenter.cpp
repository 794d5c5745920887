#include "shell/logic/groups_presenter.h"

#include <cstdio>

#include "calculators/field_text.h"
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

GroupsPresenter::GroupsPresenter(ScenarioSession& tracking, Messages& shown)
    : session(tracking), scenario(tracking.scenario), messages(shown) {
    const GroupTable& g = scenario.groups;
    for (int i = 0; i < kMaxGroups; ++i) {
        if (g.groupName[i][0] == 0) continue;
        rows[i].name = std::string(fieldText(g.groupName[i]));
        rows[i].minRate = shownRate(g.groupRandomMinRate[i]);
        rows[i].maxRate = shownRate(g.groupRandomMaxRate[i]);
    }
}

bool GroupsPresenter::ok() {
    refused = 0;
    GroupTable g = scenario.groups;
    for (int i = 0; i < kMaxGroups; ++i) {
        storeFieldText(g.groupName[i], rows[i].name, kGroupNameChars);
        if (!g.exists(i)) {
            g.groupRandomMinRate[i] = 0;
            g.groupRandomMaxRate[i] = 0;
            continue;
        }
        refused = minimumId(i);
        if (!checkBound(messages, rows[i].minRate, g.groupRandomMinRate[i])) return false;
        refused = maximumId(i);
        if (!checkBound(messages, rows[i].maxRate, g.groupRandomMaxRate[i])) return false;
        refused = minimumId(i);
        if (g.groupRandomMinRate[i] > g.groupRandomMaxRate[i]) {
            rateError(messages, "The minimum rate must be less than the maximum rate.");
            return false;
        }
        refused = 0;
    }
    scenario.groups = g;
    session.changed(ScenarioChange::AccountEdited);
    return true;
}

} // namespace finplan
