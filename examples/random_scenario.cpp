// Random valid scenarios for the run fuzzer and for the scenarios the golden-output
// test is run over.
#include "examples/random_scenario.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/loan_maths.h"
#include "model/scenario_ops.h"

namespace finplan {

namespace {

class Bytes {
  public:
    Bytes(const uint8_t* d, size_t n) : data_(d), size_(n) {}
    uint32_t next() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | (pos_ < size_ ? data_[pos_++] : 0);
        return v;
    }
    int whole(int lo, int hi) {
        return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
    }
    // A value within lo..hi; one in four is a whole number.
    float value(float lo, float hi) {
        const double u = static_cast<double>(next()) / 4294967295.0;
        double v = lo + u * (static_cast<double>(hi) - lo);
        if ((next() & 3) == 0) v = std::floor(v);
        return static_cast<float>(std::clamp(v, static_cast<double>(lo), static_cast<double>(hi)));
    }
    bool flag() { return (next() & 1) != 0; }
    bool done() const { return pos_ >= size_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

void text(char* dst, size_t width, Bytes& b, const char* stem) {
    std::snprintf(dst, width, "%s %u", stem, b.next() % 1000);
}

void randomInitialValues(InitialValues& iv, Bytes& b) {
    iv.startAge = b.value(1, 120);
    iv.endAge = std::min(120.0f, iv.startAge + b.value(0, 100));
    iv.useBirthday = b.flag() ? 1 : 0;
    iv.birthMonth = static_cast<int16_t>(b.whole(1, 12));
    iv.birthDay = static_cast<int16_t>(b.whole(1, 31));
    iv.inflationRate = b.value(-20, 20);
    iv.taxRate = b.value(0, 1000);
    iv.penaltyAge = static_cast<float>(b.whole(1, 120));
    iv.penaltyRate = b.value(0, 1000);
}

void randomGroups(GroupTable& groups, Bytes& b) {
    for (int g = 0; g < kMaxGroups; ++g) {
        if (b.flag()) text(groups.groupName[g], 20, b, "G");
        groups.groupRandomMinRate[g] = b.value(-50, 100);
        groups.groupRandomMaxRate[g] = b.value(groups.groupRandomMinRate[g], 100);
    }
}

// Returns the number of accounts added.
int randomAccounts(Scenario& s, Bytes& b, int maxAccounts) {
    const int accounts = b.whole(0, maxAccounts);
    for (int i = 0; i < accounts; ++i) {
        Account& a = s.accounts.accounts[i];
        text(a.name, 30, b, "Account");
        std::snprintf(a.accessOrder, sizeof a.accessOrder, "%d", b.whole(0, 999));
        a.type = static_cast<int16_t>(b.whole(0, 4));
        a.initialAmount = b.value(0, 1e6f) * static_cast<float>(b.whole(1, 100));
        a.rate = b.value(-99, 99);
        a.randomMinRate = b.value(-99, 99); // the editor does not compare min and max
        a.randomMaxRate = b.value(-99, 99);
        a.penaltyFlag = static_cast<int16_t>(b.whole(0, 1));
        a.groupIndex = static_cast<int16_t>(b.whole(0, 9));
        s.accounts.accountCount = static_cast<int16_t>(i);
        assignAccountId(s); // counts the account in
    }
    return accounts;
}

// Mostly an existing account; sometimes one that was deleted.
int16_t randomAccountId(const Scenario& s, int accounts, Bytes& b) {
    if (accounts == 0 || b.whole(0, 9) == 0) return static_cast<int16_t>(b.whole(0, 200));
    return static_cast<int16_t>(s.accounts.accounts[b.whole(0, accounts - 1)].id);
}

void randomLoan(Event& e, Bytes& b, const Scenario& s, int accounts) {
    e.endAge = static_cast<float>(b.whole(1, 120));
    e.sellAge = static_cast<float>(b.whole(0, 120));
    e.amount = b.value(1, 1e8f);
    e.downPayment = b.value(0, e.amount);
    e.loanRate = b.value(1, 1000);
    e.years = static_cast<int16_t>(b.whole(1, 100));
    e.monthlyPayment = loanPayment(e.amount - e.downPayment, monthlyRate(e.loanRate), e.years * 12);
    if (e.is(EventKind::Loan)) {
        e.toAccountId = randomAccountId(s, accounts, b);
        return;
    }
    e.isRefinance = static_cast<int16_t>(b.whole(0, 1));
    e.applyInflation = static_cast<int16_t>(b.whole(0, 1));
    e.appreciationRate = b.value(-1000, 1000);
    e.yearlyPropertyTax = b.value(0, 1e5f);
    e.closingCosts = b.value(0, 1e5f);
    e.acceleratedPayment = b.value(0, 1e5f);
    e.acceleratedMode = static_cast<int16_t>(b.whole(0, 2));
}

// A Deposit, Transfer or Withdrawal.
void randomMovement(Event& e, Bytes& b, const Scenario& s, int accounts) {
    e.endAge = static_cast<float>(b.whole(1, 120));
    e.applyRate = b.value(-20, 20);
    e.oneTime = static_cast<int16_t>(b.whole(0, 1));
    e.amount = b.value(1, 1e8f);
    e.applyInflation = static_cast<int16_t>(b.whole(0, 1));
    if (e.is(EventKind::Transfer)) {
        e.fromAccountId = randomAccountId(s, accounts, b);
        e.toAccountId = randomAccountId(s, accounts, b);
    } else if (e.is(EventKind::Deposit)) {
        e.taxDeposit = static_cast<int16_t>(b.whole(0, 1));
        e.toAccountId = randomAccountId(s, accounts, b);
    } else {
        e.useSmartWithdrawal = static_cast<int16_t>(b.whole(0, 1));
        e.minSmartWithdrawal = b.value(0, 1e6f);
    }
}

void randomEvent(Event& e, Bytes& b, const Scenario& s, int accounts) {
    e = Event{};
    e.kind = static_cast<int16_t>(b.whole(1, 6));
    text(e.description, 50, b, "Event");
    e.startAge = static_cast<float>(b.whole(1, 120));
    switch (e.eventKind()) {
    case EventKind::Fundamentals:
        e.endAge = e.startAge;
        e.newTaxRate = b.value(0, 1000);
        e.newInflationRate = b.value(0, 1000);
        e.rateAccountId = b.flag() ? -1 : randomAccountId(s, accounts, b);
        e.newAccountRate = b.value(-99, 99);
        break;
    case EventKind::Loan:
    case EventKind::Mortgage:
        randomLoan(e, b, s, accounts);
        break;
    default:
        randomMovement(e, b, s, accounts);
        break;
    }
}

void buildScenario(Scenario& s, Bytes& b, const RandomScenarioLimits& limits) {
    resetScenario(s);
    s.eventCount = 0;
    randomInitialValues(s.initial, b);
    randomGroups(s.groups, b);
    const int accounts = randomAccounts(s, b, limits.maxAccounts);
    const int events = b.whole(0, limits.maxEvents);
    for (int k = 0; k < events && !b.done(); ++k) {
        randomEvent(s.events[k], b, s, accounts);
        s.eventCount = k + 1;
    }
    sortEvents(s);
    recomputeTotals(s);
}

} // namespace

void buildRandomScenario(Scenario& s, const uint8_t* data, std::size_t size,
                         const RandomScenarioLimits& limits) {
    Bytes b(data, size);
    buildScenario(s, b, limits);
}

} // namespace finplan
