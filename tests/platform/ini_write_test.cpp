#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/ini/ini_document.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "support/temp_dir.h"

namespace devero::ini {
namespace {

using devero::testing::ReadFile;
using devero::testing::TempDir;
using devero::testing::WriteFile;

struct SetCase {
  const char* name;
  std::string before;
  std::u16string section;
  std::u16string key;
  std::u16string value;
  std::string after;
};

class IniSetTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(IniSetTest, ChangesOnlyWhatTheWriteTouches) {
  const SetCase& c = GetParam();
  IniDocument doc = IniDocument::Parse(c.before);
  ASSERT_TRUE(doc.Set(c.section, c.key, c.value));
  EXPECT_EQ(doc.Serialize(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniSetTest,
    ::testing::Values(
        SetCase{"creates_from_nothing", "", u"S", u"k", u"1", "[S]\r\nk=1\r\n"},
        SetCase{"replaces_in_place", "[S]\r\na=1\r\nk=2\r\nb=3\r\n", u"S", u"k", u"9",
                "[S]\r\na=1\r\nk=9\r\nb=3\r\n"},
        SetCase{"keeps_file_spelling", "[SHAREDATA]\n  Dpi_Level = 2\n", u"ShareData", u"DPI_LEVEL",
                u"4", "[SHAREDATA]\nDpi_Level=4\r\n"},
        SetCase{"untouched_lines_byte_for_byte", "; note\n[S]\nk=1\n\n[T]\r\nx = 'q'\r", u"S", u"k",
                u"2", "; note\n[S]\nk=2\r\n\n[T]\r\nx = 'q'\r"},
        SetCase{"new_key_after_last_key", "[S]\na=1\nb=2\n\n; c\n[T]\n", u"S", u"k", u"3",
                "[S]\na=1\nb=2\nk=3\r\n\n; c\n[T]\n"},
        SetCase{"new_key_in_empty_section", "[S]\n[T]\nx=1\n", u"S", u"k", u"3",
                "[S]\nk=3\r\n[T]\nx=1\n"},
        SetCase{"new_section_at_end", "[S]\na=1\n", u"T", u"k", u"v", "[S]\na=1\n[T]\r\nk=v\r\n"},
        SetCase{"new_section_after_unterminated_line", "[S]\na=1", u"T", u"k", u"v",
                "[S]\na=1\r\n[T]\r\nk=v\r\n"},
        SetCase{"first_duplicate_key_replaced", "[S]\nk=1\nk=2\n", u"S", u"k", u"3",
                "[S]\nk=3\r\nk=2\n"},
        SetCase{"first_duplicate_section_used", "[S]\na=1\n[S]\nk=2\n", u"S", u"k", u"3",
                "[S]\na=1\nk=3\r\n[S]\nk=2\n"},
        SetCase{"empty_value", "[S]\nk=1\n", u"S", u"k", u"", "[S]\nk=\r\n"},
        SetCase{"outer_blanks_are_quoted", "", u"S", u"k", u"NEW ", "[S]\r\nk=\"NEW \"\r\n"},
        SetCase{"outer_quotes_are_quoted", "", u"S", u"k", u"'a'", "[S]\r\nk=\"'a'\"\r\n"},
        SetCase{"utf8_bom_kept", "\xEF\xBB\xBF[S]\nk=1\n", u"S", u"k", u"2",
                "\xEF\xBB\xBF[S]\nk=2\r\n"},
        SetCase{"chinese_written_as_utf8", "", u"S", u"k", u"鼠标",
                "[S]\r\nk=\xE9\xBC\xA0\xE6\xA0\x87\r\n"},
        SetCase{"invalid_utf8_elsewhere_kept", "[S]\nk=1\nbad=\xFF\xFE\x80\n", u"S", u"k", u"2",
                "[S]\nk=2\r\nbad=\xFF\xFE\x80\n"},
        SetCase{"runs_of_comments_blanks_and_junk_kept",
                "; a\r\n\n junk \r\n[S]\r\n; b\n\nk=1\n; c\r[T]\n", u"S", u"k2", u"v",
                "; a\r\n\n junk \r\n[S]\r\n; b\n\nk=1\nk2=v\r\n; c\r[T]\n"},
        SetCase{"new_section_after_unterminated_junk", "[S]\nk=1\n; x\n junk", u"T", u"k", u"v",
                "[S]\nk=1\n; x\n junk\r\n[T]\r\nk=v\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniSet, ValuesReadBackUnchanged) {
  for (std::u16string value : {u" lead", u"trail ", u"\"q\"", u"'x'", u"\"", u"a=b", u"; no"}) {
    IniDocument doc;
    ASSERT_TRUE(doc.Set(u"S", u"k", value));
    const IniDocument again = IniDocument::Parse(doc.Serialize());
    EXPECT_EQ(again.Get(u"S", u"k", u"", 100), value) << Utf16ToUtf8(value);
  }
}

TEST(IniSet, RefusesWhatNoLineCanHold) {
  IniDocument doc = IniDocument::Parse("[S]\nk=1\n");
  const std::string before = doc.Serialize();
  EXPECT_FALSE(doc.Set(u"S", u"k", u"a\r\nb=2"));
  EXPECT_FALSE(doc.Set(u"S", u"k", u"a\nb"));
  EXPECT_FALSE(doc.Set(u"S", std::u16string(u"k\0x", 3), u"1"));
  EXPECT_FALSE(doc.Set(u"S", u"a=b", u"1"));
  EXPECT_FALSE(doc.Set(u"S]", u"k", u"1"));
  EXPECT_FALSE(doc.Set(u"", u"k", u"1"));
  EXPECT_FALSE(doc.Set(u"S", u"  ", u"1"));
  EXPECT_FALSE(doc.Set(u"S", u";k", u"1"));
  EXPECT_EQ(doc.Serialize(), before);
}

TEST(IniSet, ManyKeysIntoManySectionsStayFindable) {
  IniDocument doc;
  for (int s = 0; s < 5; ++s) {
    for (int k = 0; k < 40; ++k) {
      ASSERT_TRUE(doc.Set(u"Sec" + ToU16(s), u"K" + ToU16(k), ToU16(s * 100 + k)));
    }
  }
  ASSERT_TRUE(doc.Set(u"Sec0", u"extra", u"x"));  // an insertion shifts every later section
  const IniDocument again = IniDocument::Parse(doc.Serialize());
  for (int s = 0; s < 5; ++s) {
    for (int k = 0; k < 40; ++k) {
      EXPECT_EQ(doc.GetInt(u"Sec" + ToU16(s), u"K" + ToU16(k), 10), s * 100 + k);
      EXPECT_EQ(again.GetInt(u"Sec" + ToU16(s), u"K" + ToU16(k), 10), s * 100 + k);
    }
  }
  EXPECT_EQ(again.Get(u"sec0", u"EXTRA", u"", 10), u"x");
}

std::string Utf16LeFile(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

TEST(IniFile, WindowsUtf16FileIsWrittenBackAsUtf16) {
  TempDir dir;
  const auto file = dir / "config.ini";
  WriteFile(file, Utf16LeFile(u"[Init]\r\nVER_SEL=1\r\nCurConfig=0\r\n"));
  ASSERT_TRUE(WriteString(file, u"Init", u"CurConfig", u"3"));
  ASSERT_TRUE(WriteString(file, u"组", u"名", u"宏"));
  EXPECT_EQ(ReadFile(file),
            Utf16LeFile(u"[Init]\r\nVER_SEL=1\r\nCurConfig=3\r\n[组]\r\n名=宏\r\n"));
  EXPECT_EQ(ReadString(file, u"组", u"名", u"", 10), u"宏");
}

TEST(IniFile, Utf16RunsOfCommentsAndBlankLinesAreWrittenBackUnchanged) {
  IniDocument doc = IniDocument::Parse(Utf16LeFile(u"; 说明\r\n\r\n\n[S]\r\n;x\rk=1\r\n\r\n; y"));
  ASSERT_TRUE(doc.Set(u"S", u"j", u"2"));
  ASSERT_TRUE(doc.Set(u"T", u"k", u"3"));
  EXPECT_EQ(doc.Serialize(), Utf16LeFile(u"; 说明\r\n\r\n\n[S]\r\n;x\rk=1\r\nj=2\r\n\r\n; "
                                         u"y\r\n[T]\r\nk=3\r\n"));
}

TEST(IniFile, MissingFileReadsDefaultsAndIsCreatedAsUtf8) {
  TempDir dir;
  const auto file = dir / "new.ini";
  EXPECT_EQ(ReadString(file, u"S", u"k", u"def", 10), u"def");
  EXPECT_EQ(ReadInt(file, u"S", u"k", 10), 0);
  ASSERT_TRUE(WriteString(file, u"S", u"名", u"值"));
  EXPECT_EQ(ReadFile(file), "[S]\r\n\xE5\x90\x8D=\xE5\x80\xBC\r\n");
}

TEST(IniFile, WriteIntoMissingDirectoryFails) {
  TempDir dir;
  EXPECT_FALSE(WriteString(dir / "no" / "such.ini", u"S", u"k", u"v"));
}

TEST(IniFile, UpdateWritesOnceAndCanBeAbandoned) {
  TempDir dir;
  const auto file = dir / "a.ini";
  WriteFile(file, "[S]\r\nk=1\r\n");
  EXPECT_FALSE(Update(file, [](IniDocument& doc) {
    doc.Set(u"S", u"k", u"2");
    return false;
  }));
  EXPECT_EQ(ReadFile(file), "[S]\r\nk=1\r\n");
  EXPECT_TRUE(Update(file, [](IniDocument& doc) {
    return doc.Set(u"S", u"k", u"2") && doc.Set(u"S", u"j", u"3");
  }));
  EXPECT_EQ(ReadFile(file), "[S]\r\nk=2\r\nj=3\r\n");
}

TEST(IniFile, ReplacementLeavesNoTemporaryFilesAndKeepsPermissions) {
  TempDir dir;
  const auto file = dir / "a.ini";
  WriteFile(file, "[S]\r\n");
  std::filesystem::permissions(
      file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  ASSERT_TRUE(WriteString(file, u"S", u"k", u"1"));
  int entries = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    (void)e;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST(IniFile, WritesFromSeveralThreadsAreAllKept) {
  TempDir dir;
  const auto file = dir / "shared.ini";
  constexpr int kThreads = 4;
  constexpr int kWrites = 25;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int i = 0; i < kWrites; ++i) {
        WriteString(file, u"T" + ToU16(t), u"K" + ToU16(i), ToU16(i));
      }
    });
  }
  for (auto& t : threads)
    t.join();
  const IniDocument doc = Load(file);
  for (int t = 0; t < kThreads; ++t) {
    for (int i = 0; i < kWrites; ++i) {
      EXPECT_EQ(doc.Get(u"T" + ToU16(t), u"K" + ToU16(i), u"lost", 10), ToU16(i));
    }
  }
}

TEST(IniFile, ReadersNeverSeeATornFile) {
  TempDir dir;
  const auto file = dir / "torn.ini";
  const std::u16string big(5000, u'x');
  ASSERT_TRUE(WriteString(file, u"S", u"v", big));
  std::atomic<bool> stop{false};
  std::thread writer([&] {
    for (int i = 0; i < 50; ++i)
      WriteString(file, u"S", u"n", ToU16(i));
    stop = true;
  });
  int reads = 0;
  while (!stop) {
    EXPECT_EQ(ReadString(file, u"S", u"v", u"", 6000), big);
    ++reads;
  }
  writer.join();
  EXPECT_GT(reads, 0);
}

}  // namespace
}  // namespace devero::ini
