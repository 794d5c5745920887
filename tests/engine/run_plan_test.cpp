// The instalment table a plan works out once must give every loan year exactly what
// the re-running amortisation gives, and nothing for a year or payment it does not hold.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/run_plan.h"
#include "model/scenario_ops.h"

namespace finplan {
namespace {

struct LoanCase {
    EventKind kind;
    int16_t acceleratedMode;
    float startAge;
    int16_t years;
    float extra;    // the accelerated payment
    int extraFrom;  // the month it starts from (plan start age 45)
    int extraYears; // 1: the terms' payment only; 2: none as well (before the start age)
};

const LoanCase kCases[] = {
    {EventKind::Loan, 0, 30, 5, 0, 0, 1},
    {EventKind::Mortgage, 1, 40, 30, 200, 0, 1},
    {EventKind::Mortgage, 2, 25, 30, 150, 240, 2}, // started before the plan
    {EventKind::Mortgage, 2, 50, 15, 150, 0, 2},
    {EventKind::Loan, 0, 30, 0, 0, 0, 1}, // no years: nothing planned
};

bool sameBits(const AmortisedYear& a, const AmortisedYear& b) {
    return std::memcmp(&a.principal, &b.principal, sizeof a.principal) == 0 &&
           std::memcmp(&a.interest, &b.interest, sizeof a.interest) == 0 && a.months == b.months;
}

TEST(RunPlan, InstalmentTableGivesWhatTheLoanGivesAndNothingElse) {
    auto s = std::make_unique<Scenario>();
    resetScenario(*s);
    s->initial.startAge = 45;
    s->eventCount = 0;
    for (const LoanCase& c : kCases) {
        Event& e = s->events[s->eventCount++];
        e.kind = static_cast<int16_t>(c.kind);
        e.startAge = c.startAge;
        e.years = c.years;
        e.amount = 250000;
        e.downPayment = 50000;
        e.loanRate = 6.5f;
        e.acceleratedMode = c.acceleratedMode;
        e.acceleratedPayment = c.extra;
    }
    RunPlan plan;
    planRun(*s, plan);
    for (int k = 0; k < s->eventCount; ++k) {
        const LoanCase& c = kCases[k];
        const float r = monthlyRate(6.5f);
        const float extras[2] = {c.acceleratedMode == 2 ? 0.0f : c.extra, c.extra};
        SCOPED_TRACE(testing::Message() << "loan " << k);
        for (int v = 0; v < c.extraYears; ++v) {
            for (int y = 0; y < c.years; ++y) {
                const AmortisedYear* planned = plan.instalment(k, y * 12, extras[v], c.extraFrom);
                ASSERT_NE(planned, nullptr) << "year " << y;
                if (v == 0) {
                    EXPECT_EQ(plan.firstInstalment(k, y * 12), planned) << "year " << y;
                }
                EXPECT_TRUE(sameBits(*planned, amortiseYear(200000, r, c.years * 12, y * 12,
                                                            y * 12 + 11, extras[v], c.extraFrom)))
                    << "year " << y << " extra " << extras[v];
            }
        }
        EXPECT_EQ(plan.instalment(k, c.years * 12, extras[0], c.extraFrom), nullptr);
        EXPECT_EQ(plan.firstInstalment(k, c.years * 12), nullptr);
        EXPECT_EQ(plan.instalment(k, 6, extras[0], c.extraFrom), nullptr);
        EXPECT_EQ(plan.instalment(k, -12, extras[0], c.extraFrom), nullptr);
        EXPECT_EQ(plan.instalment(k, 0, extras[0] + 1, c.extraFrom), nullptr);
        EXPECT_EQ(plan.instalment(k, 0, extras[0], c.extraFrom + 12), nullptr);
    }
}

} // namespace
} // namespace finplan
