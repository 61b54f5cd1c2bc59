#include "ui/skin_tables.h"

#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "ui/skin_fields.h"

namespace devero::ui {

SkinFile::SkinFile(std::filesystem::path path, SkinReadReport& report, bool check_commas)
    : path_(std::move(path)), report_(report), check_commas_(check_commas) {
  exists_ = fs::FileExists(path_);
  if (exists_) document_ = ini::Load(path_);
}

bool SkinFile::Fields(std::u16string_view section, int key, SkinFields& fields) {
  if (stopped_) return false;
  if (!exists_ && !report_.OnMissingFile(path_)) {
    stopped_ = true;
    return false;
  }
  const std::u16string value = ReadSkinValue(document_, section, key);
  // One warning per file: a damaged file would otherwise ask the user once per value.
  if (check_commas_ && !commas_reported_ && CountCommas(value) > 6) {
    commas_reported_ = true;
    report_.OnTooManyCommas(path_);
  }
  fields = SplitSkinValue(value);
  return true;
}

SkinEntry EntryFromFields(const SkinFields& fields) {
  return SkinEntry{LeadingInt(fields[1]), LeadingInt(fields[2]), LeadingInt(fields[3]),
                   LeadingInt(fields[4]), fields[5]};
}

SkinRect RectFromFields(const SkinFields& fields) {
  const SkinEntry e = EntryFromFields(fields);
  return SkinRect{e.x, e.y, e.Right(), e.Bottom()};
}

bool SkinFile::ReadTable(std::u16string_view section, std::span<SkinEntry> entries) {
  SkinFields fields;
  for (size_t k = 0; k < entries.size(); ++k) {
    if (!Fields(section, static_cast<int>(k), fields)) return false;
    entries[k] = EntryFromFields(fields);
  }
  return true;
}

bool SkinFile::ReadRects(std::u16string_view section, std::span<const int> keys,
                         std::span<SkinRect> rects) {
  SkinFields fields;
  for (size_t i = 0; i < keys.size() && i < rects.size(); ++i) {
    if (!Fields(section, keys[i], fields)) return false;
    rects[i] = RectFromFields(fields);
  }
  return true;
}

bool SkinFile::ReadNames(std::u16string_view section, int first, std::span<std::u16string> names) {
  SkinFields fields;
  for (size_t i = 0; i < names.size(); ++i) {
    if (!Fields(section, first + static_cast<int>(i), fields)) return false;
    names[i] = fields[0];
  }
  return true;
}

std::filesystem::path SkinFilePath(const std::filesystem::path& skin_directory,
                                   std::string_view base, int language_is_english) {
  const std::string name(base);
  if (language_is_english != 0) return skin_directory / "INI_EN" / (name + "_en.ini");
  return skin_directory / "INI_CN" / (name + ".ini");
}

std::u16string_view NoFunctionName(int language_is_english) {
  return language_is_english != 0 ? u"Off" : u"\u65E0\u529F\u80FD";
}

bool LoadMainWindowSkin(const std::filesystem::path& dir, int english, SkinReadReport& report,
                        MainWindowSkin& skin) {
  static constexpr int kMainEditKeys[] = {0, 1, 2, 3};
  static constexpr int kMacroEditKeys[] = {0, 1, 2};
  static constexpr int kMacroDisplayKeys[] = {1, 2, 3};
  SkinFile main(SkinFilePath(dir, "skin_main", english), report, true);
  skin.functionNames[0] = std::u16string(NoFunctionName(english));
  if (!main.ReadTable(u"BUTTONPOS", skin.main) ||
      !main.ReadNames(u"FUN_STRING", 1, std::span(skin.functionNames).subspan(1)) ||
      !main.ReadRects(u"EDIT", kMainEditKeys, skin.mainEdit)) {
    return false;
  }
  SkinFile lighting(SkinFilePath(dir, "skin_color", english), report, true);
  if (!lighting.ReadTable(u"BUTTONPOS", skin.lighting)) return false;
  SkinFile advanced(SkinFilePath(dir, "skin_advance", english), report, true);
  if (!advanced.ReadTable(u"BUTTONPOS", skin.advanced)) return false;
  SkinFile macro(SkinFilePath(dir, "skin_mac", english), report, true);
  if (!macro.ReadTable(u"BUTTONPOS", skin.macro) ||
      !macro.ReadRects(u"EDIT", kMacroEditKeys, skin.macroEdit) ||
      !macro.ReadRects(u"MACRODISPLAY", kMacroDisplayKeys, skin.macroDisplay)) {
    return false;
  }
  SkinFile warning(SkinFilePath(dir, "LBWarning", english), report, true);
  return warning.ReadTable(u"BUTTONPOS", skin.warning);
}

}  // namespace devero::ui
