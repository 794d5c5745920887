#include "shell/logic/account_info_presenter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "calculators/field_validation.h"
#include "model/scenario_ops.h"
#include "model/utf8_text.h"
#include "platform/help_contexts.h"
#include "shell/logic/field_text.h"

namespace finplan {

namespace {

constexpr std::size_t kNameChars = 29;
constexpr std::size_t kAccessOrderChars = 3;

// The left-justified formats pad with blanks for the fixed dialog layout; in an edit
// box a trailing blank would only catch the digits typed after it.
std::string shown(const char* fmt, float v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    std::string s = buf;
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

const FieldRule kAmountRule{-100000000.0f, 100000000.0f, text_id::kAmount, "AMOUNT ERROR"};
const FieldRule kRateRule{-99.0f, 99.0f, text_id::kAccountRate, "RATE ERROR"};

bool isPenaltyType(int type) {
    return type == static_cast<int>(AccountType::RetirementSavings) ||
           type == static_cast<int>(AccountType::TaxFreeSavings);
}

using F = AccountInfoField;

} // namespace

AccountInfoPresenter::AccountInfoPresenter(ScenarioSession& tracking, AccountDialogMode mode,
                                           int selected, Messages& shown, Help& manual)
    : session(tracking), scenario(tracking.scenario), messages(shown), help(manual),
      dialogMode(mode), slot(selected) {
    dialogTitle = "Account Information";
    repairAccountCount(scenario);
    const int count = scenario.accounts.accountCount;
    // An edit names an account in use; a new account always takes the next free slot.
    if (mode != AccountDialogMode::Edit)
        slot = count;
    else if (selected < 0 || selected >= count)
        slot = -1;
    if (slot >= 0 && slot < kMaxAccounts) draft = scenario.accounts.accounts[slot];

    for (int g = 0; g < kMaxGroups; ++g)
        if (scenario.groups.exists(g)) groupOfChoice.push_back(g);
    std::stable_sort(groupOfChoice.begin(), groupOfChoice.end(), [&](int a, int b) {
        return std::strcmp(scenario.groups.groupName[a], scenario.groups.groupName[b]) < 0;
    });
    if (mode == AccountDialogMode::Add) {
        draft.type = static_cast<int16_t>(AccountType::Asset);
        draft.penaltyFlag = 0;
        // A freed slot still holds the deleted account's bytes; its group must not
        // pass silently to the new account.
        draft.groupIndex = 0;
    }
    addFields();
    addButton(StandardButton::Ok, "OK");
    addButton(StandardButton::Cancel, "Cancel");
    addButton(StandardButton::Help, "Help");
    cancelId = StandardButton::Cancel;
    defaultId = StandardButton::Ok;
    // An account being completed or changed usually needs a new amount first.
    startId = mode == AccountDialogMode::Add ? F::Name : F::InitialAmount;
}

void AccountInfoPresenter::addFields() {
    // A new account starts with empty fields.
    const bool blank = dialogMode == AccountDialogMode::Add;
    auto shownIf = [blank](const char* fmt, float v) { return blank ? "" : shown(fmt, v); };
    addEdit(F::Name, "Account Name", blank ? "" : std::string(fieldText(draft.name))).maxLength =
        static_cast<int>(kNameChars);
    addCombo(F::Type, "Select Account Type", typeNames(), draft.type);
    addEdit(F::InitialAmount, "Initial Amount", shownIf("%-13.2f", draft.initialAmount)).maxLength =
        12;
    addEdit(F::Rate, "Rate %", shownIf("%-8.3f", draft.rate));
    addEdit(F::RandomMinimumRate, "Random Minimum Rate %", shownIf("%-8.3f", draft.randomMinRate));
    addEdit(F::RandomMaximumRate, "Random Maximum Rate %", shownIf("%-8.3f", draft.randomMaxRate));
    addEdit(F::AccessOrder, "Access Order", blank ? "" : std::string(fieldText(draft.accessOrder)))
        .maxLength = static_cast<int>(kAccessOrderChars);
    std::vector<std::string> groups;
    for (int g : groupOfChoice)
        groups.emplace_back(fieldText(scenario.groups.groupName[g]));
    const auto at = std::find(groupOfChoice.begin(), groupOfChoice.end(), draft.groupIndex);
    addCombo(F::Group, "Assign Group to Account", groups,
             at == groupOfChoice.end() ? -1 : static_cast<int>(at - groupOfChoice.begin()));
    addCheck(F::Penalty, "Early withdrawals subject to penalty", false);
    showPenalty();
}

void AccountInfoPresenter::showPenalty() {
    FormField& box = field(F::Penalty);
    box.enabled = penaltyUsable();
    box.checked = penaltyChecked();
}

std::vector<std::string> AccountInfoPresenter::typeNames() {
    std::vector<std::string> names;
    for (int code = 0; code < kAccountTypeCount; ++code) {
        std::string name = accountTypeName(code);
        name.erase(name.find_last_not_of(' ') + 1);
        names.push_back(name);
    }
    return names;
}

void AccountInfoPresenter::chooseType(int code) {
    if (code < 0 || code >= kAccountTypeCount) return;
    draft.type = static_cast<int16_t>(code);
    if (!penaltyUsable()) draft.penaltyFlag = 0;
    field(F::Type).selected = code;
    showPenalty();
}

void AccountInfoPresenter::chooseGroup(int position) {
    if (position < 0 || position >= static_cast<int>(groupOfChoice.size())) return;
    draft.groupIndex = static_cast<int16_t>(groupOfChoice[position]);
    field(F::Group).selected = position;
}

bool AccountInfoPresenter::penaltyUsable() const {
    return isPenaltyType(draft.type);
}

void AccountInfoPresenter::toggle(ControlId id) {
    if (id != F::Penalty) return DialogPresenter::toggle(id);
    draft.penaltyFlag = penaltyUsable() && draft.penaltyFlag != 1 ? 1 : 0;
    showPenalty();
}

void AccountInfoPresenter::choose(ControlId id, int index) {
    if (id == F::Type) return chooseType(index);
    if (id == F::Group) return chooseGroup(index);
    DialogPresenter::choose(id, index);
}

Press AccountInfoPresenter::press(ControlId button) {
    if (button == StandardButton::Ok) return ok() ? Press::Accept : Press::Stay;
    if (button == StandardButton::Cancel) return Press::Reject;
    if (button == StandardButton::Help) help.showContext(help::kAccountInformation);
    return Press::Stay;
}

bool AccountInfoPresenter::ok() {
    const bool adding = dialogMode != AccountDialogMode::Edit;
    if (slot < 0) return false; // nothing to edit
    if (slot >= kMaxAccounts || (adding && scenario.accounts.accountCount >= kMaxAccounts)) {
        messages.show("Maximum number of accounts reached!", "Account Warning",
                      MessageIcon::Warning);
        return false;
    }
    Account a = draft;
    storeFieldText(a.name, text(F::Name), kNameChars);
    auto check = [this](F id, float& out, const FieldRule& rule) {
        return passed(id, validateText(messages, text(id), out, rule));
    };
    if (!check(F::InitialAmount, a.initialAmount, kAmountRule)) return false;
    a.balance = a.initialAmount;
    if (!check(F::Rate, a.rate, kRateRule)) return false;
    a.currentRate = a.rate;
    if (!check(F::RandomMinimumRate, a.randomMinRate, kRateRule) ||
        !check(F::RandomMaximumRate, a.randomMaxRate, kRateRule))
        return false;
    storeFieldText(a.accessOrder, text(F::AccessOrder), kAccessOrderChars);

    scenario.accounts.accounts[slot] = a;
    if (adding) assignAccountId(scenario);
    session.changed(ScenarioChange::AccountEdited);
    return true;
}

std::string AccountInfoPresenter::changeLabel() const {
    const std::string name = utf8Cut(field(F::Name).text, kNameChars);
    return std::string(dialogMode == AccountDialogMode::Edit ? "Edit" : "Add") + " Account '" +
           name + "'";
}

} // namespace finplan
