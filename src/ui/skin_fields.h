#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/ini/ini_document.h"

namespace devero::ui {

// A skin value is read into a buffer of this many characters: 259 characters at most.
inline constexpr size_t kSkinValueBuffer = 260;
inline constexpr int kSkinFieldCount = 7;
// Name, x, y, width, height, label, and one unused field.
using SkinFields = std::array<std::u16string, kSkinFieldCount>;

int CountCommas(std::u16string_view value);

// Splits a value at its commas with a running position that starts at -1. Exactly six commas
// give the seven fields; with fewer, the search wraps back to the start of the value (the
// position restarts at -1 after a missing comma) and the later fields repeat earlier text.
SkinFields SplitSkinValue(std::u16string_view value);

// The value of key `key` (its decimal number) of `section`, as the skin reader sees it.
std::u16string ReadSkinValue(const ini::IniDocument& file, std::u16string_view section, int key);

}  // namespace devero::ui
