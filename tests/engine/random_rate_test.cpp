#include <gtest/gtest.h>

#include <set>

#include "engine/fast_remainder.h"
#include "engine/rate_range.h"
#include "engine/year_end.h"

namespace finplan {
namespace {

class FixedSequence : public Random {
  public:
    explicit FixedSequence(std::vector<int32_t> v) : values(std::move(v)) {}
    int32_t next() override { return values[i++ % values.size()]; }
    void seed(uint32_t) override {}
    std::vector<int32_t> values;
    std::size_t i = 0;
};

TEST(DrawRandomRate, WholePointsAboveTheMinimum) {
    struct Row {
        float min, max;
        int32_t r;
        float expected;
    } rows[] = {
        {2.5f, 7.0f, 0, 2.5f}, // d = 4, five outcomes
        {2.5f, 7.0f, 4, 6.5f},
        {2.5f, 7.0f, 5, 2.5f},
        {2.5f, 7.0f, 2147483647, 2.5f + 2147483647 % 5},
        {-3.0f, -3.0f, 99, -3.0f}, // d = 0
        {5.0f, 4.0f, 77, 5.0f},    // d = -1 gives the minimum
        {5.0f, 2.0f, 0, 5.0f},     // d = -3: the remainder by -2 is 0 or 1
        {5.0f, 2.0f, 1, 6.0f},
        {5.0f, 2.0f, 2147483647, 6.0f},
    };
    for (const Row& row : rows) {
        FixedSequence random({row.r});
        EXPECT_EQ(drawRandomRate(row.min, row.max, random), row.expected)
            << row.min << ".." << row.max << " R=" << row.r;
    }
}

TEST(DrawRandomRate, MinimumAboveMaximumGivesFiveOrSix) {
    SeededRandom random(7);
    std::set<float> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(drawRandomRate(5.0f, 2.0f, random));
    EXPECT_EQ(seen, (std::set<float>{5.0f, 6.0f}));
}

// The generator's remainder by 2^31 - 1 is worked out without a division: the same
// sequence as the plain remainder, from seeds at both ends of the range.
TEST(SeededRandom, SameSequenceAsThePlainRemainder) {
    for (uint32_t seed : {0u, 1u, 2147483645u, 2147483646u, 4294967295u, 123456789u}) {
        SeededRandom random(seed);
        uint64_t state = (seed % 2147483646u) + 1u;
        for (int i = 0; i < 200000; ++i) {
            state = state * 48271u % 2147483647u;
            ASSERT_EQ(random.next(), static_cast<int32_t>(state)) << seed << " step " << i;
        }
    }
}

TEST(FastRemainder, SameAsTheDivisionForEveryKindOfOperand) {
    const uint32_t numbers[] = {0u,          1u,          2u,         17u,         99u,
                                100u,        65535u,      65536u,     2147483646u, 2147483647u,
                                2147483648u, 4294967294u, 4294967295u};
    const uint32_t divisors[] = {1u,   2u,   3u,     7u,          18u,        27u,
                                 100u, 199u, 65537u, 2147483647u, 4294967295u};
    for (uint32_t d : divisors)
        for (uint32_t n : numbers)
            ASSERT_EQ(FastRemainder(d).of(n), n % d) << n << " mod " << d;
    SeededRandom random(99);
    for (int i = 0; i < 100000; ++i) {
        const auto n = static_cast<uint32_t>(random.next());
        const uint32_t d = 1u + static_cast<uint32_t>(i % 200);
        ASSERT_EQ(FastRemainder(d).of(n), n % d) << n << " mod " << d;
    }
}

} // namespace
} // namespace finplan
