#pragma once

#include <string>

namespace devero {

// Icons of the group list's rows.
inline constexpr int kCollapsedGroupIcon = 0;
inline constexpr int kExpandedGroupIcon = 1;
inline constexpr int kMacroIcon = 2;

// One row of the group list: a group, or one macro of an expanded group under it.
struct GroupListRow {
  bool isGroupRow = true;
  int group = 0;
  int macro = -1;  // -1 for a group row
  std::u16string text;
  int icon = kCollapsedGroupIcon;
  friend bool operator==(const GroupListRow&, const GroupListRow&) = default;
};

}  // namespace devero
