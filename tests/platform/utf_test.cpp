#include <gtest/gtest.h>

#include "platform/text/utf.h"

namespace devero {
namespace {

TEST(Utf, Utf8ToUtf16) {
  struct Case {
    std::string in;
    std::u16string out;
  };
  const Case cases[] = {
      {"", u""},
      {"plain ascii", u"plain ascii"},
      {"a\xE9\xBC\xA0z", u"a鼠z"},
      {"\xF0\x9F\x96\xB1", u"\U0001F5B1"},  // four bytes: a surrogate pair
      {"x\xFFy", u"x\uFFFDy"},              // no lead byte
      {"x\xE9\xBC", u"x\uFFFD"},            // cut short at the end
      {"\xE9z", u"\uFFFDz"},                // cut short before ASCII
      {"\xC0\xAF", u"\uFFFD"},              // overlong
      {"\xED\xA0\x80", u"\uFFFD"},          // an encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD"},      // beyond U+10FFFF
  };
  for (const Case& c : cases)
    EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << c.in;
}

TEST(Utf, Utf16ToUtf8) {
  EXPECT_EQ(Utf16ToUtf8(u"a鼠\U0001F5B1"), "a\xE9\xBC\xA0\xF0\x9F\x96\xB1");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

TEST(Utf, AsciiCaseFolding) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase(u"ShareData", u"SHAREDATA"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"ShareData", u"ShareDat"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase(u"Ä", u"ä"));  // only ASCII letters fold
}

}  // namespace
}  // namespace devero
