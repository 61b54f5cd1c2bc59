#pragma once

#include <mutex>
#include <vector>

#include "platform/clock/clock.h"

namespace devero {

// A clock for tests: sleeping returns at once, advances the time and records the delay.
// Safe to use from several threads.
class VirtualClock final : public Clock {
 public:
  void SleepMs(int ms) override;
  int64_t NowMs() const override;
  int64_t UtcMsOfDay() const override;

  void AdvanceMs(int64_t ms);
  void SetUtcMsOfDay(int64_t ms);
  std::vector<int> Sleeps() const;
  void ClearSleeps();

 private:
  mutable std::mutex mutex_;
  int64_t now_ms_ = 0;
  int64_t utc_base_ms_ = 0;
  std::vector<int> sleeps_;
};

}  // namespace devero
