#pragma once

#include <filesystem>
#include <string>

namespace devero {

// The per-user copy of an installed Devero's data, laid out as the installed module directory:
// user/skins/... mirrors factory/skins/.... The files the program writes (the product file, the
// factory profile file, the built-in macros and both languages' macro and macro reset
// directories) are copied; every other file (pictures, skin descriptions) is a symbolic link to
// the installed one. A list of what was copied, with a hash of each factory file, lets a later
// version add its new files and refresh the ones the user left unchanged, while the user's own
// changes and deletions stay.
//
// Safe to run at every start and from several processes at once (a lock file serialises them).
// False with a message in *error when the per-user directory cannot be written.
bool SeedUserData(const std::filesystem::path& factory_module_directory,
                  const std::filesystem::path& user_module_directory, std::string* error);

// True for the files, given relative to skins/, that the program writes and that are therefore
// copied rather than linked.
bool IsUserDataFile(const std::filesystem::path& relative_to_skins);

// The list of copied factory files, in the per-user module directory.
inline constexpr const char* kSeededListName = ".factory-files";

}  // namespace devero
