#include "results/event_descriptions.h"

#include "engine/event_processing.h"
#include "engine/run_context.h"
#include "model/scenario_ops.h"
#include "model/whole_number.h"
#include "text/format.h"
#include "text/money_text.h"

namespace finplan {

namespace {

// "%-5.2f" without its padding: ages, and rates before their "%".
std::string shortNumber(float x) {
    return stripNumberText(format("%-5.2f", x));
}
std::string pct(float x) {
    return shortNumber(x) + "%";
}

std::string nameOf(const Scenario& s, int id) {
    std::string text;
    appendAccountName(s, text, id);
    return text;
}

void adjustLines(const Event& e, const char* noun, std::vector<std::string>& out) {
    if (e.oneTime != 0) return;
    if (e.applyRate != 0)
        out.push_back(formatPercent(format("        This %s will be adjusted each year by ", noun),
                                    e.applyRate));
    if (e.applyInflation != 0)
        out.push_back(format(
            "        This %s will be adjusted each year by the current inflation rate.", noun));
}

// The previous tax and inflation rates for a Fundamentals event at index.
void previousRates(const Scenario& s, int index, float& tax, float& inflation) {
    tax = s.initial.taxRate;
    inflation = s.initial.inflationRate;
    for (int k = index - 1; k >= 0; --k) {
        if (!s.events[k].is(EventKind::Fundamentals)) continue;
        tax = s.events[k].newTaxRate;
        inflation = s.events[k].newInflationRate;
        return;
    }
}

void fundamentals(const Scenario& s, int index, const std::string& desc,
                  std::vector<std::string>& out) {
    const Event& e = s.events[index];
    float tax = 0, inflation = 0;
    previousRates(s, index, tax, inflation);
    const std::string taxPart = e.newTaxRate != tax ? " Tax=" + pct(e.newTaxRate) : "";
    const std::string infPart =
        e.newInflationRate != inflation ? " Inf.=" + pct(e.newInflationRate) + " " : "";
    std::string accountPart;
    // A deleted account leaves the account part out rather than show a bare "=".
    if (e.rateAccountId != -1 && findAccountIndex(s, e.rateAccountId) >= 0)
        accountPart = nameOf(s, e.rateAccountId) + "=" + pct(e.newAccountRate);
    out.push_back(format("%5.1f %s - Rate Change: %s %s %s", e.startAge, desc.c_str(),
                         taxPart.c_str(), infPart.c_str(), accountPart.c_str()));
}

void deposit(const Scenario& s, const Event& e, const std::string& desc,
             std::vector<std::string>& out) {
    const bool once = e.oneTime != 0;
    const std::string middle = std::string(once ? " " : "/yr. ") +
                               (e.taxDeposit == 0 ? "after taxes to " : "before taxes to ") +
                               nameOf(s, e.toAccountId);
    const std::string end = once ? "." : " until age " + shortNumber(e.endAge) + ".";
    out.push_back(format("%5.1f %s - Deposit %s%s%s", e.startAge, desc.c_str(),
                         money(e.amount).c_str(), middle.c_str(), end.c_str()));
    adjustLines(e, "deposit", out);
}

void loan(const Scenario& s, const Event& e, const std::string& desc,
          std::vector<std::string>& out) {
    out.push_back(format("%5.1f %s - %s %s down at %s for %2d yrs. %s/Mon.", e.startAge,
                         desc.c_str(), money(e.amount).c_str(), money13(e.downPayment).c_str(),
                         pct(e.loanRate).c_str(), e.years, money(e.monthlyPayment).c_str()));
    out.push_back("        Loan amount deposited to " + nameOf(s, e.toAccountId));
    if (e.endAge > e.startAge)
        out.push_back(format("        Paying loan off at age %-5.2f.", e.endAge));
    const int a = findAccountIndex(s, e.toAccountId);
    if (a >= 0 && a < kMaxAccounts && s.accounts.accounts[a].is(AccountType::Asset) &&
        e.sellAge > 0 && e.sellAge > e.startAge && e.sellAge <= s.initial.endAge)
        out.push_back(format("        Selling asset at age %-5.2f.", e.sellAge));
}

void mortgage(const Scenario& s, const Event& e, const std::string& desc,
              std::vector<std::string>& out) {
    const std::string rate = pct(e.loanRate);
    const std::string years = format("%d", static_cast<int>(e.years));
    const std::string payment = money13(e.monthlyPayment);
    if (e.isRefinance != 0) {
        out.push_back(format("%5.1f %s - %s at %s for %s yrs. %s/Mon.", e.startAge, desc.c_str(),
                             money(e.amount - e.downPayment).c_str(), rate.c_str(), years.c_str(),
                             payment.c_str()));
        out.push_back(format("        Refinance - %s to equity.", money(e.downPayment).c_str()));
    } else {
        out.push_back(format("%5.1f %s - %s %s down at %s for %s yrs. %s/Mon.", e.startAge,
                             desc.c_str(), money(e.amount).c_str(), money(e.downPayment).c_str(),
                             rate.c_str(), years.c_str(), payment.c_str()));
    }
    if (e.acceleratedMode == 2)
        out.push_back(format("        An additional %s/Mon. will be applied to the principal "
                             "starting at age %3d.",
                             money(e.acceleratedPayment).c_str(), wholeNumber(s.initial.startAge)));
    else if (e.acceleratedMode == 1)
        out.push_back(format("        An Additional %s/Mon. is applied to the principal.",
                             money(e.acceleratedPayment).c_str()));
    out.push_back(formatPercent("        Appreciation rate = ", e.appreciationRate) + ".");
    if (e.yearlyPropertyTax > 0)
        out.push_back(format("        Property Taxes = %-11.2f", e.yearlyPropertyTax));
    if (e.closingCosts > 0)
        out.push_back(format("        Closing Costs = %-11.2f", e.closingCosts));
    if (e.endAge > e.startAge && e.years + e.startAge >= e.endAge && e.endAge <= e.sellAge)
        out.push_back(format("        Paying off property at age %-5.2f.", e.endAge));
    if (e.sellAge > 0 && e.sellAge > e.startAge && e.sellAge <= s.initial.endAge)
        out.push_back(format("        Selling property at age %-5.2f.", e.sellAge));
}

void transfer(const Scenario& s, const Event& e, const std::string& desc,
              std::vector<std::string>& out) {
    const bool once = e.oneTime != 0;
    const std::string amount = money(e.amount) + (once ? "" : "/yr.");
    const std::string end = once ? "." : " until age " + format("%-5.2f", e.endAge) + ".";
    out.push_back(format("%5.1f %s - Transfer %s from %s to %s%s", e.startAge, desc.c_str(),
                         amount.c_str(), nameOf(s, e.fromAccountId).c_str(),
                         nameOf(s, e.toAccountId).c_str(), end.c_str()));
    adjustLines(e, "transfer", out);
}

void withdrawal(const Event& e, const std::string& desc, std::vector<std::string>& out) {
    const bool once = e.oneTime != 0;
    const std::string amount =
        money(e.amount) + (e.useSmartWithdrawal != 0 ? "(Smart value in effect)" : "");
    const std::string end = once ? "." : " until age " + shortNumber(e.endAge) + ".";
    out.push_back(format("%5.1f %s - Withdraw %s%s%s", e.startAge, desc.c_str(), amount.c_str(),
                         once ? "" : "/yr.", end.c_str()));
    adjustLines(e, "withdrawal", out);
}

} // namespace

void describeEvent(const Scenario& s, int index, std::vector<std::string>& out) {
    if (index < 0 || index >= kMaxEvents) return;
    const Event& e = s.events[index];
    const std::string desc = eventDescription(e);
    switch (e.eventKind()) {
    case EventKind::Fundamentals:
        fundamentals(s, index, desc, out);
        break;
    case EventKind::Deposit:
        deposit(s, e, desc, out);
        break;
    case EventKind::Loan:
        loan(s, e, desc, out);
        break;
    case EventKind::Mortgage:
        mortgage(s, e, desc, out);
        break;
    case EventKind::Transfer:
        transfer(s, e, desc, out);
        break;
    case EventKind::Withdrawal:
        withdrawal(e, desc, out);
        break;
    default:
        break;
    }
}

std::vector<std::string> describeEvents(Scenario& s, bool listForm) {
    std::vector<std::string> out;
    // A run leaves the events in its own order; the lines always follow the list order.
    sortEvents(s);
    if (listForm)
        for (auto& e : s.events)
            e.listLine = 1000;
    const int n = s.usedEventCount();
    if (n == 0) return out;
    out.push_back(format("%5.1f Initial Rates %s%s", s.events[0].startAge,
                         (" Tax=" + pct(s.initial.taxRate)).c_str(),
                         (" Inflation=" + pct(s.initial.inflationRate)).c_str()));
    for (int k = 0; k < n; ++k) {
        if (listForm) s.events[k].listLine = static_cast<int16_t>(out.size());
        describeEvent(s, k, out);
    }
    return out;
}

} // namespace finplan
