#pragma once

#include <array>
#include <functional>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "device/device_event_actions.h"

namespace devero::testing {

// Button tables of four profiles and a record of every change, as the application would keep
// them. Remembers on which threads the calls came.
class FakeDeviceEventActions : public DeviceEventActions {
 public:
  FakeDeviceEventActions() {
    for (int i = 0; i < 9; ++i)
      key_map_[static_cast<std::size_t>(i)] = i + 1;
  }

  // Setup (before the threads start).
  void SetFunction(int profile, int button, int code) { At(function_, profile, button) = code; }
  void SetDpiButton(int profile, int button) { At(dpi_, profile, button) = true; }
  void SetKeyMap(int button, int map) { key_map_[static_cast<std::size_t>(button)] = map; }
  std::function<void()> on_load_dpi_level;

  // What happened.
  std::vector<int> ProfileSwitches() const { return Locked(profile_switches_); }
  std::vector<int> DpiLevels() const { return Locked(dpi_levels_); }
  std::vector<int> Redownloads() const { return Locked(redownloads_); }
  std::set<std::thread::id> OwnerCallThreads() const { return Locked(owner_threads_); }
  std::set<std::thread::id> RedownloadThreads() const { return Locked(redownload_threads_); }
  int DpiLevelLoads() const { return Locked(dpi_level_loads_); }
  int CurrentProfile() const { return Locked(current_profile_); }

  int KeyNum() override { return Owner(9); }
  int KeyMap(int button) override { return Owner(key_map_[Index(button)]); }
  bool IsDpiButton(int button) override { return Owner(At(dpi_, Current(), button)); }
  bool IsProfileButton(int button) override {
    const int code = At(function_, Current(), button);
    return Owner(code >= 19 && code <= 22);
  }
  int ButtonFunction(int button) override { return Owner(At(function_, Current(), button)); }
  uint16_t ConsumerUsage(int index) override { return Owner(uint16_t(0x0C00 + index)); }
  void OnProfileSwitched(int profile) override {
    std::lock_guard lock(mutex_);
    owner_threads_.insert(std::this_thread::get_id());
    current_profile_ = profile;
    profile_switches_.push_back(profile);
  }
  void OnDpiStageSwitched(int level) override {
    std::lock_guard lock(mutex_);
    owner_threads_.insert(std::this_thread::get_id());
    dpi_levels_.push_back(level);
  }
  ColorLevels DpiStageColor(int stage) override {
    return Owner(ColorLevels{stage, stage + 1, stage + 2});
  }
  LightingQuickSet LightingForQuickSet() override {
    LightingQuickSet l;
    l.cycleColorEnable = {1, 1, 0, 0, 0, 0, 0};
    l.ledType = 2;
    return Owner(l);
  }
  void LoadDpiLevelFromProductFile() override {
    {
      std::lock_guard lock(mutex_);
      owner_threads_.insert(std::this_thread::get_id());
      ++dpi_level_loads_;
    }
    if (on_load_dpi_level) on_load_dpi_level();
  }
  void RedownloadLeftButtonMacro(int direction, std::stop_token) override {
    std::lock_guard lock(mutex_);
    redownload_threads_.insert(std::this_thread::get_id());
    redownloads_.push_back(direction);
  }

 private:
  using Table = std::array<std::array<int, 9>, 4>;
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
  static int& At(Table& t, int profile, int button) { return t[Index(profile)][Index(button)]; }
  template <typename T>
  T Owner(T value) {
    std::lock_guard lock(mutex_);
    owner_threads_.insert(std::this_thread::get_id());
    return value;
  }
  template <typename T>
  T Locked(const T& value) const {
    std::lock_guard lock(mutex_);
    return value;
  }
  int Current() const { return Locked(current_profile_); }

  mutable std::mutex mutex_;
  Table function_{};
  Table dpi_{};
  std::array<int, 9> key_map_{};
  int current_profile_ = 0;
  std::vector<int> profile_switches_;
  std::vector<int> dpi_levels_;
  std::vector<int> redownloads_;
  std::set<std::thread::id> owner_threads_;
  std::set<std::thread::id> redownload_threads_;
  int dpi_level_loads_ = 0;
};

}  // namespace devero::testing
