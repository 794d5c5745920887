#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

#include "graphs/axis_scale.h"
#include "graphs/format_thousands.h"

namespace finplan {
namespace {

struct AxisCase {
    float minValue, maxValue;
    float axisMin, axisSpan, axisStep;
    const char* why;
};

// Worked by hand from the scaling rules (top rounded to 1.1 x its leading digits, grown
// by whole steps past the maximum, bottom lowered to put a grid line on zero).
const AxisCase kAxisCases[] = {
    {0, 5000, 0, 6050, 605, "5500 first, one step 550 more"},
    {0, 9999, 0, 12100, 1210, "11000 first, one step 1100 more"},
    {0, 1234, 0, 1430, 143, "1100 first, three steps of 110"},
    {-3000, 50000, -6380, 63800, 6380, "bottom moved 3380 down so zero is a grid line"},
    {0, 0, 0, 0.1f, 0.01f, "all zero"},
    {-3500, 0, -3600, 3960, 396, "bottom widened twice: -3300, -3600"},
};

TEST(ScaleAxis, MatchesHandWorkedRanges) {
    for (const auto& c : kAxisCases) {
        const AxisScale s = scaleAxis(c.minValue, c.maxValue);
        SCOPED_TRACE(testing::Message()
                     << c.minValue << ".." << c.maxValue << " (" << c.why << ")");
        EXPECT_FLOAT_EQ(s.axisMin, c.axisMin);
        EXPECT_FLOAT_EQ(s.axisSpan, c.axisSpan);
        EXPECT_FLOAT_EQ(s.axisStep, c.axisStep);
    }
}

// Whatever the range, every value lies on the axis: from the case the rounding rules
// left below it (-1,800 under an axis from -1,380.5) through tiny, ordinary and huge
// ranges to amounts held at the largest float.
TEST(ScaleAxis, TheAxisHoldsEveryValue) {
    std::vector<std::pair<float, float>> ranges = {
        {-1800, 1000}, {-0.05f, 0}, {-1999, 0}, {-1e38f, 3e38f}, {-FLT_MAX, FLT_MAX}, {0, FLT_MAX}};
    for (float scale : {1e-3f, 1.0f, 7.3f, 1e4f, 3.3e6f, 1e20f})
        for (float lo : {0.0f, -0.1f, -0.9f, -1.0f, -1.5f, -3.0f, -9.99f, -42.0f})
            for (float hi : {0.0f, 0.3f, 1.0f, 2.5f, 9.9f, 11.0f, 99.0f})
                ranges.emplace_back(lo * scale, hi * scale);
    for (const auto& [lo, hi] : ranges) {
        const AxisScale s = scaleAxis(lo, hi);
        SCOPED_TRACE(testing::Message() << lo << ".." << hi);
        ASSERT_TRUE(std::isfinite(s.axisMin) && std::isfinite(s.axisSpan));
        EXPECT_GT(s.axisSpan, 0);
        EXPECT_LE(s.axisMin, lo);
        EXPECT_GE(s.top(), hi);
        EXPECT_TRUE(std::isfinite(axisLevel(s, 10)));
    }
}

TEST(ScaleAxis, DamagedValuesStillGiveAnAxis) {
    const AxisScale s = scaleAxis(-INFINITY, NAN);
    EXPECT_FLOAT_EQ(s.axisSpan, 0.1f);
}

TEST(FormatThousands, GroupsTheWholePart) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"1234567.89", "1,234,567.89"},
        {"-1234.50", "-1,234.50"},
        {"999.99", "999.99"},
        {"  12 345 ", "12,345"},
        {"12a34", "12"},
        {"$1000", "$1,000"},
        {"-123", "-123"},
        {"100000", "100,000"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatThousands(c.in), c.out) << c.in;
    EXPECT_EQ(formatThousandsPadded("1000"), " 1,000");
}

TEST(FormatThousands, GroupedValueKeepsTheSignInFront) {
    EXPECT_EQ(groupedValue(-6380), "-6,380.00");
    EXPECT_EQ(groupedValue(0), "0.00");
    EXPECT_EQ(groupedValue(1234.5), "1,234.50");
}

} // namespace
} // namespace finplan
