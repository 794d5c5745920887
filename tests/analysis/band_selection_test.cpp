// The band selection against the plain definition: sort, then interpolate between
// the two values around rank p x (n - 1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "analysis/band_selection.h"

namespace finplan {
namespace {

AgeBands sortedBands(std::vector<float> v) {
    v.erase(std::remove_if(v.begin(), v.end(), [](float x) { return std::isnan(x); }), v.end());
    std::sort(v.begin(), v.end());
    AgeBands out{};
    if (v.empty()) return out;
    for (int b = 0; b < kBandCount; ++b) {
        const double h = kBandFractions[b] * static_cast<double>(v.size() - 1);
        const auto k = static_cast<std::size_t>(h);
        const double lo = v[k];
        const double hi = k + 1 < v.size() ? v[k + 1] : v[k];
        out[b] = static_cast<float>(lo == hi ? lo : lo + (h - static_cast<double>(k)) * (hi - lo));
    }
    return out;
}

void expectSameBands(const std::vector<float>& v, const char* what) {
    BandSelector selector;
    const AgeBands got = selector.bands(v.data(), static_cast<int>(v.size()));
    const AgeBands want = sortedBands(v);
    for (int b = 0; b < kBandCount; ++b)
        EXPECT_EQ(got[b], want[b]) << what << " band " << b << " of " << v.size();
}

TEST(BandSelection, MatchesTheSortedValuesWhateverTheirSpread) {
    std::mt19937 gen(7);
    for (int n : {1, 2, 5, 11, 1000, 16384, 50001, 100000}) {
        std::vector<float> wide(n), narrow(n), zeros(n), mixed(n);
        std::lognormal_distribution<float> money(13.0f, 1.5f);
        std::uniform_real_distribution<float> near(999000.0f, 1001000.0f);
        for (int i = 0; i < n; ++i) {
            wide[i] = (i % 3 == 0 ? -1.0f : 1.0f) * money(gen);
            narrow[i] = near(gen);
            zeros[i] = i % 10 == 0 ? money(gen) : (i % 2 == 0 ? 0.0f : -0.0f);
            mixed[i] = i % 997 == 0 ? std::numeric_limits<float>::quiet_NaN()
                       : i % 5 == 0 ? std::numeric_limits<float>::infinity()
                                    : static_cast<float>(i % 13) * 1000.0f;
        }
        expectSameBands(wide, "wide");
        expectSameBands(narrow, "narrow");
        expectSameBands(zeros, "mostly zero"); // crowded into one range: selected in place
        expectSameBands(mixed, "with gaps");
    }
}

TEST(BandSelection, NothingButNotANumberGivesZeroBands) {
    BandSelector selector;
    const std::vector<float> v(20000, std::numeric_limits<float>::quiet_NaN());
    const AgeBands b = selector.bands(v.data(), static_cast<int>(v.size()));
    for (float x : b)
        EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(selector.bands(v.data(), 0)[2], 0.0f);
}

} // namespace
} // namespace finplan
