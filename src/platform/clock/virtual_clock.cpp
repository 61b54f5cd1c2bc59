#include "platform/clock/virtual_clock.h"

namespace devero {

void VirtualClock::SleepMs(int ms) {
  std::lock_guard lock(mutex_);
  sleeps_.push_back(ms);
  if (ms > 0) now_ms_ += ms;
}

int64_t VirtualClock::NowMs() const {
  std::lock_guard lock(mutex_);
  return now_ms_;
}

int64_t VirtualClock::UtcMsOfDay() const {
  std::lock_guard lock(mutex_);
  return (utc_base_ms_ + now_ms_) % 86400000;
}

void VirtualClock::AdvanceMs(int64_t ms) {
  std::lock_guard lock(mutex_);
  now_ms_ += ms;
}

void VirtualClock::SetUtcMsOfDay(int64_t ms) {
  std::lock_guard lock(mutex_);
  utc_base_ms_ = ((ms - now_ms_) % 86400000 + 86400000) % 86400000;
}

std::vector<int> VirtualClock::Sleeps() const {
  std::lock_guard lock(mutex_);
  return sleeps_;
}

void VirtualClock::ClearSleeps() {
  std::lock_guard lock(mutex_);
  sleeps_.clear();
}

}  // namespace devero
