#include "device/owner_queue.h"

#include <chrono>

namespace devero {

struct OwnerQueue::Pending {
  enum class State { kQueued, kRunning, kDone, kDropped };
  std::function<void()> call;
  State state = State::kQueued;
};

OwnerQueue::OwnerQueue() : owner_(std::this_thread::get_id()) {}

OwnerQueue::~OwnerQueue() {
  Close();
}

void OwnerQueue::SetWakeup(std::function<void()> wakeup) {
  std::lock_guard lock(mutex_);
  wakeup_ = std::move(wakeup);
}

bool OwnerQueue::RunOnOwner(std::function<void()> call, std::stop_token stop) {
  if (std::this_thread::get_id() == owner_) {
    call();
    return true;
  }
  auto pending = std::make_shared<Pending>();
  pending->call = std::move(call);
  std::function<void()> wakeup;
  {
    std::lock_guard lock(mutex_);
    if (closed_ || stop.stop_requested()) return false;
    queue_.push_back(pending);
    wakeup = wakeup_;
  }
  changed_.notify_all();
  if (wakeup) wakeup();

  // Registered without the lock held: it may run at once, and it takes the lock itself.
  std::stop_callback on_stop(stop, [this] {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
  });
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] {
    return pending->state == Pending::State::kDone || pending->state == Pending::State::kDropped ||
           (pending->state == Pending::State::kQueued && stop.stop_requested());
  });
  if (pending->state == Pending::State::kQueued) pending->state = Pending::State::kDropped;
  return pending->state == Pending::State::kDone;
}

int OwnerQueue::RunPending() {
  std::unique_lock lock(mutex_);
  std::deque<std::shared_ptr<Pending>> batch;
  batch.swap(queue_);
  int ran = 0;
  for (const auto& pending : batch) {
    if (pending->state != Pending::State::kQueued) continue;
    pending->state = Pending::State::kRunning;
    lock.unlock();
    pending->call();
    lock.lock();
    pending->state = Pending::State::kDone;
    pending->call = nullptr;
    ++ran;
    changed_.notify_all();
  }
  return ran;
}

int OwnerQueue::WaitAndRun(int timeout_ms) {
  {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                      [&] { return !queue_.empty() || closed_; });
  }
  return RunPending();
}

void OwnerQueue::Close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  for (const auto& pending : queue_) {
    if (pending->state == Pending::State::kQueued) pending->state = Pending::State::kDropped;
  }
  queue_.clear();
  changed_.notify_all();
}

}  // namespace devero
