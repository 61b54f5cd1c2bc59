#include "device/reader_thread.h"

#include <algorithm>

namespace devero {
namespace {

constexpr uint8_t kInputReportId = 6;
constexpr uint8_t kEventMacroLarger = 1;
constexpr uint8_t kEventMacroSmaller = 2;
constexpr uint8_t kEventProfileChanged = 3;
constexpr uint8_t kEventNone = 0xF0;
// Report ID, event code and state byte.
constexpr std::size_t kUsedBytes = 3;

}  // namespace

ReaderThread::ReaderThread(DeviceEventContext context) : ctx_(context) {}

ReaderThread::~ReaderThread() {
  Stop();
}

void ReaderThread::Start() {
  if (thread_.joinable()) return;
  thread_ = std::jthread([this](std::stop_token stop) {
    while (!stop.stop_requested())
      RunOnce(stop);
  });
}

void ReaderThread::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
}

void ReaderThread::RunOnce(std::stop_token stop) {
  const DeviceLink::Endpoint endpoint = ctx_.link.ReadEndpoint();
  if (!endpoint.handle.IsInvalid()) {
    buffer_.resize(std::max<std::size_t>(endpoint.caps.input_report_length, kUsedBytes));
    const hid::HidReadResult read = endpoint.handle.ReadInput(buffer_, kReadTimeoutMs);
    if (read.status == hid::HidReadStatus::kData) {
      HandleReport(std::span<const uint8_t>(buffer_).first(read.length), stop);
    }
  }
  if (!stop.stop_requested()) ctx_.clock.SleepMs(kPaceMs);
}

void ReaderThread::HandleReport(std::span<const uint8_t> report, std::stop_token stop) {
  // A report too short to carry an event and a state is not one the mouse sends.
  if (report.size() < kUsedBytes || report[0] != kInputReportId) return;
  const uint8_t code = report[1];
  const uint8_t state = report[2];
  if (code > kEventNone) {
    ctx_.flags.OnSlotEvent(code, state);
  } else if (code == kEventProfileChanged) {
    const int profile = ctx_.transport.QueryCurrentProfile();
    ctx_.owner.RunOnOwner([&] { ctx_.actions.OnProfileSwitched(profile); }, stop);
  } else if (code == kEventMacroLarger || code == kEventMacroSmaller) {
    last_direction_ = code == kEventMacroLarger ? 1 : 0;
    ctx_.actions.RedownloadLeftButtonMacro(last_direction_, stop);
  } else if (code != kEventNone) {
    ctx_.actions.RedownloadLeftButtonMacro(last_direction_, stop);
  }
}

}  // namespace devero
