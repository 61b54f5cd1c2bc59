#include "device/poller_thread.h"

#include <vector>

namespace devero {
namespace {

constexpr int kSlotEventBase = 0xF0;
constexpr int kFirstMultimediaCode = 23;
constexpr int kLastMultimediaCode = 32;

}  // namespace

PollerThread::PollerThread(DeviceEventContext context) : ctx_(context) {}

PollerThread::~PollerThread() {
  Stop();
}

void PollerThread::Start() {
  if (thread_.joinable()) return;
  thread_ = std::jthread([this](std::stop_token stop) {
    while (!stop.stop_requested())
      RunOnce(stop);
  });
}

void PollerThread::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
}

void PollerThread::RunOnce(std::stop_token stop) {
  PollOnce(stop);
  if (!stop.stop_requested()) ctx_.clock.SleepMs(kPaceMs);
}

void PollerThread::PollOnce(std::stop_token stop) {
  const DeviceEventFlags::Snapshot flags = ctx_.flags.Current();
  if (flags.dpi_pending) HandleDpi(flags, stop);
  if (flags.press_pending) HandlePress(flags, stop);
}

void PollerThread::HandleDpi(const DeviceEventFlags::Snapshot& flags, std::stop_token stop) {
  const int level = flags.dpi_state & 7;
  DeviceEventActions& actions = ctx_.actions;
  const bool ran = ctx_.owner.RunOnOwner(
      [&] {
        const int key_num = actions.KeyNum();
        for (int i = 0; i < key_num; ++i) {
          if (actions.KeyMap(i) + kSlotEventBase == flags.dpi_event && actions.IsDpiButton(i)) {
            actions.OnDpiStageSwitched(level);
          }
        }
      },
      stop);
  if (ran) ctx_.flags.ClearDpi(flags.dpi_sequence);
}

void PollerThread::HandlePress(const DeviceEventFlags::Snapshot& flags, std::stop_token stop) {
  DeviceEventActions& actions = ctx_.actions;
  std::vector<int> buttons;
  if (!ctx_.owner.RunOnOwner(
          [&] {
            const int key_num = actions.KeyNum();
            for (int i = 0; i < key_num; ++i) {
              if (actions.KeyMap(i) + kSlotEventBase == flags.press_event) buttons.push_back(i);
            }
          },
          stop)) {
    return;
  }
  for (int button : buttons) {
    bool profile_button = false;
    if (!ctx_.owner.RunOnOwner([&] { profile_button = actions.IsProfileButton(button); }, stop)) {
      return;
    }
    if (profile_button) {
      const int profile = ctx_.transport.QueryCurrentProfile();
      if (!ctx_.owner.RunOnOwner([&] { actions.OnProfileSwitched(profile); }, stop)) return;
    }
    // The function is taken in the profile now in force, which the switch may have changed.
    uint16_t usage = 0;
    bool multimedia = false;
    if (!ctx_.owner.RunOnOwner(
            [&] {
              const int code = actions.ButtonFunction(button);
              multimedia = code >= kFirstMultimediaCode && code <= kLastMultimediaCode;
              if (multimedia) usage = actions.ConsumerUsage(code - kFirstMultimediaCode);
            },
            stop)) {
      return;
    }
    if (multimedia) ctx_.transport.SendConsumerKey(usage);
  }
  ctx_.flags.ClearPress();
}

}  // namespace devero
