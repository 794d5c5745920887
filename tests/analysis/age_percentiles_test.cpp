// Percentile bands kept exactly and through histograms.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/age_percentiles.h"

namespace finplan {
namespace {

TEST(AgePercentiles, ExactBandsInterpolateBetweenTheNearestRanks) {
    // Five trials, one age: sorted 10, 20, 30, 40, 50. P10 sits at rank 0.4 (14),
    // P25 at rank 1 (20), P50 at 2 (30), P75 at 3 (40), P90 at 3.6 (46).
    ExactAgeValues values(1, 5);
    const float v[5] = {30, 50, 10, 40, 20};
    for (int t = 0; t < 5; ++t)
        values.store(t, &v[t]);
    const AgeBands b = values.bands().at(0);
    EXPECT_FLOAT_EQ(b[0], 14);
    EXPECT_FLOAT_EQ(b[1], 20);
    EXPECT_FLOAT_EQ(b[2], 30);
    EXPECT_FLOAT_EQ(b[3], 40);
    EXPECT_FLOAT_EQ(b[4], 46);
}

TEST(AgePercentiles, HistogramBinsCoverBothSignsAndZero) {
    EXPECT_EQ(AgeHistograms::binOf(0.5f), AgeHistograms::kSideBins);
    EXPECT_EQ(AgeHistograms::binOf(-0.99f), AgeHistograms::kSideBins);
    for (float v : {1.0f, 12345.67f, -98765.4f, 3e12f}) {
        const int bin = AgeHistograms::binOf(v);
        EXPECT_LE(AgeHistograms::binLow(bin), v * 1.000001) << v;
        EXPECT_GT(AgeHistograms::binHigh(bin), v * 0.999999) << v;
    }
    // Beyond the last decade everything lands in the outermost bins.
    EXPECT_EQ(AgeHistograms::binOf(1e30f), AgeHistograms::kBins - 1);
    EXPECT_EQ(AgeHistograms::binOf(-1e30f), 0);
    EXPECT_EQ(AgeHistograms::binOf(INFINITY), AgeHistograms::kBins - 1);
    EXPECT_EQ(AgeHistograms::binOf(-INFINITY), 0);
}

TEST(AgePercentiles, HistogramBandsStayWithinABinOfTheExactOnes) {
    // Net worths from -200,000 to 2,000,000 in uneven steps, three ages.
    const int trials = 2001;
    ExactAgeValues exact(3, trials);
    AgeHistograms first(3), second(3);
    for (int t = 0; t < trials; ++t) {
        const double x = static_cast<double>(t) / (trials - 1);
        const float v[3] = {static_cast<float>(-200000 + 2200000 * x * x),
                            static_cast<float>(1000 * std::sin(t)),
                            static_cast<float>(t % 7 == 0 ? -5 : 77)};
        exact.store(t, v);
        (t % 3 == 0 ? first : second).add(v); // two threads' share, merged below
    }
    first.merge(second);
    const auto e = exact.bands();
    const auto h = first.bands();
    const double binRatio = std::pow(10.0, 1.0 / AgeHistograms::kBinsPerDecade);
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < kBandCount; ++b) {
            const double tolerance = std::fabs(e[a][b]) * (binRatio - 1) + 1.0;
            EXPECT_NEAR(h[a][b], e[a][b], tolerance) << "age " << a << " band " << b;
        }
}

} // namespace
} // namespace finplan
