// Builds the bundled example plan in code, the way the editors would fill the
// records, and writes it with the program's own scenario writer.
//
//   make_example [OUT.ret]      (default examples/example.ret)
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "engine/loan_maths.h"
#include "examples/write_generated.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"

using namespace finplan;

namespace {

void setText(char* field, std::size_t width, const char* text) {
    std::memset(field, 0, width);
    std::strncpy(field, text, width - 1);
}

struct AccountSpec {
    const char* name;
    AccountType type;
    float amount;
    float rate;
    float randomMin;
    float randomMax;
    const char* accessOrder;
    int group;
    bool penalty;
};

// As the Account Information dialog stores a new account (mode 0); returns its id.
int addAccount(Scenario& s, const AccountSpec& spec) {
    Account& a = s.accounts.accounts[s.accounts.accountCount];
    a.type = static_cast<int16_t>(spec.type);
    const bool penaltyAllowed =
        spec.type == AccountType::RetirementSavings || spec.type == AccountType::TaxFreeSavings;
    a.penaltyFlag = (spec.penalty && penaltyAllowed) ? 1 : 0;
    a.groupIndex = static_cast<int16_t>(spec.group);
    setText(a.name, sizeof a.name, spec.name);
    a.initialAmount = a.balance = spec.amount;
    a.rate = a.currentRate = spec.rate;
    a.randomMinRate = spec.randomMin;
    a.randomMaxRate = spec.randomMax;
    setText(a.accessOrder, sizeof a.accessOrder, spec.accessOrder);
    assignAccountId(s);
    return a.id;
}

void setGroup(Scenario& s, int g, const char* name, float lo, float hi) {
    setText(s.groups.groupName[g], kGroupNameWidth, name);
    s.groups.groupRandomMinRate[g] = lo;
    s.groups.groupRandomMaxRate[g] = hi;
}

// As an editor adds an event: clear the next slot, fill it, OK.
Event& beginEvent(Scenario& s, const char* description, float startAge) {
    clearEventSlot(s, s.eventCount);
    Event& e = s.events[s.eventCount];
    setText(e.description, sizeof e.description, description);
    e.startAge = startAge;
    return e;
}

void finishEvent(Scenario& s, EventKind kind) {
    s.events[s.eventCount++].kind = static_cast<int16_t>(kind);
    sortEvents(s);
}

float paymentOf(const Event& e) {
    return loanPayment(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12);
}

void buildPlan(Scenario& s) {
    resetScenario(s);
    s.eventCount = 0;
    InitialValues& iv = s.initial;
    iv.startAge = 45.0f;
    iv.endAge = 90.0f;
    iv.birthMonth = 4;
    iv.birthDay = 12;
    iv.useBirthday = 0;
    iv.taxRate = 22.0f;
    iv.inflationRate = 3.0f;
    iv.penaltyAge = 59.0f;
    iv.penaltyRate = 10.0f;

    setGroup(s, 0, "Stocks", -25.0f, 35.0f);
    setGroup(s, 1, "Bonds", -6.0f, 12.0f);
    setGroup(s, 2, "Real Estate", -12.0f, 15.0f);
    setGroup(s, 3, "Cash", 0.5f, 4.5f);
    setGroup(s, 4, "Vehicles", 0.0f, 0.0f); // no draw: always the account's own rate

    using T = AccountType;
    const int brokerage = addAccount(
        s, {"Joint Brokerage", T::InvestmentSavings, 85000.0f, 7.0f, -20.0f, 28.0f, "2", 0, false});
    addAccount(s,
               {"Emergency Fund", T::InvestmentSavings, 25000.0f, 3.5f, 0.5f, 4.5f, "1", 3, false});
    addAccount(s,
               {"Roth IRA - Pat", T::TaxFreeSavings, 48000.0f, 7.5f, -22.0f, 30.0f, "5", 0, true});
    const int rothSam = addAccount(
        s, {"Roth IRA - Sam", T::TaxFreeSavings, 36000.0f, 6.0f, -8.0f, 14.0f, "6", 1, true});
    const int k401 = addAccount(
        s, {"401(k) - Pat", T::RetirementSavings, 310000.0f, 7.0f, -20.0f, 28.0f, "3", 0, true});
    const int iraSam = addAccount(
        s, {"IRA - Sam", T::RetirementSavings, 145000.0f, 5.5f, -6.0f, 12.0f, "4", 1, true});
    addAccount(s, {"Rental Condo", T::Equity, 180000.0f, 3.5f, -10.0f, 12.0f, "7", 2, false});
    const int cars =
        addAccount(s, {"Cars", T::Asset, 30000.0f, -15.0f, -20.0f, -10.0f, " ", 4, false});

    // A 30-year mortgage on a new home.
    {
        Event& e = beginEvent(s, "Home purchase", 47.0f);
        e.endAge = 77.0f;
        e.loanRate = 6.25f;
        e.amount = 380000.0f;
        e.yearlyPropertyTax = 4800.0f;
        e.closingCosts = 7500.0f;
        e.downPayment = 76000.0f;
        e.years = 30;
        e.appreciationRate = 3.0f;
        e.sellAge = 0.0f;
        e.applyInflation = 1;
        e.acceleratedMode = 0;
        e.isRefinance = 0;
        e.acceleratedPayment = 0.0f;
        e.monthlyPayment = paymentOf(e);
        finishEvent(s, EventKind::Mortgage);
    }
    // A car loan paid into the Cars asset.
    {
        Event& e = beginEvent(s, "New car loan", 50.0f);
        e.endAge = 55.0f;
        e.loanRate = 6.5f;
        e.amount = 35000.0f;
        e.downPayment = 5000.0f;
        e.sellAge = 0.0f;
        e.years = 5;
        e.monthlyPayment = paymentOf(e);
        e.toAccountId = static_cast<int16_t>(cars);
        e.toAccountRate = s.accounts.accounts[findAccountIndex(s, cars)].rate;
        finishEvent(s, EventKind::Loan);
    }
    // Savings from salary until retirement.
    {
        Event& e = beginEvent(s, "401(k) contributions", 45.0f);
        e.endAge = 64.0f;
        e.amount = 23000.0f;
        e.applyRate = 2.0f;
        e.toAccountId = static_cast<int16_t>(k401);
        finishEvent(s, EventKind::Deposit);
    }
    {
        Event& e = beginEvent(s, "Social Security", 67.0f);
        e.endAge = 90.0f;
        e.amount = 38000.0f;
        e.applyInflation = 1;
        e.taxDeposit = 1;
        e.toAccountId = static_cast<int16_t>(brokerage);
        finishEvent(s, EventKind::Deposit);
    }
    // Living expenses from retirement on, growing with inflation.
    {
        Event& e = beginEvent(s, "Living expenses", 65.0f);
        e.endAge = 90.0f;
        e.amount = 72000.0f;
        e.applyRate = 0.0f;
        e.applyInflation = 1;
        e.useSmartWithdrawal = 1;
        e.minSmartWithdrawal = 50000.0f;
        finishEvent(s, EventKind::Withdrawal);
    }
    {
        Event& e = beginEvent(s, "Roth conversion", 66.0f);
        e.endAge = 70.0f;
        e.amount = 20000.0f;
        e.fromAccountId = static_cast<int16_t>(iraSam);
        e.toAccountId = static_cast<int16_t>(rothSam);
        finishEvent(s, EventKind::Transfer);
    }
    // Retirement: lower taxes and a safer brokerage mix.
    {
        Event& e = beginEvent(s, "Retirement rates", 65.0f);
        e.endAge = 65.0f;
        e.newTaxRate = 18.0f;
        e.newInflationRate = 2.5f;
        e.rateAccountId = static_cast<int16_t>(brokerage);
        e.newAccountRate = 5.0f;
        finishEvent(s, EventKind::Fundamentals);
    }
    recomputeTotals(s);
}

} // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : "examples/example.ret";
    auto s = std::make_unique<Scenario>();
    buildPlan(*s);
    if (!writeGeneratedScenario(*s, out)) return 1;
    std::printf("%s: %d events, %d accounts\n", out.c_str(), s->eventCount,
                s->accounts.accountCount);
    return 0;
}
