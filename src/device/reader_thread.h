#pragma once

#include <cstdint>
#include <span>
#include <stop_token>
#include <thread>
#include <vector>

#include "device/device_event_context.h"

namespace devero {

// Reads the mouse's input reports (report ID 6) and acts on them: button events become flags
// for the poller, a profile change on the mouse is read back and handed to the owner, the
// left-button macro requests re-download that macro. Paces itself 2 ms after every read.
class ReaderThread {
 public:
  // The longest a read blocks, which bounds how long Stop() waits.
  static constexpr int kReadTimeoutMs = 50;
  static constexpr int kPaceMs = 2;

  explicit ReaderThread(DeviceEventContext context);
  ~ReaderThread();  // stops and joins
  ReaderThread(const ReaderThread&) = delete;
  ReaderThread& operator=(const ReaderThread&) = delete;

  void Start();
  void Stop();

  // One pass of the loop: one read (unless the read handle failed to open), its report
  // handled, the pause. Public so that tests can drive the loop without the thread.
  void RunOnce(std::stop_token stop);
  void HandleReport(std::span<const uint8_t> report, std::stop_token stop);

 private:
  DeviceEventContext ctx_;
  std::vector<uint8_t> buffer_;
  int last_direction_ = 0;
  std::jthread thread_;
};

}  // namespace devero
