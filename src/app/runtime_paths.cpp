#include "app/runtime_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "app/user_data.h"

#ifndef DEVERO_DATA_DIR_FROM_BINDIR
#define DEVERO_DATA_DIR_FROM_BINDIR "../share/devero"
#endif

namespace devero {
namespace {

// Paths are joined as text so that an empty module directory gives "/skins", as the
// separator-prefixed names are meant.
Path Join(const Path& base, std::string_view tail) {
  return Path(base.native() + std::string(tail));
}

}  // namespace

Path RuntimePaths::ModuleDirectoryOf(std::string_view executable_path) {
  const size_t cut = executable_path.rfind('/');
  if (cut == std::string_view::npos) return Path();
  return Path(std::string(executable_path.substr(0, cut)));
}

Path RuntimePaths::CurrentModuleDirectory() {
  std::array<char, 4096> buffer{};
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return Path();
  return ModuleDirectoryOf(std::string_view(buffer.data(), static_cast<size_t>(n)));
}

RuntimePaths::RuntimePaths(Path module_directory, int language_is_english)
    : module_(std::move(module_directory)) {
  skin_ = Join(module_, "/skins");
  product_file_ = Join(skin_, "/config/config.ini");
  config_ = Join(skin_, "/config/");
  SetLanguage(language_is_english);
}

Path RuntimePaths::BuiltInMacroFile() const {
  return Join(config_, "constMacro.dat");
}

Path RuntimePaths::ResetProfileFile() const {
  return Join(config_, "configReset.ini");
}

void RuntimePaths::SetLanguage(int language_is_english) {
  language_is_english_ = language_is_english;
  // Any nonzero flag selects English, as VER_SEL does; only the mouse-button step names tell 1
  // from other nonzero values.
  const char* set = language_is_english != 0 ? "/INI_EN" : "/INI_CN";
  macro_ = Join(skin_, std::string(set) + "/macro/");
  macro_reset_ = Join(skin_, std::string(set) + "/macroReset/");
}

Path UserDataDirectory(std::string_view xdg_data_home, std::string_view home) {
  // A relative XDG_DATA_HOME is invalid and must be ignored.
  if (!xdg_data_home.empty() && xdg_data_home.front() == '/') {
    return Path(std::string(xdg_data_home)) / "devero";
  }
  if (!home.empty() && home.front() == '/') return Path(std::string(home)) / ".local/share/devero";
  return Path();
}

namespace {

bool IsDirectory(const Path& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

bool Writable(const Path& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

bool SameDirectory(const Path& a, const Path& b) {
  std::error_code ec;
  return std::filesystem::equivalent(a, b, ec);
}

DataDirectory PerUserCopyOf(const Path& factory, const DataDirectoryInputs& in) {
  DataDirectory out;
  const Path user = UserDataDirectory(in.xdg_data_home, in.home);
  if (user.empty()) {
    out.error =
        "cannot place the per-user data: neither XDG_DATA_HOME nor HOME is an absolute path";
    return out;
  }
  // Installed into the per-user directory itself (a prefix of ~/.local): nothing to copy.
  if (SameDirectory(user, factory)) {
    out.module_directory = factory;
    return out;
  }
  out.module_directory = user;
  out.factory_directory = factory;
  return out;
}

}  // namespace

std::string HomeDirectory() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir != nullptr) {
    return found->pw_dir;
  }
  return std::string();
}

DataDirectory ChooseDataDirectory(const DataDirectoryInputs& in) {
  DataDirectory out;
  if (!in.root.empty()) {
    out.module_directory = Path(in.root);
    return out;
  }
  const Path& exe_dir = in.executable_directory;
  const Path beside = Join(exe_dir, "/skins");
  if (IsDirectory(beside)) {
    const bool writable = Writable(beside) && (!IsDirectory(Join(beside, "/config")) ||
                                               Writable(Join(beside, "/config")));
    if (writable) {
      out.module_directory = exe_dir;
      return out;
    }
    return PerUserCopyOf(exe_dir, in);
  }
  const Path installed = (exe_dir / DEVERO_DATA_DIR_FROM_BINDIR).lexically_normal();
  if (IsDirectory(installed / "skins")) {
    return PerUserCopyOf(installed, in);
  }
  out.module_directory = exe_dir;
  return out;
}

DataDirectory PrepareDataDirectory(std::string_view root) {
  DataDirectoryInputs in;
  in.root = std::string(root);
  in.executable_directory = RuntimePaths::CurrentModuleDirectory();
  if (const char* xdg = std::getenv("XDG_DATA_HOME")) in.xdg_data_home = xdg;
  in.home = HomeDirectory();
  DataDirectory out = ChooseDataDirectory(in);
  if (out.Ok() && out.PerUser()) {
    std::string error;
    if (!SeedUserData(out.factory_directory, out.module_directory, &error)) out.error = error;
  }
  return out;
}

int FontBaseForScale(float scale) {
  if (scale == 1.0f) return 87;
  if (scale == 1.25f) return 63;
  if (scale == 1.5f) return 53;
  if (scale == 1.75f || scale == 2.0f) return 43;
  return 30;
}

int FontTenthsOfPointForScale(float scale) {
  return FontBaseForScale(scale) + 10;
}

}  // namespace devero
