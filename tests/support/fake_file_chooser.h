#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/user/file_chooser.h"

namespace devero::testing {

// Answers each request with the next queued choice (nothing = the user cancels) and keeps the
// requests for inspection.
class FakeFileChooser : public FileChooser {
 public:
  std::optional<std::filesystem::path> Choose(const FileChoiceRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<std::optional<std::filesystem::path>> answers;
  std::vector<FileChoiceRequest> requests;
};

}  // namespace devero::testing
