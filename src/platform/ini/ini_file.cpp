#include "platform/ini/ini_file.h"

#include <mutex>

#include "platform/fs/file_ops.h"

namespace devero::ini {

IniDocument Load(const Path& file) {
  const auto bytes = fs::ReadWholeFile(file);
  return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

std::u16string ReadString(const Path& file, std::u16string_view section, std::u16string_view key,
                          std::u16string_view fallback, size_t buffer_chars) {
  return Load(file).Get(section, key, fallback, buffer_chars);
}

int32_t ReadInt(const Path& file, std::u16string_view section, std::u16string_view key,
                size_t buffer_chars) {
  return Load(file).GetInt(section, key, buffer_chars);
}

bool WriteString(const Path& file, std::u16string_view section, std::u16string_view key,
                 std::u16string_view value) {
  return Update(file, [&](IniDocument& doc) { return doc.Set(section, key, value); });
}

bool Update(const Path& file, const std::function<bool(IniDocument&)>& edit) {
  std::lock_guard lock(fs::WriteLockFor(file));
  IniDocument doc = Load(file);
  if (!edit(doc)) return false;
  return fs::WriteFileAtomically(file, doc.Serialize());
}

}  // namespace devero::ini
