#include "profile/background_save.h"

#include "platform/user/warning_service.h"
#include "profile/profile_store.h"

namespace devero {
namespace {

// The worker has nobody to show a warning to; failures are reported through Wait().
class NoWarnings : public WarningService {
 public:
  int ShowWarning(const std::u16string&) override { return 1; }
  int ShowQuestion(const std::u16string&) override { return 0; }
};

}  // namespace

BackgroundSave::~BackgroundSave() {
  Wait();
}

void BackgroundSave::Start(const ProfileSettings& settings, std::filesystem::path product_file,
                           std::function<bool()> first) {
  Wait();
  worker_ = std::thread([this, snapshot = settings, file = std::move(product_file),
                         first = std::move(first)]() mutable {
    bool ok = first ? first() : true;
    NoWarnings quiet;
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
