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
    : session_(tracking), scenario_(tracking.scenario), messages_(shown), help_(manual),
      dialogMode_(mode), slot_(selected) {
    dialogTitle = "Account Information";
    repairAccountCount(scenario_);
    const int count = scenario_.accounts.accountCount;
    // An edit names an account in use; a new account always takes the next free slot.
    if (mode != AccountDialogMode::Edit)
        slot_ = count;
    else if (selected < 0 || selected >= count)
        slot_ = -1;
    if (slot_ >= 0 && slot_ < kMaxAccounts) draft_ = scenario_.accounts.accounts[slot_];

    for (int g = 0; g < kMaxGroups; ++g)
        if (scenario_.groups.exists(g)) groupOfChoice_.push_back(g);
    std::stable_sort(groupOfChoice_.begin(), groupOfChoice_.end(), [&](int a, int b) {
        return std::strcmp(scenario_.groups.groupName[a], scenario_.groups.groupName[b]) < 0;
    });
    if (mode == AccountDialogMode::Add) {
        draft_.type = static_cast<int16_t>(AccountType::Asset);
        draft_.penaltyFlag = 0;
        // A freed slot still holds the deleted account's bytes; its group must not
        // pass silently to the new account.
        draft_.groupIndex = 0;
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
    const bool blank = dialogMode_ == AccountDialogMode::Add;
    auto shownIf = [blank](const char* fmt, float v) { return blank ? "" : shown(fmt, v); };
    addEdit(F::Name, "Account Name", blank ? "" : std::string(fieldText(draft_.name))).maxLength =
        static_cast<int>(kNameChars);
    addCombo(F::Type, "Select Account Type", typeNames(), draft_.type);
    addEdit(F::InitialAmount, "Initial Amount", shownIf("%-13.2f", draft_.initialAmount))
        .maxLength = 12;
    addEdit(F::Rate, "Rate %", shownIf("%-8.3f", draft_.rate));
    addEdit(F::RandomMinimumRate, "Random Minimum Rate %", shownIf("%-8.3f", draft_.randomMinRate));
    addEdit(F::RandomMaximumRate, "Random Maximum Rate %", shownIf("%-8.3f", draft_.randomMaxRate));
    addEdit(F::AccessOrder, "Access Order", blank ? "" : std::string(fieldText(draft_.accessOrder)))
        .maxLength = static_cast<int>(kAccessOrderChars);
    std::vector<std::string> groups;
    for (int g : groupOfChoice_)
        groups.emplace_back(fieldText(scenario_.groups.groupName[g]));
    const auto at = std::find(groupOfChoice_.begin(), groupOfChoice_.end(), draft_.groupIndex);
    addCombo(F::Group, "Assign Group to Account", groups,
             at == groupOfChoice_.end() ? -1 : static_cast<int>(at - groupOfChoice_.begin()));
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
    draft_.type = static_cast<int16_t>(code);
    if (!penaltyUsable()) draft_.penaltyFlag = 0;
    field(F::Type).selected = code;
    showPenalty();
}

void AccountInfoPresenter::chooseGroup(int position) {
    if (position < 0 || position >= static_cast<int>(groupOfChoice_.size())) return;
    draft_.groupIndex = static_cast<int16_t>(groupOfChoice_[position]);
    field(F::Group).selected = position;
}

bool AccountInfoPresenter::penaltyUsable() const {
    return isPenaltyType(draft_.type);
}

void AccountInfoPresenter::toggle(ControlId id) {
    if (id != F::Penalty) return DialogPresenter::toggle(id);
    draft_.penaltyFlag = penaltyUsable() && draft_.penaltyFlag != 1 ? 1 : 0;
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
    if (button == StandardButton::Help) help_.showContext(help::kAccountInformation);
    return Press::Stay;
}

bool AccountInfoPresenter::ok() {
    const bool adding = dialogMode_ != AccountDialogMode::Edit;
    if (slot_ < 0) return false; // nothing to edit
    if (slot_ >= kMaxAccounts || (adding && scenario_.accounts.accountCount >= kMaxAccounts)) {
        messages_.show("Maximum number of accounts reached!", "Account Warning",
                       MessageIcon::Warning);
        return false;
    }
    Account a = draft_;
    storeFieldText(a.name, text(F::Name), kNameChars);
    auto check = [this](F id, float& out, const FieldRule& rule) {
        return passed(id, validateText(messages_, text(id), out, rule));
    };
    if (!check(F::InitialAmount, a.initialAmount, kAmountRule)) return false;
    a.balance = a.initialAmount;
    if (!check(F::Rate, a.rate, kRateRule)) return false;
    a.currentRate = a.rate;
    if (!check(F::RandomMinimumRate, a.randomMinRate, kRateRule) ||
        !check(F::RandomMaximumRate, a.randomMaxRate, kRateRule))
        return false;
    storeFieldText(a.accessOrder, text(F::AccessOrder), kAccessOrderChars);

    scenario_.accounts.accounts[slot_] = a;
    if (adding) assignAccountId(scenario_);
    session_.changed(ScenarioChange::AccountEdited);
    return true;
}

std::string AccountInfoPresenter::changeLabel() const {
    const std::string name = utf8Cut(field(F::Name).text, kNameChars);
    return std::string(dialogMode_ == AccountDialogMode::Edit ? "Edit" : "Add") + " Account '" +
           name + "'";
}

} // namespace finplan
