#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "platform/ini/ini_document.h"

namespace devero::ini {

using Path = std::filesystem::path;

// The document of a file; an empty document when the file is missing or unreadable. Read a
// file once this way when many of its keys are needed.
IniDocument Load(const Path& file);

// One private-profile read: the value, or `fallback` when the file, section or key is missing,
// cut to buffer_chars - 1 characters.
std::u16string ReadString(const Path& file, std::u16string_view section, std::u16string_view key,
                          std::u16string_view fallback, size_t buffer_chars);

// ReadString with an empty fallback, converted with the leading-digits conversion.
int32_t ReadInt(const Path& file, std::u16string_view section, std::u16string_view key,
                size_t buffer_chars);

// One private-profile write: creates the file when it is missing (UTF-8, no BOM) and replaces
// it atomically. Writers of one file are serialised. False when nothing was written.
bool WriteString(const Path& file, std::u16string_view section, std::u16string_view key,
                 std::u16string_view value);

// Many writes to one file as one atomic replacement: `edit` changes the loaded document and
// returns false to abandon the change. The file's write lock is held throughout.
bool Update(const Path& file, const std::function<bool(IniDocument&)>& edit);

}  // namespace devero::ini
