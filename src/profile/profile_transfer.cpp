#include "profile/profile_transfer.h"

#include "platform/fs/file_ops.h"

namespace devero {

bool ProfileTransfer::Import() {
  FileChoiceRequest request;
  request.mode = FileChoiceRequest::Mode::kOpen;
  request.filter = kImportFilter;
  request.initial_directory = paths_.module_directory;
  const auto chosen = chooser_.Choose(request);
  if (!chosen) return false;
  if (!fs::FileExists(*chosen)) {
    warnings_.ShowWarning(u"Error ");
    return false;
  }
  background_save_.Wait();
  // A copy that fails would leave the old profiles in place while the user believes the new
  // ones were taken: say so.
  if (!fs::CopyFileOver(*chosen, paths_.product_file)) {
    warnings_.ShowWarning(u"Error ");
    return false;
  }
  for (int n = 0; n < kProfileCount; ++n)
    store_.LoadProfile(paths_.config_directory, n, false);
  return true;
}

bool ProfileTransfer::Export() {
  FileChoiceRequest request;
  request.mode = FileChoiceRequest::Mode::kSave;
  request.filter = kImportFilter;
  request.default_extension = u"ini";
  request.initial_directory = paths_.module_directory;
  request.overwrite_prompt = true;
  const auto chosen = chooser_.Choose(request);
  if (!chosen) return false;
  background_save_.Wait();
  const bool copied = fs::CopyFileOver(paths_.product_file, *chosen);
  clock_.SleepMs(10);
  // An older file of the same name must not pass for a successful export.
  if (copied && fs::FileExists(*chosen)) return true;
  warnings_.ShowWarning(u"Error");
  return false;
}

void ProfileTransfer::Reset() {
  background_save_.Wait();
  for (int n = kProfileCount - 1; n >= 0; --n) {
    store_.LoadProfile(paths_.config_directory, n, true);
    store_.SaveProfile(paths_.product_file, n);
  }
}

}  // namespace devero
