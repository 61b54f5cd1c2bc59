#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace devero::testing {

// Skins that a user could put in place of the shipped one: each case copies a complete skin
// and damages one thing. The window's tests open the program on each of them; nothing may
// crash or read outside an image, and start-up must stay quick.
struct HostileSkinCase {
  std::string name;  // also the name of the case's directory
  std::string what;
};

const std::vector<HostileSkinCase>& HostileSkinCases();

// Copies the skin directory `good` (a generated skin) to `out` and applies case `name`.
// Throws std::runtime_error for an unknown case or a failed write.
void WriteHostileSkin(const std::string& name, const std::filesystem::path& good,
                      const std::filesystem::path& out);

// The skin description files of both languages below a skin directory.
std::vector<std::filesystem::path> SkinDescriptionFiles(const std::filesystem::path& skin);

}  // namespace devero::testing
