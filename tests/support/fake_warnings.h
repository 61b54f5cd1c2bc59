#pragma once

#include <string>
#include <vector>

#include "platform/user/warning_service.h"

namespace devero::testing {

// Records every warning and question; answers questions with `answer`.
class FakeWarnings : public WarningService {
 public:
  int ShowWarning(const std::u16string& text) override {
    warnings.push_back(text);
    return 1;
  }
  int ShowQuestion(const std::u16string& text) override {
    questions.push_back(text);
    return answer;
  }

  std::vector<std::u16string> warnings;
  std::vector<std::u16string> questions;
  int answer = 1;
};

}  // namespace devero::testing
