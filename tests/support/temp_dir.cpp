#include "support/temp_dir.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace devero::testing {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "devero-test-XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& file, std::string_view bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::filesystem::path SourceDir() {
  const char* dir = std::getenv("DEVERO_SOURCE_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::path(DEVERO_SOURCE_DIR_FALLBACK);
}

void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  std::filesystem::copy(from, to,
                        std::filesystem::copy_options::recursive |
                            std::filesystem::copy_options::overwrite_existing);
}

void InstallFactoryData(const std::filesystem::path& root) {
  for (const char* part : {"config", "INI_EN", "INI_CN"}) {
    const auto from = SourceDir() / "data" / part;
    if (std::filesystem::exists(from)) CopyTree(from, root / "skins" / part);
  }
}

}  // namespace devero::testing
