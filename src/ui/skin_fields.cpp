#include "ui/skin_fields.h"

#include <algorithm>

#include "platform/text/utf.h"

namespace devero::ui {

int CountCommas(std::u16string_view value) {
  return static_cast<int>(std::count(value.begin(), value.end(), u','));
}

SkinFields SplitSkinValue(std::u16string_view value) {
  SkinFields fields;
  if (value.find(u',') == std::u16string_view::npos) {
    fields[0] = std::u16string(value);
    return fields;
  }
  long p = -1;
  for (int i = 0; i < 6; ++i) {
    const size_t from = static_cast<size_t>(p + 1);
    long comma = -1;
    if (from < value.size()) {
      const size_t found = value.find(u',', from);
      if (found != std::u16string_view::npos) comma = static_cast<long>(found);
    }
    if (comma >= 0)
      fields[i] = std::u16string(value.substr(from, static_cast<size_t>(comma) - from));
    if (i == 5) {
      fields[6] = comma >= 0 ? std::u16string(value.substr(static_cast<size_t>(comma) + 1))
                             : std::u16string(value);
    }
    p = comma;
  }
  return fields;
}

std::u16string ReadSkinValue(const ini::IniDocument& file, std::u16string_view section, int key) {
  return file.Get(section, ToU16(key), u"", kSkinValueBuffer);
}

}  // namespace devero::ui
