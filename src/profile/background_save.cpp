#include "profile/background_save.h"

#include "platform/user/silent_warnings.h"
#include "profile/profile_store.h"

namespace devero {
BackgroundSave::~BackgroundSave() {
  Wait();
}

void BackgroundSave::Start(const ProfileSettings& settings, std::filesystem::path product_file,
                           std::function<bool()> first) {
  Wait();
  worker_ = std::thread([this, snapshot = settings, file = std::move(product_file),
                         first = std::move(first)]() mutable {
    bool ok = first ? first() : true;
    SilentWarnings quiet;  // nobody to tell on this thread: failures come back through Wait()
    ProfileStore store(snapshot, quiet);
    ok = store.SaveAll(file) && ok;
    std::lock_guard lock(mutex_);
    last_ok_ = ok;
  });
}

bool BackgroundSave::Wait() {
  if (worker_.joinable()) worker_.join();
  std::lock_guard lock(mutex_);
  return last_ok_;
}

}  // namespace devero
