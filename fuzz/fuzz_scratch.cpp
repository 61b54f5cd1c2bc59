#include "fuzz_scratch.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace devero::fuzz {
namespace {

std::filesystem::path MakeScratchDir() {
  const std::filesystem::path shm = "/dev/shm";
  std::error_code ec;
  const bool tmpfs = std::filesystem::is_directory(shm, ec) && ::access("/dev/shm", W_OK) == 0;
  const auto base = tmpfs ? shm : std::filesystem::temp_directory_path();
  std::string tmpl = (base / "devero-fuzz-XXXXXX").string();
  if (::mkdtemp(tmpl.data()) == nullptr) {
    std::perror("devero fuzz: mkdtemp");
    std::abort();
  }
  return tmpl;
}

std::filesystem::path* scratch = nullptr;

void RemoveScratch() {
  std::error_code ec;
  if (scratch) std::filesystem::remove_all(*scratch, ec);
}

}  // namespace

const std::filesystem::path& ScratchDir() {
  if (!scratch) {
    scratch = new std::filesystem::path(MakeScratchDir());
    std::atexit(RemoveScratch);
  }
  return *scratch;
}

void InstallFactoryData(const std::filesystem::path& root) {
  namespace stdfs = std::filesystem;
  for (const char* part : {"config", "INI_EN", "INI_CN"}) {
    const auto from = stdfs::path(DEVERO_SOURCE_DIR) / "data" / part;
    stdfs::create_directories(root / "skins" / part);
    stdfs::copy(from, root / "skins" / part,
                stdfs::copy_options::recursive | stdfs::copy_options::overwrite_existing);
  }
}

}  // namespace devero::fuzz
