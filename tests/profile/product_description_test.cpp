#include <gtest/gtest.h>

#include <string>

#include "platform/ini/ini_document.h"
#include "profile/product_description.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

ProductDescription Read(const std::string& text) {
  return ReadProductDescription(ini::IniDocument::Parse(text));
}

TEST(ProductDescription, ReadsNamesCountsAndMap) {
  const ProductDescription p = Read(
      "[PRODUCTNAME]\r\nPRODUCTNAME_CN=鼠标\r\nPRODUCTNAME_EN=Mouse\r\nDevString=Dev\r\n"
      "[KEYNUM]\r\nKeyNum=5\r\n"
      "[KEYMAP]\r\nK1_MAP=1\r\nK2_MAP=2\r\nK3_MAP=3\r\nK4_MAP=5\r\nK5_MAP=4\r\n"
      "[KEY_UIFC]\r\nK1_INIT_VAL=7\r\nK5_INIT_VAL=300\r\n");
  EXPECT_EQ(p.productNameCn, u"鼠标");
  EXPECT_EQ(p.productNameEn, u"Mouse");
  EXPECT_EQ(p.devString, u"Dev");
  EXPECT_EQ(p.keyNum, 5);
  EXPECT_EQ((std::array<uint8_t, 9>{1, 2, 3, 5, 4, 0, 0, 0, 0}), p.keyMap);
  EXPECT_EQ((std::array<uint8_t, 9>{7, 0, 0, 0, 44, 0, 0, 0, 0}), p.keyInitValue);
  EXPECT_EQ((std::array<uint8_t, 9>{0, 1, 2, 4, 3, 0, 0, 0, 0}), p.buttonByMapNumber);
  EXPECT_EQ(p.ProductName(1), u"Mouse");
  EXPECT_EQ(p.ProductName(0), u"鼠标");
}

TEST(ProductDescription, CutsNamesToTheirRoom) {
  const ProductDescription p = Read("[PRODUCTNAME]\nPRODUCTNAME_EN=" + std::string(60, 'n') +
                                    "\nDevString=" + std::string(20, 'd') + "\n");
  EXPECT_EQ(p.productNameEn, std::u16string(49, u'n'));
  EXPECT_EQ(p.devString, std::u16string(17, u'd'));
}

TEST(ProductDescription, MapNumbersUseLeadingDigits) {
  const ProductDescription p =
      Read("[KEYNUM]\nKeyNum=3\n[KEYMAP]\nK1_MAP=1\nK2_MAP=x2\nK3_MAP=2x\n");
  EXPECT_EQ(p.keyMap[1], 0);
  EXPECT_EQ(p.keyMap[2], 2);
  EXPECT_FALSE(p.HasValidMapNumber(1));
  EXPECT_TRUE(p.HasValidMapNumber(2));
}

TEST(ProductDescription, ButtonCountIsClampedToTheTables) {
  struct Case {
    const char* key_num;
    int expected;
  };
  for (const Case& c : {Case{"9", 9}, Case{"10", 9}, Case{"4000000000", 9}, Case{"-3", 0},
                        Case{"", 0}, Case{"0", 0}}) {
    std::string file = std::string("[KEYNUM]\nKeyNum=") + c.key_num + "\n[KEYMAP]\n";
    for (int i = 1; i <= 12; ++i)
      file += "K" + std::to_string(i) + "_MAP=" + std::to_string(i) + "\n";
    const ProductDescription p = Read(file);
    EXPECT_EQ(p.keyNum, c.expected) << c.key_num;
    for (int b = 0; b < p.keyNum; ++b)
      EXPECT_EQ(p.buttonByMapNumber[b], b);
  }
}

TEST(ProductDescription, InvalidMapNumbersStayOutOfTheInverseTable) {
  // Map numbers 0, 10 and 255 name no slot; the other buttons still land where they map.
  const ProductDescription p =
      Read("[KEYNUM]\nKeyNum=5\n[KEYMAP]\nK1_MAP=0\nK2_MAP=10\nK3_MAP=255\nK4_MAP=9\nK5_MAP=3\n");
  EXPECT_FALSE(p.HasValidMapNumber(0));
  EXPECT_FALSE(p.HasValidMapNumber(1));
  EXPECT_FALSE(p.HasValidMapNumber(2));
  EXPECT_TRUE(p.HasValidMapNumber(3));
  EXPECT_FALSE(p.HasValidMapNumber(5));  // beyond keyNum
  EXPECT_EQ((std::array<uint8_t, 9>{0, 0, 4, 0, 0, 0, 0, 0, 3}), p.buttonByMapNumber);
}

TEST(ProductDescription, LanguageIsTheLowByteOfVerSel) {
  struct Case {
    const char* file;
    int expected;
  };
  for (const Case& c : {Case{"[Init]\nVER_SEL=1\n", 1}, Case{"[Init]\nVER_SEL=2\n", 2},
                        Case{"[Init]\nVER_SEL=0\n", 0}, Case{"[Init]\nVER_SEL=\n", 0}, Case{"", 0},
                        Case{"[Init]\nVER_SEL=256\n", 0}, Case{"[Init]\nVER_SEL=257\n", 1},
                        Case{"[Init]\nVER_SEL=12345\n", 1234 & 0xFF}}) {
    EXPECT_EQ(ReadLanguage(ini::IniDocument::Parse(c.file)), c.expected) << c.file;
  }
}

TEST(ProductDescription, MissingFileReadsEmpty) {
  testing::TempDir dir;
  const ProductDescription p = ReadProductDescription(dir / "config.ini");
  EXPECT_EQ(p.keyNum, 0);
  EXPECT_TRUE(p.productNameEn.empty());
  EXPECT_EQ(ReadLanguage(dir / "config.ini"), 0);
}

}  // namespace
}  // namespace devero
