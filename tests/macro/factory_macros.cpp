#include "factory_macros.h"

#include <initializer_list>
#include <system_error>

#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"

namespace devero::factory {
namespace {

namespace stdfs = std::filesystem;

constexpr uint8_t kLCtrl = 0xE0, kLShift = 0xE1, kLAlt = 0xE2, kLWin = 0xE3;
constexpr uint8_t kTab = 0x2B, kEscape = 0x29, kSpace = 0x2C, kF4 = 0x3D, kEnter = 0x28;
constexpr uint16_t kKeyDelay = 20;

uint8_t Letter(char c) {
  return static_cast<uint8_t>(c - 'A' + 0x04);
}

class MacroBuilder {
 public:
  explicit MacroBuilder(std::u16string_view name) {
    SetMacroName(m_, name);
    m_.repeatCount = 1;
    m_.reservedBytes[1] = 10;
  }
  MacroBuilder& Step(uint8_t action, uint8_t code, uint16_t delay, uint16_t p1 = 0) {
    SetStepAt(m_, m_.stepCount, MacroStep{action, code, p1, 0, delay});
    ++m_.stepCount;
    return *this;
  }
  MacroBuilder& Press(uint8_t code, uint16_t delay = kKeyDelay) {
    return Step(kActionPress, code, delay);
  }
  MacroBuilder& Release(uint8_t code, uint16_t delay = kKeyDelay) {
    return Step(kActionRelease, code, delay);
  }
  MacroBuilder& Tap(uint8_t code, uint16_t delay = kKeyDelay) {
    return Press(code).Release(code, delay);
  }
  // The modifiers go down in order, the key is tapped, the modifiers come up in reverse.
  MacroBuilder& Chord(std::initializer_list<uint8_t> modifiers, uint8_t key,
                      uint16_t delay = kKeyDelay) {
    for (uint8_t mod : modifiers)
      Press(mod);
    Tap(key);
    for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it)
      Release(*it, it + 1 == std::rend(modifiers) ? delay : kKeyDelay);
    return *this;
  }
  MacroBuilder& Text(std::string_view text) {
    for (char c : text) {
      if (c >= 'A' && c <= 'Z') {
        Chord({kLShift}, Letter(c));
      } else if (c >= 'a' && c <= 'z') {
        Tap(Letter(static_cast<char>(c - 'a' + 'A')));
      } else if (c == ' ') {
        Tap(kSpace);
      } else if (c == '\n') {
        Tap(kEnter);
      }
    }
    return *this;
  }
  MacroBuilder& Dpi(uint16_t level_code) {
    ++m_.dpiStepCount;
    return Step(9, kStepDpi, kKeyDelay, level_code);
  }
  MacroBuilder& Repeat(uint16_t count) {
    m_.repeatCount = count;
    return *this;
  }
  MacroRecord Build() const { return m_; }

 private:
  MacroRecord m_;
};

MacroRecord Shortcut(std::u16string_view name, std::initializer_list<uint8_t> modifiers,
                     uint8_t key) {
  return MacroBuilder(name).Chord(modifiers, key).Build();
}

stdfs::path LanguageDirectory(int language_is_english) {
  return language_is_english ? "INI_EN" : "INI_CN";
}

bool WriteGroups(const stdfs::path& directory, const std::vector<FactoryGroup>& groups) {
  std::error_code ec;
  stdfs::create_directories(directory, ec);
  bool ok = !ec;
  auto state = std::make_unique<MacroState>();
  for (const FactoryGroup& group : groups) {
    state->macroTable = MacroTable{};
    state->macroTable.macroCount = static_cast<int16_t>(group.macros.size());
    for (size_t m = 0; m < group.macros.size(); ++m)
      state->macroTable.slots[m] = group.macros[m];
    const stdfs::path file = directory / Utf16ToUtf8(group.name + u".dat");
    stdfs::remove(file, ec);
    ok = WriteMacroFile(file, *state) && ok;
  }
  const stdfs::path index = directory / "macroGrp.ini";
  stdfs::remove(index, ec);
  ok = ini::Update(index,
                   [&](ini::IniDocument& doc) {
                     bool set = doc.Set(u"MACRO_GROUP_NUM", u"macGrpNum", ToU16(groups.size()));
                     for (size_t i = 0; i < 12; ++i) {
                       set = set && doc.Set(u"MACRO_GROUP_NAME", ToU16(static_cast<long long>(i)),
                                            i < groups.size() ? groups[i].name : u"");
                     }
                     return set;
                   }) &&
       ok;
  return ok;
}

}  // namespace

std::unique_ptr<BuiltInMacroTable> BuiltInMacros() {
  auto table = std::make_unique<BuiltInMacroTable>();
  const MacroRecord macros[] = {
      Shortcut(u"Copy", {kLCtrl}, Letter('C')),
      Shortcut(u"Paste", {kLCtrl}, Letter('V')),
      Shortcut(u"Cut", {kLCtrl}, Letter('X')),
      Shortcut(u"Undo", {kLCtrl}, Letter('Z')),
      Shortcut(u"Redo", {kLCtrl}, Letter('Y')),
      Shortcut(u"Select All", {kLCtrl}, Letter('A')),
      Shortcut(u"Save", {kLCtrl}, Letter('S')),
      Shortcut(u"Find", {kLCtrl}, Letter('F')),
      Shortcut(u"Close Window", {kLAlt}, kF4),
      Shortcut(u"Switch Window", {kLAlt}, kTab),
      Shortcut(u"Show Desktop", {kLWin}, Letter('D')),
      Shortcut(u"Lock Screen", {kLWin}, Letter('L')),
      Shortcut(u"Task Manager", {kLCtrl, kLShift}, kEscape),
  };
  static_assert(std::size(macros) == kBuiltInMacroSlots);
  for (size_t i = 0; i < std::size(macros); ++i)
    table->slots[i] = macros[i];
  table->builtInMacroCount = kBuiltInMacroSlots;
  return table;
}

std::vector<FactoryGroup> FactoryGroups(int language_is_english) {
  const bool en = language_is_english != 0;
  const MacroRecord select_copy = MacroBuilder(en ? u"Select and Copy" : u"全选复制")
                                      .Chord({kLCtrl}, Letter('A'), 100)
                                      .Chord({kLCtrl}, Letter('C'))
                                      .Build();
  const MacroRecord save_close = MacroBuilder(en ? u"Save and Close" : u"保存并关闭")
                                     .Chord({kLCtrl}, Letter('S'), 500)
                                     .Chord({kLAlt}, kF4)
                                     .Build();
  const MacroRecord sign =
      MacroBuilder(en ? u"Signature" : u"签名").Text("\nBest regards\n").Build();
  MacroBuilder jump(en ? u"Triple Jump" : u"三连跳");
  for (int i = 0; i < 3; ++i)
    jump.Press(kSpace, 60).Release(kSpace, 120);
  const MacroRecord double_click = MacroBuilder(en ? u"Double Click" : u"双击")
                                       .Press(kLeftButton, 30)
                                       .Release(kLeftButton, 60)
                                       .Press(kLeftButton, 30)
                                       .Release(kLeftButton, 30)
                                       .Build();
  const MacroRecord burst = MacroBuilder(en ? u"Burst Fire" : u"三连发")
                                .Press(kLeftButton, 40)
                                .Release(kLeftButton, 60)
                                .Repeat(3)
                                .Build();
  const MacroRecord sniper =
      MacroBuilder(en ? u"Sniper DPI" : u"狙击DPI").Dpi(2).Build();  // 400 DPI
  return {
      {en ? u"Office" : u"办公", {select_copy, save_close, sign}},
      {en ? u"Games" : u"游戏", {jump.Build(), double_click, burst, sniper}},
  };
}

std::vector<stdfs::path> FactoryFiles() {
  std::vector<stdfs::path> files{stdfs::path("config") / "constMacro.dat"};
  for (int language : {1, 0}) {
    for (const char* directory : {"macro", "macroReset"}) {
      const stdfs::path base = LanguageDirectory(language) / directory;
      files.push_back(base / "macroGrp.ini");
      for (const FactoryGroup& group : FactoryGroups(language))
        files.push_back(base / Utf16ToUtf8(group.name + u".dat"));
    }
  }
  return files;
}

bool WriteFactoryData(const stdfs::path& data_root) {
  std::error_code ec;
  stdfs::create_directories(data_root / "config", ec);
  const stdfs::path built_in = data_root / "config" / "constMacro.dat";
  stdfs::remove(built_in, ec);
  bool ok = WriteBuiltInMacroFile(built_in, *BuiltInMacros());
  for (int language : {1, 0}) {
    for (const char* directory : {"macro", "macroReset"})
      ok = WriteGroups(data_root / LanguageDirectory(language) / directory,
                       FactoryGroups(language)) &&
           ok;
  }
  return ok;
}

}  // namespace devero::factory
