#include "cli/autostart.h"

#include <system_error>

#include "platform/fs/file_ops.h"

namespace devero::cli {
namespace {

constexpr int kExitCannotCreate = 73;

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) {
    s.remove_prefix(1);
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
    s.remove_suffix(1);
  }
  return s;
}

}  // namespace

std::filesystem::path AutostartFile(std::string_view xdg_config_home, std::string_view home) {
  std::filesystem::path dir;
  if (!xdg_config_home.empty() && xdg_config_home.front() == '/') {
    dir = std::filesystem::path(std::string(xdg_config_home));
  } else if (!home.empty() && home.front() == '/') {
    dir = std::filesystem::path(std::string(home)) / ".config";
  } else {
    return {};
  }
  return dir / "autostart" / (std::string(kDesktopId) + ".desktop");
}

std::string DesktopExecArgument(std::string_view argument) {
  bool plain = !argument.empty();
  for (const char c : argument) {
    const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '/' || c == '.' || c == '_' || c == '-' || c == '+' || c == ',' ||
                      c == ':' || c == '@' || c == '=';
    plain = plain && safe;
  }
  std::string quoted;
  if (plain) {
    quoted = argument;
  } else {
    // Inside double quotes, ", `, $ and \ are escaped with a backslash.
    quoted = "\"";
    for (const char c : argument) {
      if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
      quoted += c;
    }
    quoted += '"';
  }
  // Then the string syntax of the entry itself: backslashes doubled, % as %%, no line breaks.
  std::string value;
  for (const char c : quoted) {
    if (c == '\\') {
      value += "\\\\";
    } else if (c == '%') {
      value += "%%";
    } else if (c == '\n') {
      value += "\\n";
    } else {
      value += c;
    }
  }
  return value;
}

std::string AutostartEntry(const std::filesystem::path& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Devero\n"
         "Comment=Starts Devero minimised at login\n"
         "Exec=" +
         DesktopExecArgument(program.string()) +
         " -HIDE\n"
         "Icon=devero\n"
         "Terminal=false\n"
         "NoDisplay=true\n"
         "X-GNOME-Autostart-enabled=true\n";
}

bool AutostartEnabled(const std::filesystem::path& file) {
  const auto text = fs::ReadWholeFile(file);
  if (!text) return false;
  std::string_view rest(*text);
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const std::string_view line = Trim(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, eq));
    const std::string_view value = Trim(line.substr(eq + 1));
    if (key == "Hidden" && value == "true") return false;
    if (key == "X-GNOME-Autostart-enabled" && value == "false") return false;
  }
  return true;
}

int RunAutostart(std::string_view action, const std::filesystem::path& file,
                 const std::filesystem::path& program, std::ostream& out, std::ostream& err) {
  if (action == "status") {
    out << (AutostartEnabled(file) ? "on" : "off") << '\n';
    return 0;
  }
  std::error_code ec;
  if (action == "on") {
    std::filesystem::create_directories(file.parent_path(), ec);
    if (ec || !fs::WriteFileAtomically(file, AutostartEntry(program))) {
      err << "devero-cli: cannot write the autostart entry " << file << '\n';
      return kExitCannotCreate;
    }
    out << "Devero starts minimised at login: " << file.string() << '\n';
    return 0;
  }
  std::filesystem::remove(file, ec);
  if (ec) {
    err << "devero-cli: cannot remove the autostart entry " << file << ": " << ec.message() << '\n';
    return kExitCannotCreate;
  }
  out << "Devero no longer starts at login\n";
  return 0;
}

}  // namespace devero::cli
