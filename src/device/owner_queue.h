#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "device/owner_dispatch.h"

namespace devero {

// An OwnerDispatch that the owner thread pumps: the CLI and tests call RunPending() or
// WaitAndRun(); a GUI sets a wake-up that posts an event whose handler calls RunPending().
// The thread that constructs it is the owner; calls made on the owner thread run at once.
class OwnerQueue final : public OwnerDispatch {
 public:
  OwnerQueue();
  ~OwnerQueue() override;
  OwnerQueue(const OwnerQueue&) = delete;
  OwnerQueue& operator=(const OwnerQueue&) = delete;

  bool RunOnOwner(std::function<void()> call, std::stop_token stop) override;

  // Owner thread: runs the calls waiting now; returns how many ran.
  int RunPending();
  // Owner thread: waits up to timeout_ms for a call, then runs what waits.
  int WaitAndRun(int timeout_ms);
  // Called on the calling thread after each call is queued. Set it before the threads start.
  void SetWakeup(std::function<void()> wakeup);
  // Drops every waiting call (its caller gets false) and refuses new ones.
  void Close();

 private:
  struct Pending;

  const std::thread::id owner_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::shared_ptr<Pending>> queue_;
  std::function<void()> wakeup_;
  bool closed_ = false;
};

}  // namespace devero
