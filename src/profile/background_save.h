#pragma once

#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

#include "profile/profile_settings.h"

namespace devero {

// The save that follows Apply: what it writes is copied on the calling thread, then written on
// a worker thread, so the caller goes on (to the download) at once.
class BackgroundSave {
 public:
  BackgroundSave() = default;
  ~BackgroundSave();
  BackgroundSave(const BackgroundSave&) = delete;
  BackgroundSave& operator=(const BackgroundSave&) = delete;

  // `first` runs on the worker before the profiles are written (it saves the selected macro
  // group and must carry its own copy of what it writes); it returns false when it failed.
  // A save still running is waited for first, so saves land in the order they were started.
  void Start(const ProfileSettings& settings, std::filesystem::path product_file,
             std::function<bool()> first = {});

  // Waits for a running save; returns whether the last save wrote everything.
  bool Wait();

 private:
  std::thread worker_;
  std::mutex mutex_;
  bool last_ok_ = true;
};

}  // namespace devero
