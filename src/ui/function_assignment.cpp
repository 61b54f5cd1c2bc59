#include "ui/function_assignment.h"

#include <algorithm>

namespace devero::ui {
namespace {

int ButtonCount(const ProductDescription& product) {
  return std::clamp(product.keyNum, 0, kSlotCount);
}

bool ProfileInRange(const ProfileSettings& settings) {
  return settings.currentProfile >= 0 && settings.currentProfile < kProfileCount;
}

}  // namespace

int ButtonOfEntry(const ProductDescription& product, int entry) {
  const int button = entry - kFirstFunctionField;
  return button >= 0 && button < ButtonCount(product) ? button : -1;
}

bool OtherButtonHasLeftClick(const ProfileSettings& settings, const ProductDescription& product,
                             int button) {
  if (!ProfileInRange(settings)) return false;
  const auto& functions = settings.buttonFunction[static_cast<size_t>(settings.currentProfile)];
  for (int i = 0; i < ButtonCount(product); ++i) {
    if (i != button && functions[static_cast<size_t>(i)] == kLeftClickFunction) return true;
  }
  return false;
}

void ApplyLeftClickGuard(ProfileSettings& settings, const ProductDescription& product, int entry) {
  if (settings.currentProfile != 0) return;
  const int button = ButtonOfEntry(product, entry);
  if (button < 0) return;
  auto& functions = settings.buttonFunction[0];
  const int count = ButtonCount(product);
  for (int i = count - 1; i >= 0; --i) {
    if (functions[static_cast<size_t>(i)] == kLeftClickFunction) return;
  }
  const int target = button == count - 1 ? button : button + 1;
  functions[static_cast<size_t>(target)] = kLeftClickFunction;
}

bool AssignFunction(ProfileSettings& settings, const ProductDescription& product, int entry,
                    int32_t function, bool media) {
  const int button = ButtonOfEntry(product, entry);
  if (button < 0 || !ProfileInRange(settings)) return false;
  const auto p = static_cast<size_t>(settings.currentProfile);
  const auto b = static_cast<size_t>(button);
  settings.buttonFunction[p][b] = function;
  settings.buttonMacro[p][b] = media ? 1 : 0;
  ApplyLeftClickGuard(settings, product, entry);
  return true;
}

int32_t FunctionMenuCode(int row) {
  if (row >= 1 && row <= 6) return row;
  if (row >= 7 && row <= 11) return row + 6;  // Double Click 13 .. DPI - 17
  return 0;
}

int32_t MediaCode(int row) {
  return row >= 1 && row <= 10 ? 22 + row : 0;
}

int32_t ShortcutCode(int row) {
  if (row >= 1 && row <= 8) return 32 + row;
  return row == 9 ? 12 : 0;  // Desktop
}

int32_t ProfileSwitchCode(int row) {
  return row >= 1 && row <= 4 ? 18 + row : 0;
}

int32_t MacroCode(int group_row, int macro_row) {
  return 256 * group_row + (macro_row - 1);
}

}  // namespace devero::ui
