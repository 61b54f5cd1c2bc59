#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macro/macro_record.h"
#include "macro/macro_state.h"
#include "platform/user/warning_service.h"

namespace devero {

// Macro files: INI files whose [Macros] lines hold the bytes of a MacroRecord, each byte as
// three decimal digits. Version 3 lines carry the six reserved bytes, older lines do not.
inline constexpr int kMacroFileVersion = 3;
inline constexpr int kMacroLineValues = 2621;     // version 3
inline constexpr int kOldMacroLineValues = 2615;  // any other version
inline constexpr int kMacroLineRoom = 26648;      // characters a version-3 line is read with
inline constexpr int kOldMacroLineRoom = 26594;
inline constexpr int kBuiltInMacroLineRoom = 1463;
inline constexpr int kMacroNameValues = 60;

inline constexpr char16_t kLockMarker[] = u"MacMd5";

// "007", "042", "255".
std::u16string EncodeMacroValue(uint8_t value);

// Values after the name: 21 in version 3, 15 otherwise.
int MacroHeaderLength(int dat_version);

// The line of a macro in the layout of `dat_version` (3 writes the reserved bytes, of which the
// last four as 0). Step codes are written in their VK form.
std::u16string EncodeMacroLine(const MacroRecord& macro, int dat_version = kMacroFileVersion);

// A record from a line: three characters per value, each read as a leading-digits integer
// (0 without digits or past the end). Step codes go back through VkToDeviceKey in the language
// in force. The code-251 blocks are not part of a line and read as 0. Counts that would reach
// past the step columns or the data blocks are cut to them.
MacroRecord DecodeMacroLine(std::u16string_view line, int dat_version, int language_is_english);

// The name held by the first 60 values of a line.
std::u16string DecodeMacroName(std::u16string_view line);

// Loads a group file into slots 0..n-1 of the macro table (at most 12 macros) and sets
// macroCount, groupLocked and datVersion. A missing file warns "No file " and reads as empty.
void ReadMacroFile(const std::filesystem::path& file, MacroState& state, WarningService& warnings,
                   int language_is_english);

// Loads the built-in macros (at most 13; each line read with room for 1463 characters only) and
// sets datVersion. A missing file warns "No File ".
void ReadBuiltInMacroFile(const std::filesystem::path& file, MacroState& state,
                          WarningService& warnings, int language_is_english);

// Writes DAT_VER 3, macroNum and the line of slot `index` (0..11) of the macro table; the lock
// marker and the other lines stay as the file has them. False when nothing was written.
bool WriteMacro(const std::filesystem::path& file, const MacroState& state, int index);

// WriteMacro in two halves: the line is encoded on the thread that owns the table, the file is
// written later on any thread.
struct PendingMacroWrite {
  std::filesystem::path file;
  int index = 0;
  int macroNum = 0;
  std::u16string line;
  bool Write() const;
};
std::optional<PendingMacroWrite> PrepareWriteMacro(const std::filesystem::path& file,
                                                   const MacroState& state, int index);

// Writes DAT_VER 3, the lock marker when groupLocked is set, macroNum and every macro's line.
// Keys already in the file stay.
bool WriteMacroFile(const std::filesystem::path& file, const MacroState& state);

// The built-in macro file in the same layout (the program only reads it; this makes it).
bool WriteBuiltInMacroFile(const std::filesystem::path& file, const BuiltInMacroTable& table);

// Sets groupLocked, then WriteMacroFile: the file carries the lock marker.
bool WriteLockedMacroFile(const std::filesystem::path& file, MacroState& state);

// Macro `index` of a group file without touching any table; nothing when the file is missing
// or holds no such macro (index at or past macroNum, or past 11).
std::optional<MacroRecord> ReadMacroFromFile(const std::filesystem::path& file, int index,
                                             int language_is_english);

// Every macro of a group file (at most 12), from one read of the file, without touching any
// table; empty when the file is missing.
std::vector<MacroRecord> ReadMacrosFromFile(const std::filesystem::path& file,
                                            int language_is_english);

}  // namespace devero
