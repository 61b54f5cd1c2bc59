#pragma once

#include <filesystem>

#include "platform/clock/clock.h"
#include "platform/user/file_chooser.h"
#include "platform/user/warning_service.h"
#include "profile/background_save.h"
#include "profile/profile_store.h"

namespace devero {

struct ProfilePaths {
  std::filesystem::path module_directory;  // where the file dialogs open
  std::filesystem::path product_file;
  std::filesystem::path config_directory;  // ends with a separator
};

inline constexpr char16_t kImportFilter[] = u"All Files(*.ini)|*.ini||";

// Import, export and reset of the profiles as a whole. Each waits for a running background
// save first, so it never races the product file's writer.
class ProfileTransfer {
 public:
  ProfileTransfer(ProfileStore& store, BackgroundSave& background_save, WarningService& warnings,
                  FileChooser& chooser, Clock& clock, ProfilePaths paths)
      : store_(store),
        background_save_(background_save),
        warnings_(warnings),
        chooser_(chooser),
        clock_(clock),
        paths_(std::move(paths)) {}

  // Replaces the product file with a chosen file and loads its four profiles. True when the
  // profiles were replaced.
  bool Import();
  // Copies the product file to a chosen path. True when the copy is there.
  bool Export();
  // Loads each profile from the factory file and saves it into the product file, 3 down to 0.
  void Reset();

 private:
  ProfileStore& store_;
  BackgroundSave& background_save_;
  WarningService& warnings_;
  FileChooser& chooser_;
  Clock& clock_;
  ProfilePaths paths_;
};

}  // namespace devero
