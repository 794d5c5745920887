// Scenarios built in code for the engine and results tests.
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "engine/event_processing.h"
#include "engine/run_driver.h"
#include "model/scenario.h"
#include "model/scenario_ops.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "results/line_sinks.h"

namespace finplan::test {

enum : int16_t { kAsset = 0, kEquity = 1, kInvestment = 2, kRetirement = 3, kTaxFree = 4 };

inline std::unique_ptr<Scenario> newScenario(float startAge, float endAge, float taxRate) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->eventCount = 0;
    s->initial.startAge = startAge;
    s->initial.endAge = endAge;
    s->initial.taxRate = taxRate;
    s->initial.useBirthday = 0;
    return s;
}

inline Account& addAccount(Scenario& s, const char* name, int16_t type, float amount, float rate,
                           const char* order) {
    Account& a = s.accounts.accounts[s.accounts.accountCount];
    a = Account{};
    std::strncpy(a.name, name, sizeof a.name - 1);
    std::strncpy(a.accessOrder, order, sizeof a.accessOrder - 1);
    a.type = type;
    a.initialAmount = amount;
    a.rate = rate;
    a.balance = amount;
    a.currentRate = rate;
    a.id = static_cast<uint16_t>(s.accounts.accountCount + 1);
    s.accounts.accountCount++;
    s.accounts.nextAccountId = s.accounts.accountCount + 1;
    return a;
}

inline Event& addEvent(Scenario& s, EventKind kind, const char* description, float startAge,
                       float endAge, float amount) {
    Event& e = s.events[s.eventCount++];
    e = Event{};
    e.kind = static_cast<int16_t>(kind);
    std::strncpy(e.description, description, sizeof e.description - 1);
    e.startAge = startAge;
    e.endAge = endAge;
    e.amount = amount;
    return e;
}

// Fixed date and time for runs and plot headers: 7 December 2026, 13:05:09.
inline FixedClock testClock() {
    return FixedClock(LocalTime{2026, 12, 7, 13, 5, 9});
}

// One list-mode run; the lines of the Results list.
struct ListRun {
    ResultsList list;
    std::unique_ptr<RunState> state = std::make_unique<RunState>();
    bool ok = false;
};

inline std::unique_ptr<ListRun> runList(Scenario& s, ViewSettings view = {}, RunFlags flags = {},
                                        PlotSink* plot = nullptr, uint32_t seed = 1) {
    auto r = std::make_unique<ListRun>();
    SeededRandom random(seed);
    const FixedClock clock = testClock();
    RunRequest request;
    request.flags = flags;
    request.view = view;
    request.lines = &r->list;
    request.plot = plot;
    recomputeTotals(s);
    r->ok = runScenario(s, *r->state, request, random, clock);
    return r;
}

inline std::string dashes(int n) {
    return std::string(static_cast<std::size_t>(n), '-');
}

// An age row built from its parts: the age text, then each amount right-aligned in 15
// columns, separated by single blanks.
inline std::string ageRow(const std::string& age, const char* const (&amounts)[7]) {
    std::string row = age;
    for (int i = 0; i < 7; ++i) {
        std::string a = amounts[i];
        if (i > 0) row += ' ';
        row += std::string(a.size() < 15 ? 15 - a.size() : 0, ' ') + a;
    }
    return row;
}

} // namespace finplan::test
