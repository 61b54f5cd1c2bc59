#include <sys/prctl.h>
#include <time.h>

#include <cerrno>

#include "platform/clock/clock.h"

namespace devero {

RealClock::RealClock() {
  // The default 50 us slack of every sleep would add up over hundreds of 2 ms delays.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
}

void RealClock::SleepMs(int ms) {
  if (ms <= 0) return;
  timespec deadline{};
  ::clock_gettime(CLOCK_MONOTONIC, &deadline);
  deadline.tv_sec += ms / 1000;
  deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
  if (deadline.tv_nsec >= 1000000000L) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000L;
  }
  while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
  }
}

int64_t RealClock::NowMs() const {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

int64_t RealClock::UtcMsOfDay() const {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const int64_t ms = static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  return ms % 86400000;
}

}  // namespace devero
