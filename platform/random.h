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
class SeededRandom : public Random {
  public:
    explicit SeededRandom(uint32_t s = 1) { seed(s); }
    void seed(uint32_t s) override { state_ = (s % 2147483646u) + 1u; }
    int32_t next() override {
        // 64-bit multiply keeps it exact; the result is 1..2147483646.
        state_ = static_cast<uint32_t>((static_cast<uint64_t>(state_) * 48271u) % 2147483647u);
        return static_cast<int32_t>(state_);
    }

  private:
    uint32_t state_ = 1;
};

} // namespace finplan
