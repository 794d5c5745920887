// Picks the values at the ranks the percentile bands need out of one age's values,
// without sorting them: a count of the values by their leading bits finds the few
// narrow ranges that hold those ranks, and only the values within them are sorted.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace finplan {

inline constexpr int kBandCount = 5;
inline constexpr std::array<double, kBandCount> kBandFractions{0.10, 0.25, 0.50, 0.75, 0.90};

using AgeBands = std::array<float, kBandCount>; // P10, P25, P50, P75, P90 of one age

// Each band is the fractional rank p x (n - 1) placed between the two nearest values
// of the sorted values; values that are not numbers are left out. One selector per
// thread: it keeps its working space between calls.
class BandSelector {
  public:
    AgeBands bands(const float* values, int n);
    // The same bands, selected among the values themselves (their order changes), so
    // values nobody needs afterwards are not copied first.
    AgeBands bandsInPlace(float* values, int n);

  private:
    static constexpr int kBinBits = 16;
    static constexpr int kBins = 1 << kBinBits;
    bool selectByCounts(const float* values, int n, AgeBands& out);
    AgeBands selectInPlace(float* values, int n);

    std::vector<uint32_t> counts_;
    std::vector<uint8_t> wanted_;
    std::vector<float> picked_;
};

} // namespace finplan
