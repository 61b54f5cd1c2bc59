#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace devero {

using Path = std::filesystem::path;

// The directories and files that follow from the executable's directory and the language.
class RuntimePaths {
 public:
  // The executable's path cut before its last separator; empty when it has none.
  static Path ModuleDirectoryOf(std::string_view executable_path);
  // The directory of the running executable.
  static Path CurrentModuleDirectory();

  explicit RuntimePaths(Path module_directory, int language_is_english = 0);

  const Path& ModuleDirectory() const { return module_; }
  const Path& SkinDirectory() const { return skin_; }
  const Path& ProductFile() const { return product_file_; }
  // Ends with a separator: the profile store appends "config.ini" and "configReset.ini".
  const Path& ConfigDirectory() const { return config_; }
  const Path& MacroDirectory() const { return macro_; }
  const Path& MacroResetDirectory() const { return macro_reset_; }
  Path BuiltInMacroFile() const;
  Path ResetProfileFile() const;

  // 1 selects the English set, 0 the Chinese set; other nonzero values count as English.
  int LanguageIsEnglish() const { return language_is_english_; }
  // Sets the language and recomputes the macro and macro reset directories.
  void SetLanguage(int language_is_english);

 private:
  Path module_;
  Path skin_;
  Path product_file_;
  Path config_;
  Path macro_;
  Path macro_reset_;
  int language_is_english_ = 0;
};

// Where the program reads and writes its data. Chosen once at start, before RuntimePaths is made.
struct DataDirectory {
  // The directory to build RuntimePaths from: its skins/ holds everything the program reads.
  Path module_directory;
  // The installed copy that the per-user copy is seeded from; empty when the data is used in
  // place (build tree, --root, a writable copy).
  Path factory_directory;
  // Set when no usable directory could be prepared; one sentence for the user.
  std::string error;

  bool PerUser() const { return !factory_directory.empty(); }
  bool Ok() const { return error.empty(); }
};

struct DataDirectoryInputs {
  std::string root;           // the --root value; empty when not given
  Path executable_directory;  // RuntimePaths::CurrentModuleDirectory()
  std::string xdg_data_home;  // $XDG_DATA_HOME
  std::string home;           // $HOME, or the password database's home directory
};

// The per-user data directory: $XDG_DATA_HOME/devero, or ~/.local/share/devero when
// XDG_DATA_HOME is unset or not absolute. Empty when neither gives an absolute directory.
Path UserDataDirectory(std::string_view xdg_data_home, std::string_view home);

// $HOME, or the password database's home directory when HOME is unset or empty.
std::string HomeDirectory();

// Decides without creating anything:
// - --root DIR: DIR, used in place;
// - skins/ next to the executable (build tree, unpacked copy): used in place when writable,
//   else a per-user copy seeded from it;
// - an installed copy (skins/ under the installed data directory, share/devero): always a
//   per-user copy seeded from it, also for root, so the installed files are never written;
// - nothing found: the executable's directory, whose missing files the start-up reads report.
DataDirectory ChooseDataDirectory(const DataDirectoryInputs& inputs);

// What devero and devero-cli call at start with their --root value (empty when not given):
// reads the environment and the executable's location, chooses as above and, for a per-user
// copy, seeds or refreshes it (SeedUserData). Check Ok() before using module_directory.
DataDirectory PrepareDataDirectory(std::string_view root);

// Base size of the text font for a display scale (horizontal DPI / 96); the font is drawn at
// base + 10 tenths of a point.
int FontBaseForScale(float scale);
int FontTenthsOfPointForScale(float scale);

}  // namespace devero
