#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace devero {

struct FileChoiceRequest {
  enum class Mode { kOpen, kSave };
  Mode mode = Mode::kOpen;
  std::u16string filter;             // "All Files(*.ini)|*.ini||"
  std::u16string default_extension;  // added by a save dialog to a name without one
  std::filesystem::path initial_directory;
  bool overwrite_prompt = false;
};

// The standard open and save dialogs; nothing when the user cancels.
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  virtual std::optional<std::filesystem::path> Choose(const FileChoiceRequest& request) = 0;
};

}  // namespace devero
