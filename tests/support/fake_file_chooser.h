#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/user/file_chooser.h"

namespace devero::testing {

// Answers every dialog with `answer` (nothing = cancel) and records the requests.
class FakeFileChooser : public FileChooser {
 public:
  std::optional<std::filesystem::path> Choose(const FileChoiceRequest& request) override {
    requests.push_back(request);
    return answer;
  }

  std::optional<std::filesystem::path> answer;
  std::vector<FileChoiceRequest> requests;
};

}  // namespace devero::testing
