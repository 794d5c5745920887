#include "bench/bench_scenarios.h"

#include <cstdio>
#include <cstring>

#include <vector>

#include "engine/event_processing.h"
#include "engine/loan_maths.h"
#include "model/atomic_file.h"
#include "model/scenario_file.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

void name(char* dst, std::size_t width, const char* stem, int i) {
    std::snprintf(dst, width, "%s %d", stem, i);
}

} // namespace

std::unique_ptr<Scenario> maximumScenario() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    s->initial.startAge = 20;
    s->initial.endAge = 120;
    s->initial.taxRate = 22;
    s->initial.inflationRate = 3;
    std::strcpy(s->groups.groupName[0], "Stocks");
    s->groups.groupRandomMinRate[0] = -10;
    s->groups.groupRandomMaxRate[0] = 25;
    for (int i = 0; i < kMaxAccounts; ++i) {
        Account& a = s->accounts.accounts[i];
        name(a.name, sizeof a.name, "Account", i);
        std::snprintf(a.accessOrder, sizeof a.accessOrder, "%d", i);
        a.type = static_cast<int16_t>(i % 5);
        a.initialAmount = 10000.0f + 1000.0f * static_cast<float>(i);
        a.rate = static_cast<float>(i % 9) - 1.0f;
        a.randomMinRate = -5;
        a.randomMaxRate = 12;
        a.penaltyFlag = static_cast<int16_t>(i % 2);
        a.groupIndex = static_cast<int16_t>(i % 3);
        s->accounts.accountCount = static_cast<int16_t>(i);
        assignAccountId(*s);
    }
    for (int k = 0; k < kMaxEvents; ++k) {
        Event& e = s->events[k];
        e.kind = static_cast<int16_t>(1 + k % 6);
        name(e.description, sizeof e.description, "Event", k);
        e.startAge = static_cast<float>(20 + (k * 7) % 80);
        const int16_t account = static_cast<int16_t>(s->accounts.accounts[k % kMaxAccounts].id);
        switch (e.eventKind()) {
        case EventKind::Fundamentals:
            e.endAge = e.startAge;
            e.newTaxRate = static_cast<float>(15 + k % 10);
            e.newInflationRate = 3;
            e.rateAccountId = account;
            e.newAccountRate = 6;
            break;
        case EventKind::Loan:
        case EventKind::Mortgage:
            e.amount = e.is(EventKind::Mortgage) ? 300000.0f : 25000.0f;
            e.downPayment = e.amount * 0.2f;
            e.loanRate = 6.5f;
            e.years = static_cast<int16_t>(e.is(EventKind::Mortgage) ? 30 : 5);
            e.endAge = e.startAge + static_cast<float>(e.years);
            e.sellAge = k % 4 == 0 ? e.startAge + 12 : 0;
            e.monthlyPayment =
                loanPayment(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12);
            if (e.is(EventKind::Loan)) {
                e.toAccountId = account;
            } else {
                e.appreciationRate = 3;
                e.yearlyPropertyTax = 4000;
                e.applyInflation = 1;
                e.closingCosts = 5000;
                e.acceleratedMode = static_cast<int16_t>(k % 3);
                e.acceleratedPayment = 200;
            }
            break;
        default:
            e.amount = 5000.0f + static_cast<float>(k);
            e.endAge = e.startAge + 20;
            e.applyRate = 2;
            e.applyInflation = static_cast<int16_t>(k % 2);
            e.toAccountId = account;
            if (e.is(EventKind::Transfer))
                e.fromAccountId =
                    static_cast<int16_t>(s->accounts.accounts[(k + 2) % kMaxAccounts].id);
            if (e.is(EventKind::Withdrawal)) e.useSmartWithdrawal = 1;
            break;
        }
        s->eventCount = k + 1;
    }
    sortEvents(*s);
    recomputeTotals(*s);
    return s;
}

std::unique_ptr<Scenario> thirtyYearPlan() {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    s->initial.startAge = 65;
    s->initial.endAge = 95;
    s->initial.useBirthday = 0;
    s->initial.taxRate = 15;
    s->initial.inflationRate = 3;
    Account& a = s->accounts.accounts[0];
    std::strcpy(a.name, "Savings");
    std::strcpy(a.accessOrder, "1");
    a.type = static_cast<int16_t>(AccountType::InvestmentSavings);
    a.initialAmount = 1000000;
    a.rate = 6;
    a.randomMinRate = -10;
    a.randomMaxRate = 20;
    s->accounts.accountCount = 0;
    assignAccountId(*s);
    Event& e = s->events[0];
    e.kind = static_cast<int16_t>(EventKind::Withdrawal);
    std::strcpy(e.description, "Living costs");
    e.startAge = 65;
    e.endAge = 94;
    e.amount = 45000;
    e.applyInflation = 1;
    e.toAccountId = static_cast<int16_t>(a.id);
    s->eventCount = 1;
    recomputeTotals(*s);
    return s;
}

std::unique_ptr<Scenario> bundledExample(const char* path) {
    auto s = std::make_unique<Scenario>();
    std::vector<uint8_t> bytes;
    if (readFilePrefix(path, 1 << 20, bytes) && decodeScenario(bytes, *s) == DecodeResult::Ok) {
        sortEvents(*s);
        recomputeTotals(*s);
        return s;
    }
    return maximumScenario();
}

void runOneTrialEach(benchmark::State& bench, const TrialTemplate& t) {
    TrialRunner runner(t);
    std::vector<float> netWorth(t.ageCount), savings(t.ageCount);
    int trial = 0;
    for (auto _ : bench) {
        const TrialOutcome o = runner.run(trial++, netWorth.data(), savings.data());
        benchmark::DoNotOptimize(o.failed);
    }
}

} // namespace finplan
