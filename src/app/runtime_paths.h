#pragma once

#include <filesystem>
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

// Base size of the text font for a display scale (horizontal DPI / 96); the font is drawn at
// base + 10 tenths of a point.
int FontBaseForScale(float scale);
int FontTenthsOfPointForScale(float scale);

}  // namespace devero
