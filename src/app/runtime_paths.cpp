#include "app/runtime_paths.h"

#include <unistd.h>

#include <array>

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
