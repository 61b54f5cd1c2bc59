#pragma once

#include <chrono>
#include <functional>

#include "device/owner_queue.h"

namespace devero::testing {

// Pumps the owner queue (on the owner thread) until the condition holds; false after 10 s.
inline bool PumpUntil(OwnerQueue& owner, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    owner.WaitAndRun(5);
  }
  return true;
}

}  // namespace devero::testing
