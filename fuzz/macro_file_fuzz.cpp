// Macro files on any bytes: the line decoder on one line, and the group and built-in readers
// on a whole file. Whatever a file claims, the tables keep their limits.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "fuzz_scratch.h"
#include "macro/macro_file.h"
#include "platform/fs/file_ops.h"
#include "platform/text/utf.h"
#include "platform/user/silent_warnings.h"

namespace {

using namespace devero;

void Check(bool ok) {
  if (!ok) std::abort();
}

void CheckRecord(const MacroRecord& m) {
  Check(m.stepCount <= kMaxSteps);
  Check(m.ledDataCount <= kDataBlockCount);
  Check(m.code251DataCount <= kDataBlockCount);
  Check(m.macroName.back() == u'\0');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t mode = data[0];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const int version = (mode & 2) ? kMacroFileVersion : 2;
  const int english = mode & 4 ? 1 : 0;

  // One line: the bytes as text, each byte one character.
  const std::u16string line(bytes.begin(), bytes.end());
  CheckRecord(DecodeMacroLine(line, version, english));
  Check(DecodeMacroName(line).size() < kMacroNameUnits);

  // The same bytes as a whole file.
  static const auto file = fuzz::ScratchDir() / "group.dat";
  Check(fs::WriteFileAtomically(file, bytes));
  static auto state = std::make_unique<MacroState>();
  SilentWarnings warnings;
  ReadMacroFile(file, *state, warnings, english);
  Check(state->macroTable.macroCount >= 0 && state->macroTable.macroCount <= kMaxMacrosPerGroup);
  for (int i = 0; i < state->macroTable.macroCount; ++i)
    CheckRecord(state->macroTable.slots[static_cast<size_t>(i)]);
  ReadBuiltInMacroFile(file, *state, warnings, english);
  const auto& built_ins = state->builtInMacroTable;
  Check(built_ins.builtInMacroCount >= 0 && built_ins.builtInMacroCount <= kBuiltInMacroSlots);
  for (int i = 0; i < built_ins.builtInMacroCount; ++i)
    CheckRecord(built_ins.slots[static_cast<size_t>(i)]);
  const auto macros = ReadMacrosFromFile(file, english);
  Check(macros.size() <= static_cast<size_t>(kMaxMacrosPerGroup));
  for (const MacroRecord& m : macros)
    CheckRecord(m);
  if (const auto one = ReadMacroFromFile(file, mode >> 4, english)) CheckRecord(*one);
  return 0;
}
