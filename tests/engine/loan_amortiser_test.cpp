// The carried-forward amortisation must equal the re-running form bit for bit.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/loan_amortiser.h"
#include "engine/loan_maths.h"
#include "platform/random.h"

namespace finplan {
namespace {

bool sameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Terms {
    float principal;
    float yearlyRate;
    int years;
    float extra;
    int extraFrom;
};

void expectSameAsRerun(const Terms& t, int yearsRun) {
    LoanAmortiser carried;
    LoanAmortiser withPayment; // as the engine calls it, with the payment of the loan's start
    const float r = monthlyRate(t.yearlyRate);
    const float payment = loanPayment(t.principal, r, t.years * 12);
    for (int y = 0; y < yearsRun; ++y) {
        const int first = y * 12;
        const AmortisedYear a =
            carried.year(t.principal, r, t.years * 12, first, first + 11, t.extra, t.extraFrom);
        const AmortisedYear c = withPayment.year(t.principal, r, t.years * 12, first, first + 11,
                                                 t.extra, t.extraFrom, payment);
        ASSERT_TRUE(sameBits(a.principal, c.principal) && sameBits(a.interest, c.interest));
        const AmortisedYear b =
            amortiseYear(t.principal, r, t.years * 12, first, first + 11, t.extra, t.extraFrom);
        ASSERT_TRUE(sameBits(a.principal, b.principal))
            << "principal " << t.principal << " rate " << t.yearlyRate << " years " << t.years
            << " extra " << t.extra << " year " << y << ": " << a.principal << " vs "
            << b.principal;
        ASSERT_TRUE(sameBits(a.interest, b.interest)) << "interest, year " << y;
        ASSERT_EQ(a.months, b.months) << "months, year " << y;
    }
}

TEST(LoanAmortiser, MatchesTheRerunningFormOverManyLoans) {
    SeededRandom random(12345);
    for (int k = 0; k < 300; ++k) {
        Terms t;
        t.principal = static_cast<float>(1 + random.next() % 100000000);
        t.yearlyRate = 1.0f + static_cast<float>(random.next() % 2000) / 100.0f;
        t.years = 1 + random.next() % 40;
        t.extra = (k % 3 == 0) ? 0.0f : static_cast<float>(random.next() % 100000);
        t.extraFrom = (k % 2 == 0) ? 0 : random.next() % 240;
        expectSameAsRerun(t, t.years + 3); // a few years past the term as well
    }
}

TEST(LoanAmortiser, ThirtyYearMortgageWithAndWithoutExtra) {
    expectSameAsRerun({100000.0f, 6.0f, 30, 0.0f, 0}, 32);
    expectSameAsRerun({100000.0f, 6.0f, 30, 200.0f, 0}, 32);
    expectSameAsRerun({100000.0f, 6.0f, 30, 200.0f, 60}, 32);
    expectSameAsRerun({250000.0f, 1000.0f, 100, 0.0f, 0}, 101);
}

TEST(LoanAmortiser, ChangedExtraPaymentStartsAgain) {
    // Mode 2 turns the extra payment on at the scenario's start age: the re-running
    // form then recomputes the earlier months with it.
    LoanAmortiser carried;
    const float r = monthlyRate(6.0f);
    for (int y = 0; y < 10; ++y) {
        const float x = y < 4 ? 0.0f : 300.0f;
        const int first = y * 12;
        const AmortisedYear a = carried.year(100000.0f, r, 360, first, first + 11, x, 24);
        const AmortisedYear b = amortiseYear(100000.0f, r, 360, first, first + 11, x, 24);
        EXPECT_TRUE(sameBits(a.principal, b.principal)) << "year " << y;
        EXPECT_TRUE(sameBits(a.interest, b.interest)) << "year " << y;
    }
}

TEST(LoanAmortiser, WindowThatDoesNotFollowOnStartsAgain) {
    LoanAmortiser carried;
    const float r = monthlyRate(5.0f);
    const int firsts[] = {0, 12, 36, 12, 0, 120, 48};
    for (int first : firsts) {
        const AmortisedYear a = carried.year(50000.0f, r, 120, first, first + 11, 0, 0);
        const AmortisedYear b = amortiseYear(50000.0f, r, 120, first, first + 11, 0, 0);
        EXPECT_TRUE(sameBits(a.principal, b.principal)) << "first " << first;
        EXPECT_EQ(a.months, b.months);
    }
}

} // namespace
} // namespace finplan
