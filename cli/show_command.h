#pragma once

#include <nlohmann/json.hpp>

#include "app/runtime_paths.h"
#include "cli/cli_warnings.h"

namespace devero::cli {

// The start-up reads of the main window, as one JSON object.
nlohmann::ordered_json ShowJson(RuntimePaths& paths, CliWarnings& warnings);

}  // namespace devero::cli
