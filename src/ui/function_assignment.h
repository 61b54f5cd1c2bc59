#pragma once

#include <cstdint>

#include "profile/product_description.h"
#include "profile/profile_settings.h"

namespace devero::ui {

inline constexpr int32_t kLeftClickFunction = 1;
// Main table entry of button 0's function field; button k uses entry 20 + k.
inline constexpr int kFirstFunctionField = 20;

// The button index of a function field entry, or -1 when the entry names no button of the
// product.
int ButtonOfEntry(const ProductDescription& product, int entry);

// Whether a button of the current profile other than `button` has Left Click: the main window
// opens a button's function menu only then, so that one button always keeps Left Click.
bool OtherButtonHasLeftClick(const ProfileSettings& settings, const ProductDescription& product,
                             int button);

// After an assignment to the button of `entry`: when no button of the first profile has Left
// Click any more, the next button gets it back (the changed button itself when it is the last).
// Other profiles are left alone.
void ApplyLeftClickGuard(ProfileSettings& settings, const ProductDescription& product, int entry);

// Writes `function` into the current profile's button of `entry` with its companion value (1 for
// a media key, 0 otherwise), then applies the guard. False, with nothing written, when the entry
// names no button or the current profile is out of range.
bool AssignFunction(ProfileSettings& settings, const ProductDescription& product, int entry,
                    int32_t function, bool media);

// Function codes of the menus' rows (1-based rows); 0 for a row that assigns nothing.
// Function menu rows 1..11.
int32_t FunctionMenuCode(int row);
// Media submenu rows 1..10.
int32_t MediaCode(int row);
// Shortcut submenu rows 1..9: the built-in macros, then Desktop.
int32_t ShortcutCode(int row);
// Profile submenu rows 1..4.
int32_t ProfileSwitchCode(int row);
// Macro `macro_row` of the group on row `group_row` of the Macro submenu: the group number in
// the high byte, the macro index from 0 in the low byte.
int32_t MacroCode(int group_row, int macro_row);

}  // namespace devero::ui
