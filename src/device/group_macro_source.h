#pragma once

#include "macro/macro_record.h"

namespace devero {

// The macro groups on disk, as the download sees them.
class GroupMacroSource {
 public:
  virtual ~GroupMacroSource() = default;
  virtual int GroupCount() const = 0;
  virtual int GroupMacroCount(int group) const = 0;
  // An empty record when the group or the macro does not exist.
  virtual MacroRecord GroupMacro(int group, int index) const = 0;
};

}  // namespace devero
