#pragma once

#include <cstdint>

#include "macro/macro_record.h"

namespace devero {

// The macro tables and flags that live for the whole process. The application owns one and
// passes it by reference; it is large, so keep it off small stacks.
struct MacroState {
  MacroTable macroTable;
  BuiltInMacroTable builtInMacroTable;
  RapidFireTable rapidFireTable;
  // Nonzero while the loaded group's file carries the lock marker: its steps are hidden and
  // cannot be changed.
  int groupLocked = 0;
  // DAT_VER of the macro file read last.
  uint8_t datVersion = 0;
};

}  // namespace devero
