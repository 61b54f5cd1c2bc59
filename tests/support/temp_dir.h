#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace devero::testing {

// A fresh directory under the system's temporary directory, removed with its content.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for fixtures.
void WriteFile(const std::filesystem::path& file, std::string_view bytes);
std::string ReadFile(const std::filesystem::path& file);

// The source tree, for factory data and fixtures.
std::filesystem::path SourceDir();

// Copies a directory tree, creating the target's parents.
void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to);

// Lays the factory data out under root/skins as the build does.
void InstallFactoryData(const std::filesystem::path& root);

}  // namespace devero::testing
