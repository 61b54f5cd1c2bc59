#pragma once

#include <string>

namespace devero {

// How every subsystem tells the user about a problem or asks a question. The GUI shows its
// skinned warning dialog; the CLI prints; tests record.
class WarningService {
 public:
  virtual ~WarningService() = default;
  // The plain form; returns 1 when the user confirms.
  virtual int ShowWarning(const std::u16string& text) = 0;
  // The question form (confirm or cancel); returns 1 when the user confirms.
  virtual int ShowQuestion(const std::u16string& text) = 0;
};

}  // namespace devero
