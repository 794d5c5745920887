#include "analysis/age_percentiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/whole_number.h"

namespace finplan {

ExactAgeValues::ExactAgeValues(int ages, int trials)
    : ages_(ages), trials_(trials),
      values_(static_cast<std::size_t>(ages) * static_cast<std::size_t>(trials)) {}

void ExactAgeValues::store(int trial, const float* values) {
    for (int a = 0; a < ages_; ++a)
        values_[static_cast<std::size_t>(a) * trials_ + trial] = values[a];
}

std::vector<AgeBands> ExactAgeValues::bands() {
    std::vector<AgeBands> out(ages_);
    BandSelector selector;
    for (int a = 0; a < ages_; ++a)
        out[a] = ageBands(a, selector);
    return out;
}

AgeBands ExactAgeValues::ageBands(int age, BandSelector& selector) {
    return selector.bandsInPlace(values_.data() + static_cast<std::size_t>(age) * trials_, trials_);
}

AgeHistograms::AgeHistograms(int ages)
    : ages_(ages), counts_(static_cast<std::size_t>(ages) * kBins),
      min_(ages, std::numeric_limits<float>::infinity()),
      max_(ages, -std::numeric_limits<float>::infinity()) {}

int AgeHistograms::binOf(float v) {
    const double m = std::fabs(static_cast<double>(v));
    if (!(m >= 1.0)) return kSideBins; // |v| < 1 (and NaN) in the zero bin
    const int k = std::min(kSideBins - 1, wholeNumber(std::log10(m) * kBinsPerDecade));
    return v < 0 ? kSideBins - 1 - k : kSideBins + 1 + k;
}

double AgeHistograms::binLow(int bin) {
    if (bin == kSideBins) return -1.0;
    if (bin > kSideBins) return std::pow(10.0, (bin - kSideBins - 1) / double(kBinsPerDecade));
    return -std::pow(10.0, (kSideBins - bin) / double(kBinsPerDecade));
}

double AgeHistograms::binHigh(int bin) {
    if (bin == kSideBins) return 1.0;
    if (bin > kSideBins) return std::pow(10.0, (bin - kSideBins) / double(kBinsPerDecade));
    return -std::pow(10.0, (kSideBins - 1 - bin) / double(kBinsPerDecade));
}

void AgeHistograms::add(const float* values) {
    ++count_;
    for (int a = 0; a < ages_; ++a) {
        const float v = values[a];
        ++counts_[static_cast<std::size_t>(a) * kBins + binOf(v)];
        min_[a] = std::min(min_[a], v);
        max_[a] = std::max(max_[a], v);
    }
}

void AgeHistograms::merge(const AgeHistograms& other) {
    count_ += other.count_;
    for (std::size_t i = 0; i < counts_.size(); ++i)
        counts_[i] += other.counts_[i];
    for (int a = 0; a < ages_; ++a) {
        min_[a] = std::min(min_[a], other.min_[a]);
        max_[a] = std::max(max_[a], other.max_[a]);
    }
}

std::vector<AgeBands> AgeHistograms::bands() const {
    std::vector<AgeBands> out(ages_);
    if (count_ == 0) return out;
    for (int a = 0; a < ages_; ++a) {
        const uint32_t* c = counts_.data() + static_cast<std::size_t>(a) * kBins;
        for (int b = 0; b < kBandCount; ++b) {
            // The value of fractional rank h, placed evenly within its bin.
            const double h = kBandFractions[b] * static_cast<double>(count_ - 1);
            double before = 0;
            int bin = 0;
            while (bin < kBins - 1 && before + c[bin] <= h)
                before += c[bin++];
            const double within = c[bin] > 0 ? (h - before + 0.5) / c[bin] : 0.5;
            double v = binLow(bin) + within * (binHigh(bin) - binLow(bin));
            v = std::clamp(v, static_cast<double>(min_[a]), static_cast<double>(max_[a]));
            out[a][b] = static_cast<float>(v);
        }
    }
    return out;
}

} // namespace finplan
