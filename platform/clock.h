// Port: today's local date and time.
#pragma once

#include <ctime>

namespace finplan {

struct LocalTime {
    int year = 2000; // e.g. 2026
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

// The system clock, in local time.
class SystemClock : public Clock {
  public:
    LocalTime now() const override {
        std::time_t t = std::time(nullptr);
        std::tm tm{};
        localtime_r(&t, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    }
};

// A clock that always tells the same time (tests).
class FixedClock : public Clock {
  public:
    explicit FixedClock(LocalTime t) : time(t) {}
    LocalTime now() const override { return time; }
    LocalTime time;
};

} // namespace finplan
