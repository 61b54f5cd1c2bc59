#pragma once

#include <stop_token>
#include <thread>

#include "device/device_event_context.h"

namespace devero {

// Every 2 ms takes the events the reader flagged: a DPI stage reported by a DPI button of the
// current profile, and a button press (a profile button re-reads the profile; a multimedia
// button sends its consumer key). The button tables are looked up on the owner thread.
class PollerThread {
 public:
  static constexpr int kPaceMs = 2;

  explicit PollerThread(DeviceEventContext context);
  ~PollerThread();  // stops and joins
  PollerThread(const PollerThread&) = delete;
  PollerThread& operator=(const PollerThread&) = delete;

  void Start();
  void Stop();

  // One pass: the flagged events handled, then the pause. Public for tests.
  void RunOnce(std::stop_token stop);
  void PollOnce(std::stop_token stop);

 private:
  void HandleDpi(const DeviceEventFlags::Snapshot& flags, std::stop_token stop);
  void HandlePress(const DeviceEventFlags::Snapshot& flags, std::stop_token stop);

  DeviceEventContext ctx_;
  std::jthread thread_;
};

}  // namespace devero
