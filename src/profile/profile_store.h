#pragma once

#include <filesystem>

#include "platform/ini/ini_document.h"
#include "platform/user/warning_service.h"
#include "profile/profile_settings.h"

namespace devero {

using Path = std::filesystem::path;

inline constexpr char16_t kMissingProductFileWarning[] = u"Error\uFF1AConfig.ini";
inline constexpr char16_t kMissingResetFileWarning[] = u"Error\uFF1AConfigReset.ini";

// Loads and saves the four profiles and the shared settings of a ProfileSettings record in a
// product file ([Config0]..[Config3], [ShareData], [Init] CurConfig).
class ProfileStore {
 public:
  ProfileStore(ProfileSettings& settings, WarningService& warnings)
      : settings_(settings), warnings_(warnings) {}

  // Fills the slots of profile n and every shared setting from directory + "config.ini", or
  // + "configReset.ini" when `reset` is set. A missing file is reported and changes nothing.
  void LoadProfile(const Path& directory, int n, bool reset);

  // Writes [Config<n>] and [ShareData] into the file, in one atomic replacement.
  bool SaveProfile(const Path& file, int n);
  // [Init] CurConfig and the four profiles, as Apply saves them, in one replacement.
  bool SaveAll(const Path& file);

  bool RecordCurrentProfile(const Path& product_file);
  bool RecordDpiLevel(const Path& product_file);

  ProfileSettings& settings() { return settings_; }

  // The document-level halves, for callers that batch several steps into one write.
  static void LoadProfileFrom(const ini::IniDocument& file, int n, ProfileSettings& settings);
  static bool SaveProfileInto(ini::IniDocument& file, int n, ProfileSettings& settings);

 private:
  ProfileSettings& settings_;
  WarningService& warnings_;
};

// [Init] CurConfig (at most 4 characters); a value outside 0..3 counts as profile 0, since
// every per-profile table is indexed by it.
int ReadCurrentProfile(const ini::IniDocument& product_file);

}  // namespace devero
