#pragma once

#include "platform/user/warning_service.h"

namespace devero {

// For work that has nobody to ask (a background thread, a benchmark): every warning counts as
// confirmed and every question as declined.
class SilentWarnings final : public WarningService {
 public:
  int ShowWarning(const std::u16string&) override { return 1; }
  int ShowQuestion(const std::u16string&) override { return 0; }
};

}  // namespace devero
