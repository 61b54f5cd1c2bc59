#pragma once

#include <nlohmann/json.hpp>

#include "app/runtime_paths.h"
#include "cli/cli_warnings.h"
#include "macro/macro_record.h"

namespace devero::cli {

// One macro with its counters and steps. `locked` marks the macros of a locked group.
nlohmann::ordered_json MacroJson(const MacroRecord& macro, int language_is_english,
                                 bool locked = false);

// The macro library of the language in force ([Init] VER_SEL of the product file) and the
// built-in macros, as one JSON object. Reads only; the group index is not repaired.
nlohmann::ordered_json MacrosJson(RuntimePaths& paths, CliWarnings& warnings);

}  // namespace devero::cli
