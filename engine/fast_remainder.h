// n mod d without a division: a division takes the year loop more time than all the
// arithmetic of a random rate around it, and the divisor (a rate range) rarely changes.
#pragma once

#include <cstdint>

namespace finplan {

// n mod d by two multiplications, exact for every 32-bit n and d > 0 (the factor is
// the fraction 1/d rounded up to 64 bits). The factor is kept for the divisor last
// seen: the accounts of a plan mostly share one range.
class FastRemainder {
  public:
    uint32_t of(uint32_t n, uint32_t d) {
        if (d != divisor_) {
            divisor_ = d;
            factor_ = ~uint64_t{0} / d + 1;
        }
        const uint64_t fraction = factor_ * n;
        return static_cast<uint32_t>((static_cast<unsigned __int128>(fraction) * d) >> 64);
    }

  private:
    uint32_t divisor_ = 0; // none yet: 0 is never a divisor
    uint64_t factor_ = 0;
};

} // namespace finplan
