#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/ini/ini_document.h"

namespace devero::ui {

// One control of a skinned window: its rectangle as written in the skin file, and its label.
struct SkinEntry {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::u16string label;

  // Corners in 64 bits: a skin may hold any 32-bit numbers.
  int64_t Right() const { return int64_t{x} + width; }
  int64_t Bottom() const { return int64_t{y} + height; }
};

// A child window's rectangle in corner form.
struct SkinRect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t right = 0;
  int64_t bottom = 0;
};

// Where a skin file's problems go: the main window warns, the dialogs close quietly.
class SkinReadReport {
 public:
  virtual ~SkinReadReport() = default;
  // The file does not exist. Return false to stop reading it.
  virtual bool OnMissingFile(const std::filesystem::path& file) = 0;
  // A value holds more than six commas; it is split all the same. Told once per file read.
  virtual void OnTooManyCommas(const std::filesystem::path& file) = 0;
};

// One open skin description file. Reads go to the document loaded when it was opened.
class SkinFile {
 public:
  SkinFile(std::filesystem::path path, SkinReadReport& report, bool check_commas);

  bool exists() const { return exists_; }
  // Fills entries[0..size) from keys 0..size-1 of `section`; a missing key gives a zero entry.
  // Returns false when the file is missing and the report said to stop.
  bool ReadTable(std::u16string_view section, std::span<SkinEntry> entries);
  // Keys `first`.. of `section` in corner form, in the order given.
  bool ReadRects(std::u16string_view section, std::span<const int> keys, std::span<SkinRect> rects);
  // Field 0 of keys `first`..`first + names.size() - 1`.
  bool ReadNames(std::u16string_view section, int first, std::span<std::u16string> names);

 private:
  bool Fields(std::u16string_view section, int key, std::array<std::u16string, 7>& fields);

  std::filesystem::path path_;
  SkinReadReport& report_;
  bool check_commas_;
  bool exists_ = false;
  bool stopped_ = false;
  bool commas_reported_ = false;
  ini::IniDocument document_;
};

SkinEntry EntryFromFields(const std::array<std::u16string, 7>& fields);
SkinRect RectFromFields(const std::array<std::u16string, 7>& fields);

// "INI_EN/<base>_en.ini" in English, "INI_CN/<base>.ini" in Chinese, in the skin directory.
std::filesystem::path SkinFilePath(const std::filesystem::path& skin_directory,
                                   std::string_view base, int language_is_english);

inline constexpr int kMainEntries = 50;
inline constexpr int kHeaderEntries = 20;
inline constexpr int kAdvancedEntries = 138;
inline constexpr int kLightingEntries = 103;
inline constexpr int kMacroEntries = 20;
inline constexpr int kWarningEntries = 3;
inline constexpr int kFunctionNameCount = 48;
inline constexpr int kMainEditRects = 4;
inline constexpr int kMacroEditRects = 3;
inline constexpr int kMacroDisplayRects = 3;

// The DPI slider's full width and step, which belong with the advanced table.
inline constexpr int kDpiSliderWidth = 303;
inline constexpr int kDpiSliderSteps = 17;

// Everything the main window reads from its skin files.
struct MainWindowSkin {
  std::array<SkinEntry, kMainEntries> main{};
  std::array<std::u16string, kFunctionNameCount> functionNames{};
  std::array<SkinRect, kMainEditRects> mainEdit{};
  std::array<SkinEntry, kLightingEntries> lighting{};
  std::array<SkinEntry, kAdvancedEntries> advanced{};
  std::array<SkinEntry, kMacroEntries> macro{};
  std::array<SkinRect, kMacroEditRects> macroEdit{};
  std::array<SkinRect, kMacroDisplayRects> macroDisplay{};
  std::array<SkinEntry, kWarningEntries> warning{};
};

// The main window's skin in its order: main (positions, function names, child windows),
// lighting, advanced, macro (positions, child windows, list boxes), warning. Returns false when
// a missing file stopped the reading (the program ends then).
bool LoadMainWindowSkin(const std::filesystem::path& skin_directory, int language_is_english,
                        SkinReadReport& report, MainWindowSkin& skin);

// Name 0 of the function table, which no file holds.
std::u16string_view NoFunctionName(int language_is_english);

}  // namespace devero::ui
