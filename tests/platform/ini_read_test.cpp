#include <gtest/gtest.h>

#include <string>

#include "platform/ini/ini_document.h"
#include "platform/text/utf.h"

namespace devero::ini {
namespace {

struct ReadCase {
  const char* name;
  std::string file;  // UTF-8 bytes
  std::u16string section;
  std::u16string key;
  size_t buffer;
  std::u16string expected;
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, GivesWhatThePrivateProfileReadGives) {
  const ReadCase& c = GetParam();
  const IniDocument doc = IniDocument::Parse(c.file);
  EXPECT_EQ(doc.Get(c.section, c.key, u"<default>", c.buffer), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReadTest,
    ::testing::Values(
        ReadCase{"plain", "[S]\r\nk=v\r\n", u"S", u"k", 100, u"v"},
        ReadCase{"missing_section", "[S]\r\nk=v\r\n", u"T", u"k", 100, u"<default>"},
        ReadCase{"missing_key", "[S]\r\nk=v\r\n", u"S", u"x", 100, u"<default>"},
        ReadCase{"empty_file", "", u"S", u"k", 100, u"<default>"},
        ReadCase{"empty_value_is_not_missing", "[S]\r\nk=\r\n", u"S", u"k", 100, u""},
        ReadCase{"section_case_insensitive", "[ShareData]\nk=1\n", u"SHAREDATA", u"k", 100, u"1"},
        ReadCase{"key_case_insensitive", "[S]\nKeyNum=5\n", u"S", u"keynum", 100, u"5"},
        ReadCase{"names_trimmed", "[  S  ]\n  k  =  v  \n", u"S", u"k", 100, u"v"},
        ReadCase{"query_names_trimmed", "[S]\nk=v\n", u" S ", u" k ", 100, u"v"},
        ReadCase{"leading_blanks_before_bracket", "   [S]\nk=v\n", u"S", u"k", 100, u"v"},
        ReadCase{"section_ends_at_first_bracket", "[S]x] junk\nk=v\n", u"S", u"k", 100, u"v"},
        ReadCase{"value_tabs_trimmed", "[S]\nk=\t v \t\n", u"S", u"k", 100, u"v"},
        ReadCase{"inner_blanks_kept", "[S]\nk=a  b\n", u"S", u"k", 100, u"a  b"},
        ReadCase{"double_quotes_removed", "[S]\nk=\" v \"\n", u"S", u"k", 100, u" v "},
        ReadCase{"single_quotes_removed", "[S]\nk='v'\n", u"S", u"k", 100, u"v"},
        ReadCase{"one_pair_only", "[S]\nk=\"\"v\"\"\n", u"S", u"k", 100, u"\"v\""},
        ReadCase{"unmatched_quotes_kept", "[S]\nk=\"v'\n", u"S", u"k", 100, u"\"v'"},
        ReadCase{"lone_quote_kept", "[S]\nk=\"\n", u"S", u"k", 100, u"\""},
        ReadCase{"first_duplicate_key_wins", "[S]\nk=1\nk=2\n", u"S", u"k", 100, u"1"},
        ReadCase{"only_first_duplicate_section", "[S]\na=1\n[T]\n[S]\nb=2\n", u"S", u"b", 100,
                 u"<default>"},
        ReadCase{"comment_line", "[S]\n;k=1\nk=2\n", u"S", u"k", 100, u"2"},
        ReadCase{"indented_comment", "[S]\n  ;k=1\n", u"S", u"k", 100, u"<default>"},
        ReadCase{"line_without_equals", "[S]\nk\nk=3\n", u"S", u"k", 100, u"3"},
        ReadCase{"equals_in_value", "[S]\nk=a=b\n", u"S", u"k", 100, u"a=b"},
        ReadCase{"key_before_any_section", "k=1\n[S]\n", u"S", u"k", 100, u"<default>"},
        ReadCase{"lf_line_ends", "[S]\nk=v\n", u"S", u"k", 100, u"v"},
        ReadCase{"cr_line_ends", "[S]\rk=v\rj=w", u"S", u"j", 100, u"w"},
        ReadCase{"mixed_line_ends", "[S]\r\na=1\nb=2\rc=3", u"S", u"c", 100, u"3"},
        ReadCase{"no_final_line_end", "[S]\nk=v", u"S", u"k", 100, u"v"},
        ReadCase{"cut_to_buffer_minus_one", "[S]\nk=123456\n", u"S", u"k", 5, u"1234"},
        ReadCase{"fits_exactly", "[S]\nk=1234\n", u"S", u"k", 5, u"1234"},
        ReadCase{"default_cut_too", "[S]\n", u"S", u"k", 4, u"<de"},
        ReadCase{"buffer_of_one_is_empty", "[S]\nk=v\n", u"S", u"k", 1, u""},
        ReadCase{"utf8_bom_skipped", "\xEF\xBB\xBF[S]\nk=v\n", u"S", u"k", 100, u"v"},
        ReadCase{"chinese_value", "[S]\nk=\xE9\xBC\xA0\xE6\xA0\x87\n", u"S", u"k", 100, u"鼠标"},
        ReadCase{"chinese_cut_by_code_units", "[S]\nk=\xE9\xBC\xA0\xE6\xA0\x87\n", u"S", u"k", 2,
                 u"鼠"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniRead, ReadsAValueOfTensOfThousandsOfCharacters) {
  const std::string value(26648, '7');
  const IniDocument doc = IniDocument::Parse("[Macros]\r\n0=" + value + "\r\n");
  EXPECT_EQ(doc.Get(u"Macros", u"0", u"", 26649).size(), 26648u);
  EXPECT_EQ(doc.Get(u"Macros", u"0", u"", 1463).size(), 1462u);
}

TEST(IniRead, ReadsUtf16LeFilesWrittenOnWindows) {
  const std::u16string text = u"[PRODUCTNAME]\r\nPRODUCTNAME_CN=游戏鼠标\r\nKeyNum = 7\r\n";
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  const IniDocument doc = IniDocument::Parse(bytes);
  EXPECT_EQ(doc.encoding(), Encoding::kUtf16Le);
  EXPECT_EQ(doc.Get(u"productname", u"PRODUCTNAME_CN", u"", 50), u"游戏鼠标");
  EXPECT_EQ(doc.GetInt(u"PRODUCTNAME", u"KeyNum", 15), 7);
}

struct IntCase {
  const char* text;
  int32_t expected;
};

class IniIntTest : public ::testing::TestWithParam<IntCase> {};

TEST_P(IniIntTest, ConvertsLeadingDigits) {
  const IniDocument doc = IniDocument::Parse(std::string("[S]\nk=") + GetParam().text + "\n");
  EXPECT_EQ(doc.GetInt(u"S", u"k", 100), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, IniIntTest,
                         ::testing::Values(IntCase{"42", 42}, IntCase{"2x", 2}, IntCase{"x2", 0},
                                           IntCase{"", 0}, IntCase{"-7", -7}, IntCase{"+8", 8},
                                           IntCase{"- 8", 0}, IntCase{"0012", 12},
                                           IntCase{"2147483647", 2147483647},
                                           IntCase{"2147483648", 2147483647},
                                           IntCase{"99999999999999999999", 2147483647},
                                           IntCase{"-2147483648", -2147483647 - 1},
                                           IntCase{"-99999999999999999999", -2147483647 - 1}));

TEST(IniRead, NumberIsConvertedFromTheCutText) {
  const IniDocument doc = IniDocument::Parse("[Config0]\nK0=123456\n");
  EXPECT_EQ(doc.GetInt(u"Config0", u"K0", 5), 1234);
}

}  // namespace
}  // namespace devero::ini
