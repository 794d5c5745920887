#include "analysis/band_selection.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace finplan {

namespace {

// Unsigned keys in the order of the floats (both zeros alike).
uint32_t orderKey(float v) {
    const auto bits = v == 0 ? 0u : std::bit_cast<uint32_t>(v);
    return (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
}

uint32_t binOf(float v, int binBits) {
    return orderKey(v) >> (32 - binBits);
}

struct BandRanks {
    std::array<int64_t, kBandCount> low{}; // the rank below each band's fractional rank
    std::array<double, kBandCount> fraction{};
};

BandRanks bandRanks(int64_t n) {
    BandRanks r;
    for (int b = 0; b < kBandCount; ++b) {
        const double h = kBandFractions[b] * static_cast<double>(n - 1);
        r.low[b] = static_cast<int64_t>(h);
        r.fraction[b] = h - static_cast<double>(r.low[b]);
    }
    return r;
}

float between(float lo, float hi, double fraction) {
    const double l = lo;
    const double h = hi;
    const auto v = static_cast<float>(l == h ? l : l + fraction * (h - l));
    return v + 0.0f; // no negative zero
}

} // namespace

AgeBands BandSelector::bands(const float* values, int n) {
    AgeBands out{};
    if (n <= 0) return out;
    // Below some thousands of values the counts cost more than they save.
    if (n >= kBins / 4 && selectByCounts(values, n, out)) return out;
    picked_.assign(values, values + n);
    return selectInPlace(picked_.data(), n);
}

AgeBands BandSelector::bandsInPlace(float* values, int n) {
    AgeBands out{};
    if (n <= 0) return out;
    if (n >= kBins / 4 && selectByCounts(values, n, out)) return out;
    return selectInPlace(values, n);
}

// The rank selection through counts; false when the values crowd into so few ranges
// that selecting in place is quicker.
bool BandSelector::selectByCounts(const float* values, int n, AgeBands& out) {
    counts_.assign(kBins, 0);
    int64_t numbers = 0;
    for (int i = 0; i < n; ++i) {
        if (values[i] != values[i]) continue;
        ++counts_[binOf(values[i], kBinBits)];
        ++numbers;
    }
    if (numbers == 0) return true;
    const BandRanks ranks = bandRanks(numbers);
    // Each wanted rank (low and low + 1 of every band) is found in one bin; the values
    // of those bins, sorted, hold them at their rank less the values of lower bins
    // that were left out.
    wanted_.assign(kBins, 0);
    std::array<int64_t, 2 * kBandCount> rank{};
    for (int b = 0; b < kBandCount; ++b) {
        rank[2 * b] = ranks.low[b];
        rank[2 * b + 1] = std::min(ranks.low[b] + 1, numbers - 1);
    }
    std::array<int64_t, 2 * kBandCount> index{};
    int64_t below = 0;  // values in lower bins
    int64_t picked = 0; // of them, in wanted bins
    int r = 0;
    for (int bin = 0; bin < kBins && r < 2 * kBandCount; ++bin) {
        const int64_t c = counts_[bin];
        if (c == 0 || rank[r] >= below + c) {
            below += c;
            continue;
        }
        wanted_[bin] = 1;
        for (; r < 2 * kBandCount && rank[r] < below + c; ++r)
            index[r] = rank[r] - below + picked;
        below += c;
        picked += c;
    }
    if (picked > n / 4) return false;
    picked_.clear();
    for (int i = 0; i < n; ++i)
        if (values[i] == values[i] && wanted_[binOf(values[i], kBinBits)] != 0)
            picked_.push_back(values[i]);
    std::sort(picked_.begin(), picked_.end());
    for (int b = 0; b < kBandCount; ++b)
        out[b] = between(picked_[index[2 * b]], picked_[index[2 * b + 1]], ranks.fraction[b]);
    return true;
}

AgeBands BandSelector::selectInPlace(float* values, int n) {
    AgeBands out{};
    // A value that is not a number has no rank (and would upset the selection).
    n = static_cast<int>(std::partition(values, values + n, [](float v) { return v == v; }) -
                         values);
    if (n <= 0) return out;
    const BandRanks ranks = bandRanks(n);
    // The ranks rise from band to band, so each selection only looks at the values
    // above the previous one.
    float* const end = values + n;
    float* from = values;
    for (int b = 0; b < kBandCount; ++b) {
        float* const at = values + ranks.low[b];
        if (at >= from) {
            std::nth_element(from, at, end);
            from = at + 1;
        }
        if (at + 1 >= end) {
            out[b] = between(*at, *at, 0);
            continue;
        }
        // Everything after the selected value is at least as large: the next rank is
        // their smallest.
        std::iter_swap(at + 1, std::min_element(at + 1, end));
        from = std::max(from, at + 2);
        out[b] = between(at[0], at[1], ranks.fraction[b]);
    }
    return out;
}

} // namespace finplan
