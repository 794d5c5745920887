// A random-rate range, min + (R mod (d + 1)) with d = max - min truncated: whole points
// above the minimum. What the draw needs from the range is worked out once, so a year
// of a trial draws with a multiplication, not a division.
#pragma once

#include <cstdint>

#include "engine/fast_remainder.h"
#include "model/whole_number.h"

namespace finplan {

// min + (r mod (d + 1)) in 64 bits: a negative span or draw (a damaged file, a test).
inline float drawnRateOf(float min, long long r, long long d) {
    return min + static_cast<float>(r % (d + 1));
}

class RateRange {
  public:
    RateRange() = default;
    RateRange(float min, float max)
        : min_(min), span_(wholeNumber(max - min)),
          // Ranges come from the editors (-99..99); a damaged file cannot overflow.
          inWord_(span_ >= 0 && span_ < INT32_MAX),
          remainder_(inWord_ ? static_cast<uint32_t>(span_ + 1) : 1u) {}

    // A range of minus one point gives its minimum without drawing.
    template <class Generator> [[gnu::always_inline]] float draw(Generator& random) const {
        if (span_ == -1) return min_;
        const long long r = random.next();
        if (inWord_ && r >= 0) [[likely]]
            return min_ + static_cast<float>(remainder_.of(static_cast<uint32_t>(r)));
        return drawnRateOf(min_, r, span_);
    }

  private:
    float min_ = 0;
    int span_ = -1;
    bool inWord_ = false;
    FastRemainder remainder_{};
};

// The draw of one range, worked out on the spot.
template <class Generator> float drawRandomRate(float min, float max, Generator& random) {
    return RateRange(min, max).draw(random);
}

} // namespace finplan
