// Port: the pseudo-random generator behind random-rate runs.
#pragma once

#include <cstdint>

namespace finplan {

class Random {
  public:
    virtual ~Random() = default;
    // A pseudo-random integer from 0 to 2147483647.
    virtual int32_t next() = 0;
    virtual void seed(uint32_t s) = 0;
};

// Park-Miller style generator; the same seed always gives the same sequence, on
// every platform, so seeded runs are reproducible.
class SeededRandom final : public Random {
  public:
    explicit SeededRandom(uint32_t s = 1) { seed(s); }
    void seed(uint32_t s) override { state_ = (s % 2147483646u) + 1u; }
    int32_t next() override {
        // 64-bit multiply keeps it exact; the result is 1..2147483646. The remainder by
        // 2^31 - 1 is the low 31 bits plus the rest, as 2^31 leaves 1: no division.
        const uint64_t x = static_cast<uint64_t>(state_) * 48271u;
        uint64_t r = (x & kModulus) + (x >> 31);
        if (r >= kModulus) r -= kModulus;
        state_ = static_cast<uint32_t>(r);
        return static_cast<int32_t>(state_);
    }

  private:
    static constexpr uint64_t kModulus = 2147483647u;
    uint32_t state_ = 1;
};

} // namespace finplan
