#pragma once

#include <cstdint>
#include <string>

#include "macro/macro_record.h"

namespace devero {

// Icons of the step list, as indexes into its image list.
inline constexpr int kIconPlain = 0;  // delay rows and steps that are neither press nor release
inline constexpr int kIconPress = 1;
inline constexpr int kIconRelease = 2;
inline constexpr int kIconCursorMove = 3;
inline constexpr int kIconLighting = 4;
inline constexpr int kIconDpi = 5;

struct StepTextResult {
  std::u16string text;
  int icon = kIconPlain;
};

// The step list's text and icon of step `step` (a slot 0..274) of the macro; the recorder shows
// steps before it sets stepCount. A slot outside the step columns gives an empty text.
StepTextResult StepText(const MacroRecord& macro, int step, int language_is_english);

// The text of the delay row that follows a step.
std::u16string DelayRowText(uint16_t delay_ms);

}  // namespace devero
