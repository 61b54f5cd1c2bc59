#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/ini/ini_document.h"

namespace devero {

// The button count the per-button tables hold.
inline constexpr int kMaxButtons = 9;

// What tells one model of mouse from the next: names, button count and the mouse's own number
// (map number, 1..9) of each button.
struct ProductDescription {
  std::u16string productNameCn;
  std::u16string productNameEn;
  int32_t keyNum = 0;  // 0..9: a file value outside that range is clamped
  std::array<uint8_t, kMaxButtons> keyMap{};
  std::array<uint8_t, kMaxButtons> keyInitValue{};
  std::u16string devString;
  // Entry keyMap[b] - 1 holds button index b.
  std::array<uint8_t, kMaxButtons> buttonByMapNumber{};

  // A button whose map number is outside 1..9 takes part in no table and no device slot.
  bool HasValidMapNumber(int button) const;
  const std::u16string& ProductName(int language_is_english) const;
};

ProductDescription ReadProductDescription(const ini::IniDocument& product_file);
ProductDescription ReadProductDescription(const std::filesystem::path& product_file);

void RebuildButtonByMapNumber(ProductDescription& product);

// The low 8 bits of [Init] VER_SEL: nonzero selects English.
int ReadLanguage(const ini::IniDocument& file);
int ReadLanguage(const std::filesystem::path& file);

}  // namespace devero
