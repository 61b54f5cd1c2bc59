#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "device/group_macro_source.h"
#include "device/settings_download.h"
#include "macro/macro_record.h"
#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero {

// Runs the settings download off the window's thread, on a copy of what the record held when
// it started, so that the window goes on painting. Progress and the end come back through
// `post`, which must run its call on the thread that owns the record.
class DownloadRunner {
 public:
  using Post = std::function<void(std::function<void()>)>;
  struct Job {
    ProfileSettings settings;
    ProductDescription product;
    int product_variant = 0;
    BuiltInMacroTable built_ins;
    RapidFireTable rapid_fire;
    std::unique_ptr<GroupMacroSource> groups;
  };
  struct Callbacks {
    std::function<void(int step, int total)> progress;
    // The result and the record as the download left it (invalid function codes cleared).
    std::function<void(SettingsDownload::Result, const ProfileSettings& after)> done;
  };

  DownloadRunner(SettingsDownload& download, Post post);
  ~DownloadRunner();  // waits for a running download
  DownloadRunner(const DownloadRunner&) = delete;
  DownloadRunner& operator=(const DownloadRunner&) = delete;

  // False, doing nothing, while a download runs.
  bool Start(std::unique_ptr<Job> job, Callbacks callbacks);
  bool Running() const { return running_; }
  // Waits for the running download's thread (its `done` may still wait in the owner's queue).
  void Wait();

 private:
  SettingsDownload& download_;
  Post post_;
  std::atomic<bool> running_{false};
  std::thread worker_;
};

// The changes a download made to the function codes of `before` (its copy, now `after`),
// carried into the live record where the user has not changed that slot since.
void CarryDownloadChanges(const ProfileSettings& before, const ProfileSettings& after,
                          ProfileSettings& live);

}  // namespace devero
