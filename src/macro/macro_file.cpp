#include "macro/macro_file.h"

#include <algorithm>
#include <array>

#include "keys/key_codes.h"
#include "platform/fs/file_ops.h"
#include "platform/ini/ini_file.h"
#include "platform/text/leading_int.h"
#include "platform/text/utf.h"

namespace devero {
namespace {

constexpr char16_t kInit[] = u"Init";
constexpr char16_t kDatVer[] = u"DAT_VER";
constexpr char16_t kMacros[] = u"Macros";
constexpr char16_t kMacroNum[] = u"macroNum";
constexpr size_t kCountRoom = 2;
constexpr size_t kLockMarkerRoom = 19;

// "Room for N characters" is a buffer of N + 1: the terminator takes one place.
constexpr size_t Buffer(size_t room) {
  return room + 1;
}

using Digits = std::array<char16_t, 3>;

constexpr std::array<Digits, 256> MakeDigits() {
  std::array<Digits, 256> t{};
  for (int v = 0; v < 256; ++v) {
    t[v] = Digits{static_cast<char16_t>(u'0' + v / 100), static_cast<char16_t>(u'0' + v / 10 % 10),
                  static_cast<char16_t>(u'0' + v % 10)};
  }
  return t;
}

constexpr std::array<Digits, 256> kDigits = MakeDigits();

class LineWriter {
 public:
  explicit LineWriter(size_t values) { line_.reserve(values * 3); }
  void Byte(uint8_t v) { line_.append(kDigits[v].data(), 3); }
  void Word(uint16_t v) {
    Byte(static_cast<uint8_t>(v & 0xFF));
    Byte(static_cast<uint8_t>(v >> 8));
  }
  std::u16string Take() { return std::move(line_); }

 private:
  std::u16string line_;
};

class LineReader {
 public:
  explicit LineReader(std::u16string_view line) : line_(line) {}
  int32_t Value() {
    const size_t at = next_ * 3;
    ++next_;
    if (at >= line_.size()) return 0;
    return LeadingInt(line_.substr(at, 3));
  }
  uint8_t Byte() { return static_cast<uint8_t>(Value() & 0xFF); }
  uint16_t Word() {
    const int32_t low = Value();
    const int32_t high = Value();
    return static_cast<uint16_t>(static_cast<uint32_t>(low) + 256u * static_cast<uint32_t>(high));
  }

 private:
  std::u16string_view line_;
  size_t next_ = 0;
};

size_t MacroLineRoom(int dat_version) {
  return dat_version == kMacroFileVersion ? kMacroLineRoom : kOldMacroLineRoom;
}

uint8_t DatVersionOf(const ini::IniDocument& doc) {
  return static_cast<uint8_t>(doc.GetInt(kInit, kDatVer, Buffer(kCountRoom)) & 0xFF);
}

// macroNum within 0..limit: a damaged count must not reach past the table.
int MacroNumOf(const ini::IniDocument& doc, int limit) {
  return std::clamp(doc.GetInt(kMacros, kMacroNum, Buffer(kCountRoom)), 0, limit);
}

int WrittenMacroCount(const MacroState& state) {
  return std::clamp<int>(state.macroTable.macroCount, 0, kMaxMacrosPerGroup);
}

}  // namespace

std::u16string EncodeMacroValue(uint8_t value) {
  return std::u16string(kDigits[value].data(), 3);
}

int MacroHeaderLength(int dat_version) {
  return dat_version == kMacroFileVersion ? 21 : 15;
}

std::u16string EncodeMacroLine(const MacroRecord& macro, int dat_version) {
  const bool v3 = dat_version == kMacroFileVersion;
  LineWriter w(v3 ? kMacroLineValues : kOldMacroLineValues);
  for (char16_t unit : macro.macroName)
    w.Word(unit);
  w.Byte(macro.repeatMode);
  w.Word(macro.repeatCount);
  w.Word(macro.stepCount);
  w.Word(macro.xyStepCount);
  w.Word(macro.code247Count);
  w.Word(macro.dpiStepCount);
  w.Word(macro.code250Count);
  w.Byte(macro.ledDataCount);
  w.Byte(macro.code251DataCount);
  if (v3) {
    w.Byte(macro.reservedBytes[0]);
    w.Byte(macro.reservedBytes[1]);
    for (int i = 0; i < 4; ++i)
      w.Byte(0);
  }
  for (size_t s = 0; s < kMaxSteps; ++s) {
    w.Byte(macro.stepAction[s]);
    w.Byte(DeviceKeyToVk(macro.stepCode[s]));
    w.Word(macro.stepParam[s].param1);
    w.Word(macro.stepParam[s].param2);
    w.Word(macro.stepDelay[s]);
  }
  for (const DataBlock& block : macro.ledData) {
    for (uint8_t b : block)
      w.Byte(b);
  }
  return w.Take();
}

MacroRecord DecodeMacroLine(std::u16string_view line, int dat_version, int language_is_english) {
  const bool v3 = dat_version == kMacroFileVersion;
  MacroRecord m;
  LineReader r(line);
  for (char16_t& unit : m.macroName)
    unit = static_cast<char16_t>(r.Byte() | (r.Byte() << 8));
  m.macroName.back() = u'\0';  // the field always ends the name
  m.repeatMode = r.Byte();
  m.repeatCount = r.Word();
  m.stepCount = r.Word();
  m.xyStepCount = r.Word();
  m.code247Count = r.Word();
  m.dpiStepCount = r.Word();
  m.code250Count = r.Word();
  m.ledDataCount = r.Byte();
  m.code251DataCount = r.Byte();
  if (v3) {
    for (uint8_t& b : m.reservedBytes)
      b = r.Byte();
  }
  for (size_t s = 0; s < kMaxSteps; ++s) {
    m.stepAction[s] = r.Byte();
    m.stepCode[s] = VkToDeviceKey(r.Byte(), language_is_english);
    m.stepParam[s].param1 = r.Word();
    m.stepParam[s].param2 = r.Word();
    m.stepDelay[s] = r.Word();
  }
  for (DataBlock& block : m.ledData) {
    for (uint8_t& b : block)
      b = r.Byte();
  }
  // Every reader of a record indexes the columns and blocks by these counts.
  m.stepCount = std::min<uint16_t>(m.stepCount, kMaxSteps);
  m.ledDataCount = std::min<uint8_t>(m.ledDataCount, kDataBlockCount);
  m.code251DataCount = std::min<uint8_t>(m.code251DataCount, kDataBlockCount);
  return m;
}

std::u16string DecodeMacroName(std::u16string_view line) {
  LineReader r(line);
  std::u16string name;
  for (int i = 0; i < kMacroNameUnits - 1; ++i) {
    const auto unit = static_cast<char16_t>(r.Byte() | (r.Byte() << 8));
    if (unit == u'\0') break;
    name.push_back(unit);
  }
  return name;
}

void ReadMacroFile(const std::filesystem::path& file, MacroState& state, WarningService& warnings,
                   int language_is_english) {
  if (!fs::FileExists(file)) warnings.ShowWarning(u"No file ");
  const ini::IniDocument doc = ini::Load(file);
  state.datVersion = DatVersionOf(doc);
  const int count = MacroNumOf(doc, kMaxMacrosPerGroup);
  state.macroTable.macroCount = static_cast<int16_t>(count);
  state.groupLocked = doc.Get(kInit, kLockMarker, u"", Buffer(kLockMarkerRoom)) == kLockMarker;
  const size_t room = MacroLineRoom(state.datVersion);
  for (int i = 0; i < count; ++i) {
    state.macroTable.slots[static_cast<size_t>(i)] = DecodeMacroLine(
        doc.Get(kMacros, ToU16(i), u"", Buffer(room)), state.datVersion, language_is_english);
  }
}

void ReadBuiltInMacroFile(const std::filesystem::path& file, MacroState& state,
                          WarningService& warnings, int language_is_english) {
  if (!fs::FileExists(file)) warnings.ShowWarning(u"No File ");
  const ini::IniDocument doc = ini::Load(file);
  state.datVersion = DatVersionOf(doc);
  const int count = MacroNumOf(doc, kBuiltInMacroSlots);
  BuiltInMacroTable& table = state.builtInMacroTable;
  table.builtInMacroCount = static_cast<int16_t>(count);
  for (int i = 0; i < count; ++i) {
    table.slots[static_cast<size_t>(i)] =
        DecodeMacroLine(doc.Get(kMacros, ToU16(i), u"", Buffer(kBuiltInMacroLineRoom)),
                        state.datVersion, language_is_english);
  }
}

std::optional<PendingMacroWrite> PrepareWriteMacro(const std::filesystem::path& file,
                                                   const MacroState& state, int index) {
  if (index < 0 || index >= kMaxMacrosPerGroup) return std::nullopt;
  return PendingMacroWrite{file, index, WrittenMacroCount(state),
                           EncodeMacroLine(state.macroTable.slots[static_cast<size_t>(index)])};
}

namespace {

// An older line in the version-3 layout: six reserved values (read as 0 before) after the
// header, so that its steps and blocks stay where the reader looks for them.
std::u16string UpgradedLine(std::u16string_view line) {
  constexpr size_t kOldStepsAt = 75 * 3;
  std::u16string out(line);
  if (out.size() > kOldStepsAt) out.insert(kOldStepsAt, std::u16string(18, u'0'));
  return out;
}

}  // namespace

bool PendingMacroWrite::Write() const {
  return ini::Update(file, [&](ini::IniDocument& doc) {
    // One version-3 line in an older file turns the whole file into version 3: its other
    // lines are moved to that layout, or they would be read shifted.
    if (DatVersionOf(doc) != kMacroFileVersion) {
      const int old_count = MacroNumOf(doc, kMaxMacrosPerGroup);
      for (int k = 0; k < old_count; ++k) {
        if (k == index) continue;
        const auto old_line = doc.Find(kMacros, ToU16(k));
        if (old_line && !doc.Set(kMacros, ToU16(k), UpgradedLine(*old_line))) return false;
      }
    }
    return doc.Set(kInit, kDatVer, ToU16(kMacroFileVersion)) &&
           doc.Set(kMacros, kMacroNum, ToU16(macroNum)) && doc.Set(kMacros, ToU16(index), line);
  });
}

bool WriteMacro(const std::filesystem::path& file, const MacroState& state, int index) {
  const auto pending = PrepareWriteMacro(file, state, index);
  return pending && pending->Write();
}

namespace {

bool WriteMacroLines(const std::filesystem::path& file, const MacroRecord* macros, int count,
                     bool locked) {
  return ini::Update(file, [&](ini::IniDocument& doc) {
    bool ok = doc.Set(kInit, kDatVer, ToU16(kMacroFileVersion));
    if (locked) ok = ok && doc.Set(kInit, kLockMarker, kLockMarker);
    ok = ok && doc.Set(kMacros, kMacroNum, ToU16(count));
    for (int i = 0; i < count && ok; ++i)
      ok = doc.Set(kMacros, ToU16(i), EncodeMacroLine(macros[i]));
    return ok;
  });
}

}  // namespace

bool WriteMacroFile(const std::filesystem::path& file, const MacroState& state) {
  return WriteMacroLines(file, state.macroTable.slots.data(), WrittenMacroCount(state),
                         state.groupLocked != 0);
}

bool WriteBuiltInMacroFile(const std::filesystem::path& file, const BuiltInMacroTable& table) {
  return WriteMacroLines(file, table.slots.data(),
                         std::clamp<int>(table.builtInMacroCount, 0, kBuiltInMacroSlots), false);
}

bool WriteLockedMacroFile(const std::filesystem::path& file, MacroState& state) {
  state.groupLocked = 1;
  return WriteMacroFile(file, state);
}

std::optional<MacroRecord> ReadMacroFromFile(const std::filesystem::path& file, int index,
                                             int language_is_english) {
  if (!fs::FileExists(file)) return std::nullopt;
  const ini::IniDocument doc = ini::Load(file);
  const int version = DatVersionOf(doc);
  if (index < 0 || index >= MacroNumOf(doc, kMaxMacrosPerGroup)) return std::nullopt;
  return DecodeMacroLine(doc.Get(kMacros, ToU16(index), u"", Buffer(MacroLineRoom(version))),
                         version, language_is_english);
}

std::vector<MacroRecord> ReadMacrosFromFile(const std::filesystem::path& file,
                                            int language_is_english) {
  std::vector<MacroRecord> macros;
  if (!fs::FileExists(file)) return macros;
  const ini::IniDocument doc = ini::Load(file);
  const int version = DatVersionOf(doc);
  const int count = MacroNumOf(doc, kMaxMacrosPerGroup);
  for (int i = 0; i < count; ++i) {
    macros.push_back(
        DecodeMacroLine(doc.Get(kMacros, ToU16(i), u"", Buffer(MacroLineRoom(version))), version,
                        language_is_english));
  }
  return macros;
}

}  // namespace devero
