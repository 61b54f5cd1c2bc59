#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/user/warning_service.h"

namespace devero::cli {

// Prints every warning as "warning: <text>" (line breaks written as \n) and keeps the texts
// for the JSON output. Every warning and question counts as confirmed.
class CliWarnings : public WarningService {
 public:
  explicit CliWarnings(std::ostream& err) : err_(err) {}
  int ShowWarning(const std::u16string& text) override;
  int ShowQuestion(const std::u16string& text) override;

  const std::vector<std::u16string>& texts() const { return texts_; }

 private:
  std::ostream& err_;
  std::vector<std::u16string> texts_;
};

}  // namespace devero::cli
