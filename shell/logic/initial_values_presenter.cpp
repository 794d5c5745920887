#include "shell/logic/initial_values_presenter.h"

#include <memory>

#include "calculators/field_text.h"
#include "calculators/field_validation.h"
#include "model/scenario_ops.h"
#include "platform/help_contexts.h"
#include "shell/logic/event_editor.h"
#include "text/money_text.h"

namespace finplan {

namespace {

const char* const kInflationText = "The inflation rate must be between -20.0% and 20.0%.";

using F = InitialValuesField;

std::string moneyText(float v) {
    return formatMoney(numberText("%-11.2f", v));
}

// The read-only rows of the account totals: the total and the average rate of each kind.
struct TotalRow {
    F total;
    const char* totalLabel;
    float InitialValues::*totalValue;
    F rate;
    const char* rateLabel;
    float InitialValues::*rateValue;
};
const TotalRow kTotalRows[] = {
    {.total = F::InvestmentSavings,
     .totalLabel = "Initial investment savings",
     .totalValue = &InitialValues::initialInvestmentSavings,
     .rate = F::InvestmentSavingsRate,
     .rateLabel = "Average rate on investment savings",
     .rateValue = &InitialValues::avgInvestmentSavingsRate},
    {.total = F::TaxFreeSavings,
     .totalLabel = "Initial tax free savings",
     .totalValue = &InitialValues::initialTaxFreeSavings,
     .rate = F::TaxFreeSavingsRate,
     .rateLabel = "Average rate on tax free savings",
     .rateValue = &InitialValues::avgTaxFreeSavingsRate},
    {.total = F::RetirementSavings,
     .totalLabel = "Initial retirement savings",
     .totalValue = &InitialValues::initialRetirementSavings,
     .rate = F::RetirementSavingsRate,
     .rateLabel = "Average rate on retirement savings",
     .rateValue = &InitialValues::avgRetirementSavingsRate},
    {.total = F::Equity,
     .totalLabel = "Initial equity",
     .totalValue = &InitialValues::initialEquity,
     .rate = F::EquityRate,
     .rateLabel = "Average equity appreciation rate",
     .rateValue = &InitialValues::avgEquityAppreciationRate},
    {.total = F::Assets,
     .totalLabel = "Initial assets",
     .totalValue = &InitialValues::initialAssets,
     .rate = F::AssetsRate,
     .rateLabel = "Average asset depreciation rate",
     .rateValue = &InitialValues::avgAssetDepreciationRate},
};

} // namespace

InitialValuesPresenter::InitialValuesPresenter(ScenarioSession& tracking, Messages& shown,
                                               Help& helpPort, const Clock& timeSource)
    : session_(tracking), scenario_(tracking.scenario), messages_(shown), help_(helpPort),
      clock_(timeSource), atOpening_(tracking.scenario.initial) {
    dialogTitle = "Initial Data";
    // The totals come from the accounts as they are now (worked out on a copy).
    auto copy = std::make_unique<Scenario>(scenario_);
    recomputeTotals(*copy);
    values_ = copy->initial;
    applyBirthdayRule();
    keepBirthday();
    const InitialValues& v = values_;
    // The column of edit boxes has always been as wide as a line of text.
    addEdit(F::StartAge, "Start Age", numberText("%-6.3f", v.startAge)).width = FieldWidth::Text;
    addEdit(F::EndAge, "End Age", numberText("%-6.2f", v.endAge));
    addEdit(F::BirthMonth, "Birth Month", wholeText("%2d", v.birthMonth));
    addEdit(F::BirthDay, "Birth Day", wholeText("%2d", v.birthDay));
    addCheck(F::UseBirthday, "Use Birthday", v.useBirthday == 1);
    for (const TotalRow& row : kTotalRows) {
        addReadOnly(row.total, row.totalLabel, moneyText(v.*row.totalValue));
        addReadOnly(row.rate, row.rateLabel, numberText("%-7.2f", v.*row.rateValue), "%");
    }
    addEdit(F::TaxRate, "Tax rate", numberText("%-7.2f", v.taxRate), "%");
    addEdit(F::InflationRate, "Inflation rate", numberText("%-7.2f", v.inflationRate), "%");
    addEdit(F::PenaltyAge, "Penalty age for retirement withdrawal",
            numberText("%-6.2f", v.penaltyAge));
    addEdit(F::PenaltyRate, "Penalty rate", numberText("%-7.2f", v.penaltyRate), "%");
    addReadOnly(F::TotalInAccounts, "Total Amount In Accounts",
                moneyText(v.initialInvestmentSavings + v.initialTaxFreeSavings +
                          v.initialRetirementSavings + v.initialEquity + v.initialAssets));
    addButton(F::Ok, "OK");
    addButton(F::Cancel, "Cancel");
    addButton(F::Help, "Help");
    cancelId = F::Cancel;
    defaultId = F::Ok;
}

void InitialValuesPresenter::applyBirthdayRule() {
    // With the rule on, the start age carries the part of a year since the birthday.
    const float whole = static_cast<float>(wholeNumber(values_.startAge));
    values_.startAge =
        values_.useBirthday == 1 ? whole + birthdayFraction(values_, clock_.now()) : whole;
}

void InitialValuesPresenter::keepBirthday() {
    InitialValues& kept = scenario_.initial;
    kept.startAge = values_.startAge;
    kept.birthMonth = values_.birthMonth;
    kept.birthDay = values_.birthDay;
    kept.useBirthday = values_.useBirthday;
}

void InitialValuesPresenter::toggle(ControlId id) {
    if (id != F::UseBirthday) return DialogPresenter::toggle(id);
    if (values_.useBirthday == 1) {
        values_.useBirthday = 0;
    } else {
        if (!readBirthday()) return; // the box stays as it was
        values_.useBirthday = 1;
    }
    field(F::UseBirthday).checked = values_.useBirthday == 1;
    applyBirthdayRule();
    keepBirthday();
    text(F::StartAge) = numberText("%-6.3f", values_.startAge);
}

bool InitialValuesPresenter::readBirthday() {
    // Each passes on its own: a month that passed stays when the day is refused.
    const FieldRule monthRule{1, 12, text_id::kBirthMonth, "BIRTH MONTH ERROR"};
    if (!passed(F::BirthMonth,
                validateText(messages_, text(F::BirthMonth), values_.birthMonth, monthRule)))
        return false;
    scenario_.initial.birthMonth = values_.birthMonth;
    const FieldRule dayRule{1, 31, text_id::kBirthDay, "BIRTH DAY ERROR"};
    if (!passed(F::BirthDay, validateText(messages_, text(F::BirthDay), values_.birthDay, dayRule)))
        return false;
    scenario_.initial.birthDay = values_.birthDay;
    return true;
}

bool InitialValuesPresenter::readFields() {
    if (!readBirthday()) return false;
    float start = 0, end = 0;
    if (!passed(F::StartAge, validateText(messages_, text(F::StartAge), start,
                                          {1, 120, text_id::kAgeDecimal, "START AGE ERROR"})) ||
        !passed(F::EndAge, validateText(messages_, text(F::EndAge), end,
                                        {1, 120, text_id::kAgeDecimal, "END AGE ERROR"})))
        return false;
    if (end < start) {
        messages_.show("The End Age must not be less than the Start Age!", "Age Range Error!",
                       MessageIcon::Error);
        return passed(F::EndAge, false);
    }
    if (end - start > 100) {
        messages_.show("The age range must be less than 100!", "Age Range Error!",
                       MessageIcon::Error);
        return passed(F::EndAge, false);
    }
    float inflation = 0, tax = 0, penaltyAge = 0, penaltyRate = 0;
    const float typedInflation = readFieldNumber(text(F::InflationRate));
    if (!(typedInflation >= -20 && typedInflation <= 20)) {
        messages_.show(kInflationText, "INFLATION RATE ERROR", MessageIcon::Error);
        return passed(F::InflationRate, false);
    }
    inflation = typedInflation;
    if (!passed(F::TaxRate, validateText(messages_, text(F::TaxRate), tax,
                                         {0, 1000, text_id::kRate, "TAX RATE ERROR"})) ||
        !passed(F::PenaltyAge, validateText(messages_, text(F::PenaltyAge), penaltyAge,
                                            {1, 120, text_id::kAgeDecimal, "PENALTY AGE ERROR"})) ||
        !passed(F::PenaltyRate, validateText(messages_, text(F::PenaltyRate), penaltyRate,
                                             {0, 1000, text_id::kRate, "PENALTY RATE ERROR"})))
        return false;
    values_.penaltyRate = penaltyRate;
    values_.penaltyAge = penaltyAge;
    values_.inflationRate = inflation;
    values_.taxRate = tax;
    values_.endAge = end;
    values_.startAge = start;
    return true;
}

Press InitialValuesPresenter::press(ControlId button) {
    if (button == F::Help) {
        help_.showContext(help::kInitialValues);
        return Press::Stay;
    }
    if (button == F::Cancel) {
        // Only the birthday rule's changes were kept: the results are stale when they
        // changed the plan, and a birthday the user typed asks to be saved.
        const InitialValues& now = scenario_.initial;
        const bool birthday = now.birthMonth != atOpening_.birthMonth ||
                              now.birthDay != atOpening_.birthDay ||
                              now.useBirthday != atOpening_.useBirthday;
        if (birthday)
            session_.changed(ScenarioChange::BirthdayKept);
        else if (now.startAge != atOpening_.startAge)
            session_.changed(ScenarioChange::StartAgeMoved);
        return Press::Reject;
    }
    if (button != F::Ok || !readFields()) return Press::Stay;
    recomputeTotals(scenario_);
    scenario_.initial = values_;
    session_.changed(ScenarioChange::InitialValuesStored);
    return Press::Accept;
}

} // namespace finplan
