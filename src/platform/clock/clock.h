#pragma once

#include <cstdint>

namespace devero {

// Every protocol delay and every time reading goes through a Clock, so tests can run the
// protocol without waiting and assert the delays it asked for.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual void SleepMs(int ms) = 0;
  // Monotonic milliseconds since an arbitrary start.
  virtual int64_t NowMs() const = 0;
  // Milliseconds since midnight, UTC, of the wall clock (0 .. 86 399 999).
  virtual int64_t UtcMsOfDay() const = 0;
};

// Sleeps to an absolute deadline with clock_nanosleep, so a sleep is neither cut short by a
// signal nor lengthened by the timer slack more than the kernel must.
class RealClock final : public Clock {
 public:
  RealClock();
  void SleepMs(int ms) override;
  int64_t NowMs() const override;
  int64_t UtcMsOfDay() const override;
};

}  // namespace devero
