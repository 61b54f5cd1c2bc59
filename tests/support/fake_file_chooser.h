#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/user/file_chooser.h"

namespace devero::testing {

// Answers each request with the next queued choice, or with `answer` when none is queued
// (nothing = the user cancels), and keeps the requests for inspection.
class FakeFileChooser : public FileChooser {
 public:
  std::optional<std::filesystem::path> Choose(const FileChoiceRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return answer;
    auto next = answers.front();
    answers.pop_front();
    return next;
  }

  std::deque<std::optional<std::filesystem::path>> answers;
  std::optional<std::filesystem::path> answer;
  std::vector<FileChoiceRequest> requests;
};

}  // namespace devero::testing
