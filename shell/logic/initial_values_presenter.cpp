#include "shell/logic/initial_values_presenter.h"

#include <memory>

#include "calculators/field_text.h"
#include "calculators/field_validation.h"
#include "model/scenario_ops.h"
#include "shell/logic/event_editor.h"
#include "text/money_text.h"

namespace finplan {

namespace {

const char* const kInflationText = "The inflation rate must be between -20.0% and 20.0%.";

std::string moneyText(float v) {
    return formatMoney(numberText("%-11.2f", v));
}

} // namespace

InitialValuesPresenter::InitialValuesPresenter(ScenarioSession& tracking, Messages& shown,
                                               Help& helpPort, const Clock& timeSource)
    : session(tracking), scenario(tracking.scenario), messages(shown), help(helpPort),
      clock(timeSource), atOpening(tracking.scenario.initial) {
    dialogTitle = "Initial Data";
    // The totals come from the accounts as they are now (worked out on a copy).
    auto copy = std::make_unique<Scenario>(scenario);
    recomputeTotals(*copy);
    values = copy->initial;
    applyBirthdayRule();
    keepBirthday();
    const InitialValues& v = values;
    addEdit(kStartAge, "Start Age", numberText("%-6.3f", v.startAge));
    addEdit(kEndAge, "End Age", numberText("%-6.2f", v.endAge));
    addEdit(kBirthMonth, "Birth Month", wholeText("%2d", v.birthMonth));
    addEdit(kBirthDay, "Birth Day", wholeText("%2d", v.birthDay));
    addCheck(kUseBirthday, "Use Birthday", v.useBirthday == 1);
    const std::pair<const char*, float> totals[] = {
        {"Initial investment savings", v.initialInvestmentSavings},
        {"Initial tax free savings", v.initialTaxFreeSavings},
        {"Initial retirement savings", v.initialRetirementSavings},
        {"Initial equity", v.initialEquity},
        {"Initial assets", v.initialAssets}};
    const std::pair<const char*, float> rates[] = {
        {"Average rate on investment savings", v.avgInvestmentSavingsRate},
        {"Average rate on tax free savings", v.avgTaxFreeSavingsRate},
        {"Average rate on retirement savings", v.avgRetirementSavingsRate},
        {"Average equity appreciation rate", v.avgEquityAppreciationRate},
        {"Average asset depreciation rate", v.avgAssetDepreciationRate}};
    const int totalIds[] = {117, 120, 104, 106, 114}, rateIds[] = {118, 121, 105, 109, 119};
    for (int i = 0; i < 5; ++i) {
        addReadOnly(totalIds[i], totals[i].first, moneyText(totals[i].second));
        addReadOnly(rateIds[i], rates[i].first, numberText("%-7.2f", rates[i].second), "%");
    }
    addEdit(kTaxRate, "Tax rate", numberText("%-7.2f", v.taxRate), "%");
    addEdit(kInflationRate, "Inflation rate", numberText("%-7.2f", v.inflationRate), "%");
    addEdit(kPenaltyAge, "Penalty age for retirement withdrawal",
            numberText("%-6.2f", v.penaltyAge));
    addEdit(kPenaltyRate, "Penalty rate", numberText("%-7.2f", v.penaltyRate), "%");
    addReadOnly(123, "Total Amount In Accounts",
                moneyText(v.initialInvestmentSavings + v.initialTaxFreeSavings +
                          v.initialRetirementSavings + v.initialEquity + v.initialAssets));
    addButton(kOk, "OK");
    addButton(kCancel, "Cancel");
    addButton(kHelp, "Help");
    cancelId = kCancel;
    defaultId = kOk;
}

void InitialValuesPresenter::applyBirthdayRule() {
    // With the rule on, the start age carries the part of a year since the birthday.
    const float whole = static_cast<float>(wholeNumber(values.startAge));
    values.startAge =
        values.useBirthday == 1 ? whole + birthdayFraction(values, clock.now()) : whole;
}

void InitialValuesPresenter::keepBirthday() {
    InitialValues& kept = scenario.initial;
    kept.startAge = values.startAge;
    kept.birthMonth = values.birthMonth;
    kept.birthDay = values.birthDay;
    kept.useBirthday = values.useBirthday;
}

void InitialValuesPresenter::toggle(int id) {
    if (id != kUseBirthday) return DialogPresenter::toggle(id);
    if (values.useBirthday == 1) {
        values.useBirthday = 0;
    } else {
        if (!readBirthday()) return; // the box stays as it was
        values.useBirthday = 1;
    }
    field(kUseBirthday).checked = values.useBirthday == 1;
    applyBirthdayRule();
    keepBirthday();
    text(kStartAge) = numberText("%-6.3f", values.startAge);
}

bool InitialValuesPresenter::readBirthday() {
    // Each passes on its own: a month that passed stays when the day is refused.
    const FieldRule monthRule{1, 12, text_id::kBirthMonth, "BIRTH MONTH ERROR"};
    if (!passed(kBirthMonth,
                validateText(messages, text(kBirthMonth), values.birthMonth, monthRule)))
        return false;
    scenario.initial.birthMonth = values.birthMonth;
    const FieldRule dayRule{1, 31, text_id::kBirthDay, "BIRTH DAY ERROR"};
    if (!passed(kBirthDay, validateText(messages, text(kBirthDay), values.birthDay, dayRule)))
        return false;
    scenario.initial.birthDay = values.birthDay;
    return true;
}

bool InitialValuesPresenter::readFields() {
    if (!readBirthday()) return false;
    float start = 0, end = 0;
    if (!passed(kStartAge, validateText(messages, text(kStartAge), start,
                                        {1, 120, text_id::kAgeDecimal, "START AGE ERROR"})) ||
        !passed(kEndAge, validateText(messages, text(kEndAge), end,
                                      {1, 120, text_id::kAgeDecimal, "END AGE ERROR"})))
        return false;
    if (end < start) {
        messages.show("The End Age must not be less than the Start Age!", "Age Range Error!",
                      MessageIcon::Error);
        return passed(kEndAge, false);
    }
    if (end - start > 100) {
        messages.show("The age range must be less than 100!", "Age Range Error!",
                      MessageIcon::Error);
        return passed(kEndAge, false);
    }
    float inflation = 0, tax = 0, penaltyAge = 0, penaltyRate = 0;
    const float typedInflation = readFieldNumber(text(kInflationRate));
    if (!(typedInflation >= -20 && typedInflation <= 20)) {
        messages.show(kInflationText, "INFLATION RATE ERROR", MessageIcon::Error);
        return passed(kInflationRate, false);
    }
    inflation = typedInflation;
    if (!passed(kTaxRate, validateText(messages, text(kTaxRate), tax,
                                       {0, 1000, text_id::kRate, "TAX RATE ERROR"})) ||
        !passed(kPenaltyAge, validateText(messages, text(kPenaltyAge), penaltyAge,
                                          {1, 120, text_id::kAgeDecimal, "PENALTY AGE ERROR"})) ||
        !passed(kPenaltyRate, validateText(messages, text(kPenaltyRate), penaltyRate,
                                           {0, 1000, text_id::kRate, "PENALTY RATE ERROR"})))
        return false;
    values.penaltyRate = penaltyRate;
    values.penaltyAge = penaltyAge;
    values.inflationRate = inflation;
    values.taxRate = tax;
    values.endAge = end;
    values.startAge = start;
    return true;
}

Press InitialValuesPresenter::press(int button) {
    if (button == kHelp) {
        help.showContext(517);
        return Press::Stay;
    }
    if (button == kCancel) {
        // Only the birthday rule's changes were kept: the results are stale when they
        // changed the plan, and a birthday the user typed asks to be saved.
        const InitialValues& now = scenario.initial;
        const bool birthday = now.birthMonth != atOpening.birthMonth ||
                              now.birthDay != atOpening.birthDay ||
                              now.useBirthday != atOpening.useBirthday;
        if (birthday)
            session.changed(ScenarioChange::BirthdayKept);
        else if (now.startAge != atOpening.startAge)
            session.changed(ScenarioChange::StartAgeMoved);
        return Press::Reject;
    }
    if (button != kOk || !readFields()) return Press::Stay;
    recomputeTotals(scenario);
    scenario.initial = values;
    session.changed(ScenarioChange::InitialValuesStored);
    return Press::Accept;
}

} // namespace finplan
