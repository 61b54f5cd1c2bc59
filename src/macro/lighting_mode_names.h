#pragma once

#include <array>
#include <string>
#include <string_view>

namespace devero {

inline constexpr int kLightingModeNameCount = 20;

// The names of the lighting modes in the interface language (0 = Chinese, nonzero = English).
// Entries 0..14 name the lighting page's modes; 14..18 are the rows of the lighting-step menu and
// 14..19 name the entries of a macro's lighting block.
const std::array<std::u16string_view, kLightingModeNameCount>& LightingModeNames(
    int language_is_english);

// One name; an index outside 0..19 gives an empty text.
std::u16string LightingModeName(int index, int language_is_english);

}  // namespace devero
