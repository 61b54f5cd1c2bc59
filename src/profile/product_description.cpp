#include "profile/product_description.h"

#include <algorithm>

#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"

namespace devero {

bool ProductDescription::HasValidMapNumber(int button) const {
  return button >= 0 && button < keyNum && keyMap[button] >= 1 && keyMap[button] <= kMaxButtons;
}

const std::u16string& ProductDescription::ProductName(int language_is_english) const {
  return language_is_english != 0 ? productNameEn : productNameCn;
}

ProductDescription ReadProductDescription(const ini::IniDocument& file) {
  ProductDescription p;
  p.productNameCn = file.Get(u"PRODUCTNAME", u"PRODUCTNAME_CN", u"", 50);
  p.productNameEn = file.Get(u"PRODUCTNAME", u"PRODUCTNAME_EN", u"", 50);
  p.keyNum = std::clamp(file.GetInt(u"KEYNUM", u"KeyNum", 15), 0, kMaxButtons);
  for (int i = 1; i <= p.keyNum; ++i) {
    p.keyMap[i - 1] = static_cast<uint8_t>(file.GetInt(u"KEYMAP", u"K" + ToU16(i) + u"_MAP", 15));
    p.keyInitValue[i - 1] =
        static_cast<uint8_t>(file.GetInt(u"KEY_UIFC", u"K" + ToU16(i) + u"_INIT_VAL", 15));
  }
  p.devString = file.Get(u"PRODUCTNAME", u"DevString", u"", 18);
  RebuildButtonByMapNumber(p);
  return p;
}

ProductDescription ReadProductDescription(const std::filesystem::path& product_file) {
  return ReadProductDescription(ini::Load(product_file));
}

void RebuildButtonByMapNumber(ProductDescription& p) {
  for (int b = 0; b < p.keyNum; ++b) {
    if (p.HasValidMapNumber(b)) p.buttonByMapNumber[p.keyMap[b] - 1] = static_cast<uint8_t>(b);
  }
}

int ReadLanguage(const ini::IniDocument& file) {
  return file.GetInt(u"Init", u"VER_SEL", 5) & 0xFF;
}

int ReadLanguage(const std::filesystem::path& file) {
  return ReadLanguage(ini::Load(file));
}

}  // namespace devero
