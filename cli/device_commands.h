#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>

#include "app/device_session.h"
#include "app/runtime_paths.h"
#include "cli/cli_warnings.h"

namespace devero::cli {

inline constexpr int kExitStoppedWithWarning = 1;
inline constexpr int kExitNoMouse = 2;

// What the Apply control does: saves [Init] CurConfig and the four profiles into the product
// file, finds the mouse and downloads the settings. Shows the download's steps on `progress`
// when given. 0 when done, 1 when a warning stopped it or something could not be saved, 2
// without a mouse.
int RunApply(RuntimePaths& paths, CliWarnings& warnings, DeviceSession& session, std::ostream& err,
             std::ostream* progress);

// Reads `length` (1..256) bytes of the mouse's memory at `address` and prints them as hex.
int RunRead(RuntimePaths& paths, CliWarnings& warnings, DeviceSession& session, uint16_t address,
            int length, std::ostream& out, std::ostream& err);

// A number written in decimal or with a 0x prefix in hex; nothing for anything else.
std::optional<uint32_t> ParseNumber(std::string_view text);

}  // namespace devero::cli
