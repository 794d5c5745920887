// n mod d without a division: a division takes the year loop more time than all the
// arithmetic of a random rate around it, and the divisor (a rate range) is known
// before the run.
#pragma once

#include <cstdint>

namespace finplan {

// n mod d by two multiplications, exact for every 32-bit n and d > 0 (the factor is
// the fraction 1/d rounded up to 64 bits, worked out once for the divisor).
class FastRemainder {
  public:
    FastRemainder() = default;
    explicit FastRemainder(uint32_t d) : divisor_(d), factor_(~uint64_t{0} / d + 1) {}
    uint32_t of(uint32_t n) const {
        const uint64_t fraction = factor_ * n;
        return static_cast<uint32_t>((static_cast<unsigned __int128>(fraction) * divisor_) >> 64);
    }

  private:
    uint32_t divisor_ = 1;
    uint64_t factor_ = 0; // of the divisor 1: every remainder is 0
};

} // namespace finplan
