// The spread of one per-age value (net worth, total savings) over all trials: P10,
// P25, P50, P75 and P90 per age. Kept exactly, one float per trial and age, while
// that block is small enough; beyond that streamed into fixed-size histograms per age,
// so memory follows the number of ages, not the number of trials.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "analysis/band_selection.h"

namespace finplan {

class ExactAgeValues {
  public:
    ExactAgeValues(int ages, int trials);
    // Safe from several threads at once for different trials.
    void store(int trial, const float* values);
    // The bands select among the kept values and leave each age's values reordered.
    std::vector<AgeBands> bands();
    // The bands of one age. Safe from several threads at once for different ages, each
    // with its own selector.
    AgeBands ageBands(int age, BandSelector& selector);
    int ages() const { return ages_; }

  private:
    int ages_;
    int trials_;
    std::vector<float> values_; // age-major: the trials of one age side by side
};

// Log-spaced bins, kBinsPerDecade per factor of ten, for magnitudes from 1 to 1e13 on
// either side of zero; |v| < 1 falls into the zero bin. A percentile is placed within
// its bin and kept within the smallest and largest value seen at that age.
class AgeHistograms {
  public:
    static constexpr int kBinsPerDecade = 200;
    static constexpr int kDecades = 13;
    static constexpr int kSideBins = kBinsPerDecade * kDecades;
    static constexpr int kBins = 2 * kSideBins + 1;

    explicit AgeHistograms(int ages);
    void add(const float* values);
    // Counts add up exactly, so merging in any order gives the same histograms.
    void merge(const AgeHistograms& other);
    std::vector<AgeBands> bands() const;

    static int binOf(float v);
    static double binLow(int bin);
    static double binHigh(int bin);

  private:
    int ages_;
    int64_t count_ = 0;
    std::vector<uint32_t> counts_; // ages x kBins
    std::vector<float> min_;
    std::vector<float> max_;
};

} // namespace finplan
