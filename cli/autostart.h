#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

namespace devero::cli {

// The desktop id shared by the menu entry, the metainfo and the autostart entry.
inline constexpr const char* kDesktopId = "org.devero.Devero";

// The XDG autostart entry: $XDG_CONFIG_HOME/autostart/<id>.desktop, or ~/.config/autostart when
// XDG_CONFIG_HOME is unset or not absolute. Empty when neither gives an absolute directory.
std::filesystem::path AutostartFile(std::string_view xdg_config_home, std::string_view home);

// One argument of a desktop entry's Exec key, quoted when it needs it and escaped for the
// entry's string syntax.
std::string DesktopExecArgument(std::string_view argument);

// The entry that starts the window program at `program` minimised.
std::string AutostartEntry(const std::filesystem::path& program);

// True when the entry exists and is not switched off (Hidden=true or
// X-GNOME-Autostart-enabled=false).
bool AutostartEnabled(const std::filesystem::path& file);

// devero-cli autostart on|off|status. 0 when done, 73 when the entry cannot be written or
// removed.
int RunAutostart(std::string_view action, const std::filesystem::path& file,
                 const std::filesystem::path& program, std::ostream& out, std::ostream& err);

}  // namespace devero::cli
