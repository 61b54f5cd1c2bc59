#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "macro/macro_record.h"

namespace devero::factory {

struct FactoryGroup {
  std::u16string name;
  std::vector<MacroRecord> macros;
};

// The thirteen built-in macros: common shortcuts.
std::unique_ptr<BuiltInMacroTable> BuiltInMacros();
// The example groups of one language's macro directory.
std::vector<FactoryGroup> FactoryGroups(int language_is_english);

// Writes data/config/constMacro.dat and the macro and macroReset directories of both languages
// below `data_root`, replacing what is there.
bool WriteFactoryData(const std::filesystem::path& data_root);

// The files WriteFactoryData writes, relative to the data root.
std::vector<std::filesystem::path> FactoryFiles();

}  // namespace devero::factory
