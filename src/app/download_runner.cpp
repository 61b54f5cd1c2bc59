#include "app/download_runner.h"

namespace devero {

DownloadRunner::DownloadRunner(SettingsDownload& download, Post post)
    : download_(download), post_(std::move(post)) {}

DownloadRunner::~DownloadRunner() {
  Wait();
}

void DownloadRunner::Wait() {
  if (worker_.joinable()) worker_.join();
}

bool DownloadRunner::Start(std::unique_ptr<Job> job, Callbacks callbacks) {
  if (running_) return false;
  Wait();
  running_ = true;
  worker_ = std::thread([this, job = std::move(job), callbacks = std::move(callbacks)]() mutable {
    download_.progress = [this, &callbacks](int step, int total) {
      if (callbacks.progress)
        post_([progress = callbacks.progress, step, total] { progress(step, total); });
    };
    DownloadContext ctx{job->settings,  job->product,    job->product_variant,
                        job->built_ins, job->rapid_fire, *job->groups};
    const SettingsDownload::Result result = download_.Run(ctx);
    download_.progress = nullptr;
    auto after = std::make_shared<ProfileSettings>(job->settings);
    running_ = false;
    if (callbacks.done) post_([done = callbacks.done, result, after] { done(result, *after); });
  });
  return true;
}

void CarryDownloadChanges(const ProfileSettings& before, const ProfileSettings& after,
                          ProfileSettings& live) {
  for (int p = 0; p < kProfileCount; ++p) {
    for (int s = 0; s < kSlotCount; ++s) {
      const int32_t was = before.buttonFunction[p][s];
      const int32_t now = after.buttonFunction[p][s];
      if (now != was && live.buttonFunction[p][s] == was) live.buttonFunction[p][s] = now;
    }
  }
}

}  // namespace devero
