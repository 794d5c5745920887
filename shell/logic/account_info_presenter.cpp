#include "shell/logic/account_info_presenter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "calculators/field_validation.h"
#include "model/scenario_ops.h"
#include "model/utf8_text.h"
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

} // namespace

AccountInfoPresenter::AccountInfoPresenter(ScenarioSession& tracking, AccountDialogMode mode,
                                           int accountSlot, Messages& messagePort)
    : session(tracking), scenario(tracking.scenario), messages(messagePort), dialogMode(mode),
      slot(accountSlot) {
    repairAccountCount(scenario);
    const int count = scenario.accounts.accountCount;
    // An edit names an account in use; a new account always takes the next free slot.
    if (mode != AccountDialogMode::Edit)
        this->slot = count;
    else if (slot < 0 || slot >= count)
        this->slot = -1;
    if (this->slot >= 0 && this->slot < kMaxAccounts)
        draft = scenario.accounts.accounts[this->slot];

    for (int g = 0; g < kMaxGroups; ++g)
        if (scenario.groups.exists(g)) groupOfChoice.push_back(g);
    std::stable_sort(groupOfChoice.begin(), groupOfChoice.end(), [&](int a, int b) {
        return std::strcmp(scenario.groups.groupName[a], scenario.groups.groupName[b]) < 0;
    });
    for (int g : groupOfChoice)
        groupChoices.emplace_back(fieldText(scenario.groups.groupName[g]));

    if (mode == AccountDialogMode::Add) {
        draft.type = static_cast<int16_t>(AccountType::Asset);
        draft.penaltyFlag = 0;
        // A freed slot still holds the deleted account's bytes; its group must not
        // pass silently to the new account.
        draft.groupIndex = 0;
        return;
    }
    texts.name = std::string(fieldText(draft.name));
    texts.initialAmount = shown("%-13.2f", draft.initialAmount);
    texts.rate = shown("%-8.3f", draft.rate);
    texts.randomMinRate = shown("%-8.3f", draft.randomMinRate);
    texts.randomMaxRate = shown("%-8.3f", draft.randomMaxRate);
    texts.accessOrder = std::string(fieldText(draft.accessOrder));
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
}

int AccountInfoPresenter::groupPosition() const {
    const auto it = std::find(groupOfChoice.begin(), groupOfChoice.end(), draft.groupIndex);
    return it == groupOfChoice.end() ? -1 : static_cast<int>(it - groupOfChoice.begin());
}

void AccountInfoPresenter::chooseGroup(int position) {
    if (position < 0 || position >= static_cast<int>(groupOfChoice.size())) return;
    draft.groupIndex = static_cast<int16_t>(groupOfChoice[position]);
}

bool AccountInfoPresenter::penaltyUsable() const {
    return isPenaltyType(draft.type);
}

void AccountInfoPresenter::clickPenalty() {
    draft.penaltyFlag = penaltyUsable() && draft.penaltyFlag != 1 ? 1 : 0;
}

bool AccountInfoPresenter::ok() {
    refused = {};
    const bool adding = dialogMode != AccountDialogMode::Edit;
    if (slot < 0) return false; // nothing to edit
    if (slot >= kMaxAccounts || (adding && scenario.accounts.accountCount >= kMaxAccounts)) {
        messages.show("Maximum number of accounts reached!", "Account Warning",
                      MessageIcon::Warning);
        return false;
    }
    Account a = draft;
    storeFieldText(a.name, texts.name, kNameChars);
    refused = AccountInfoField::InitialAmount;
    if (!validateText(messages, texts.initialAmount, a.initialAmount, kAmountRule)) return false;
    a.balance = a.initialAmount;
    refused = AccountInfoField::Rate;
    if (!validateText(messages, texts.rate, a.rate, kRateRule)) return false;
    a.currentRate = a.rate;
    refused = AccountInfoField::RandomMinimumRate;
    if (!validateText(messages, texts.randomMinRate, a.randomMinRate, kRateRule)) return false;
    refused = AccountInfoField::RandomMaximumRate;
    if (!validateText(messages, texts.randomMaxRate, a.randomMaxRate, kRateRule)) return false;
    refused = {};
    storeFieldText(a.accessOrder, texts.accessOrder, kAccessOrderChars);

    scenario.accounts.accounts[slot] = a;
    if (adding) assignAccountId(scenario);
    session.changed(ScenarioChange::AccountEdited);
    return true;
}

std::string AccountInfoPresenter::changeLabel() const {
    const std::string name = utf8Cut(texts.name, kNameChars);
    return std::string(dialogMode == AccountDialogMode::Edit ? "Edit" : "Add") + " Account '" +
           name + "'";
}

} // namespace finplan
