#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "ui/skin_fields.h"
#include "ui/skin_tables.h"

namespace devero::ui {
namespace {

using testing::TempDir;
using testing::WriteFile;

struct SplitCase {
  std::u16string value;
  SkinFields fields;
};

TEST(SplitSkinValue, FollowsTheRunningPosition) {
  const std::vector<SplitCase> cases = {
      {u"Left,10,20,30,40,Text,x", {u"Left", u"10", u"20", u"30", u"40", u"Text", u"x"}},
      {u",5,6,7,8,,", {u"", u"5", u"6", u"7", u"8", u"", u""}},
      // Two commas: the position restarts at -1 after the missing third comma.
      {u"A,1,2", {u"A", u"1", u"", u"A", u"1", u"", u"A,1,2"}},
      {u"NoComma", {u"NoComma", u"", u"", u"", u"", u"", u""}},
      {u"", {u"", u"", u"", u"", u"", u"", u""}},
      // Seven commas: the first six split, field 6 keeps the rest.
      {u"a,1,2,3,4,L,b,c", {u"a", u"1", u"2", u"3", u"4", u"L", u"b,c"}},
      {u",,,,,,", {u"", u"", u"", u"", u"", u"", u""}},
      // A trailing comma as the value's last character.
      {u"a,", {u"a", u"", u"a", u"", u"a", u"", u"a,"}},
      {u" Lbl , 3 ,4,5,6, label with blanks ,z",
       {u" Lbl ", u" 3 ", u"4", u"5", u"6", u" label with blanks ", u"z"}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitSkinValue(c.value), c.fields) << std::string(c.value.begin(), c.value.end());
  }
}

TEST(EntryFromFields, ConvertsLeadingDigits) {
  EXPECT_EQ(EntryFromFields(SplitSkinValue(u"A,1,2")).x, 1);
  const SkinEntry e = EntryFromFields(SplitSkinValue(u"A,1,2"));
  EXPECT_EQ((std::vector<int32_t>{e.x, e.y, e.width, e.height}),
            (std::vector<int32_t>{1, 0, 0, 1}));
  const SkinEntry n = EntryFromFields(SplitSkinValue(u"n,-5, +7,12px,x9,Go,"));
  EXPECT_EQ((std::vector<int32_t>{n.x, n.y, n.width, n.height}),
            (std::vector<int32_t>{-5, 7, 12, 0}));
  EXPECT_EQ(n.label, u"Go");
  const SkinEntry big =
      EntryFromFields(SplitSkinValue(u"b,99999999999,2147483647,-99999999999,1,,"));
  EXPECT_EQ(big.x, INT32_MAX);
  EXPECT_EQ(big.y, INT32_MAX);
  EXPECT_EQ(big.width, INT32_MIN);
  const SkinRect r = RectFromFields(SplitSkinValue(u"r,2147483647,10,2147483647,5,,"));
  EXPECT_EQ(r.right, int64_t{2147483647} * 2);
  EXPECT_EQ(r.bottom, 15);
}

class RecordingReport : public SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path& file) override {
    missing.push_back(file);
    return go_on_when_missing;
  }
  void OnTooManyCommas(const std::filesystem::path& file) override { commas.push_back(file); }

  bool go_on_when_missing = false;
  std::vector<std::filesystem::path> missing;
  std::vector<std::filesystem::path> commas;
};

TEST(SkinFile, FillsATableKeyByKey) {
  TempDir dir;
  const auto file = dir / "skin.ini";
  const std::string long_label(240, 'L');
  const std::string too_long_label(300, 'L');
  WriteFile(file, "[BUTTONPOS]\n0=a,1,2,3,4,Zero,\n2=c,5,6,7,8,Two,,extra\n3=d,1,2,3,4," + long_label +
                      ",\n4=e,1,2,3,4,L,x,y,z\n5=f,1,2,3,4," + too_long_label + ",\n");
  RecordingReport report;
  SkinFile skin(file, report, true);
  std::array<SkinEntry, 6> table;
  table[1] = {9, 9, 9, 9, u"stale"};
  ASSERT_TRUE(skin.ReadTable(u"BUTTONPOS", table));
  EXPECT_EQ(table[0].label, u"Zero");
  EXPECT_EQ(table[2].width, 7);
  // A missing key clears the entry.
  EXPECT_EQ((std::vector<int32_t>{table[1].x, table[1].y, table[1].width, table[1].height}),
            (std::vector<int32_t>{0, 0, 0, 0}));
  EXPECT_TRUE(table[1].label.empty());
  EXPECT_EQ(table[3].label.size(), 240u);
  // Values are read with room for 259 characters: this one loses its last comma, so the
  // label field wraps to nothing while the numbers stay.
  EXPECT_TRUE(table[5].label.empty());
  EXPECT_EQ(table[5].height, 4);
  // Two values with too many commas, one report for the file.
  EXPECT_EQ(report.commas.size(), 1u);
  EXPECT_EQ(table[2].label, u"Two");
  EXPECT_EQ(table[4].label, u"L");
  EXPECT_TRUE(report.missing.empty());
}

TEST(SkinFile, DialogFilesDoNotCountCommas) {
  TempDir dir;
  WriteFile(dir / "s.ini", "[BUTTONPOS]\n0=e,1,2,3,4,L,x,y,z\n");
  RecordingReport report;
  SkinFile skin(dir / "s.ini", report, false);
  std::array<SkinEntry, 1> table;
  ASSERT_TRUE(skin.ReadTable(u"BUTTONPOS", table));
  EXPECT_TRUE(report.commas.empty());
}

TEST(SkinFile, MissingFileIsReportedAndReadingStops) {
  TempDir dir;
  RecordingReport report;
  SkinFile skin(dir / "none.ini", report, true);
  std::array<SkinEntry, 4> table;
  EXPECT_FALSE(skin.ReadTable(u"BUTTONPOS", table));
  EXPECT_FALSE(skin.ReadTable(u"BUTTONPOS", table));
  EXPECT_EQ(report.missing.size(), 1u);
}

TEST(SkinFile, MissingFileCanBeReadAsEmpty) {
  TempDir dir;
  RecordingReport report;
  report.go_on_when_missing = true;
  SkinFile skin(dir / "none.ini", report, true);
  std::array<SkinEntry, 3> table;
  table[0] = SkinEntry{1, 1, 1, 1, std::u16string(1, u'x')};
  EXPECT_TRUE(skin.ReadTable(u"BUTTONPOS", table));
  EXPECT_TRUE(table[0].label.empty());
  EXPECT_EQ(report.missing.size(), 3u);
}

TEST(SkinFile, BinaryJunkGivesEntriesWithoutCrashing) {
  TempDir dir;
  std::string junk;
  for (int i = 0; i < 20000; ++i)
    junk += static_cast<char>((i * 7919) % 256);
  WriteFile(dir / "junk.ini", junk);
  RecordingReport report;
  SkinFile skin(dir / "junk.ini", report, true);
  std::array<SkinEntry, 138> table;
  EXPECT_TRUE(skin.ReadTable(u"BUTTONPOS", table));
}

TEST(SkinFilePath, ByLanguage) {
  EXPECT_EQ(SkinFilePath("/s", "skin_main", 1),
            std::filesystem::path("/s/INI_EN/skin_main_en.ini"));
  EXPECT_EQ(SkinFilePath("/s", "skin_main", 0), std::filesystem::path("/s/INI_CN/skin_main.ini"));
  EXPECT_EQ(SkinFilePath("/s", "LBWarning", 2),
            std::filesystem::path("/s/INI_EN/LBWarning_en.ini"));
}

void WriteSkinSet(const std::filesystem::path& skins, const char* folder, const char* suffix,
                  const std::string& word) {
  auto path = [&](const char* base) {
    return skins / folder / (std::string(base) + suffix + ".ini");
  };
  WriteFile(path("skin_main"), "[BUTTONPOS]\n0=" + word +
                                   "x,1,2,3,4,min,\n"
                                   "[FUN_STRING]\n1=" +
                                   word +
                                   "Left,0,0,0,0,,\n47=Last,,,,,,\n"
                                   "[EDIT]\n3=e,10,20,30,40,,\n");
  WriteFile(path("skin_color"), "[BUTTONPOS]\n102=,1,1,1,1," + word + ",\n");
  WriteFile(path("skin_advance"), "[BUTTONPOS]\n137=,2,2,2,2," + word + ",\n");
  WriteFile(path("skin_mac"), "[BUTTONPOS]\n19=,3,3,3,3," + word +
                                  ",\n[EDIT]\n2=,1,2,3,4,,\n"
                                  "[MACRODISPLAY]\n1=,5,6,7,8,,\n3=,9,9,1,1,,\n");
  WriteFile(path("LBWarning"), "[BUTTONPOS]\n0=,0,0,0,0," + word + "OK,\n");
}

TEST(LoadMainWindowSkin, ReadsEveryTableOfTheLanguage) {
  TempDir dir;
  WriteSkinSet(dir.path(), "INI_EN", "_en", "en");
  WriteSkinSet(dir.path(), "INI_CN", "", "cn");
  for (int english : {1, 0}) {
    RecordingReport report;
    MainWindowSkin skin;
    ASSERT_TRUE(LoadMainWindowSkin(dir.path(), english, report, skin));
    const std::u16string w = english ? u"en" : u"cn";
    const std::u16string left = english ? u"enLeft" : u"cnLeft";
    const std::u16string ok = english ? u"enOK" : u"cnOK";
    EXPECT_EQ(skin.main[0].label, u"min");
    EXPECT_EQ(skin.main[0].x, 1);
    EXPECT_EQ(skin.functionNames[0], english ? u"Off" : u"\u65E0\u529F\u80FD");
    EXPECT_EQ(skin.functionNames[1], left);
    EXPECT_EQ(skin.functionNames[47], u"Last");
    EXPECT_TRUE(skin.functionNames[2].empty());
    EXPECT_EQ(skin.mainEdit[3].right, 40);
    EXPECT_EQ(skin.mainEdit[3].bottom, 60);
    EXPECT_EQ(skin.lighting[102].label, w);
    EXPECT_EQ(skin.advanced[137].label, w);
    EXPECT_EQ(skin.macro[19].label, w);
    EXPECT_EQ(skin.macroEdit[2].right, 4);
    EXPECT_EQ(skin.macroDisplay[0].left, 5);
    EXPECT_EQ(skin.macroDisplay[0].bottom, 14);
    EXPECT_EQ(skin.macroDisplay[1].right, 0);
    EXPECT_EQ(skin.macroDisplay[2].right, 10);
    EXPECT_EQ(skin.warning[0].label, ok);
    EXPECT_TRUE(report.missing.empty());
  }
}

TEST(LoadMainWindowSkin, MissingFileStopsTheLoad) {
  TempDir dir;
  WriteSkinSet(dir.path(), "INI_EN", "_en", "en");
  std::filesystem::remove(dir / "INI_EN/skin_advance_en.ini");
  RecordingReport report;
  MainWindowSkin skin;
  EXPECT_FALSE(LoadMainWindowSkin(dir.path(), 1, report, skin));
  ASSERT_EQ(report.missing.size(), 1u);
  EXPECT_EQ(report.missing[0].filename(), "skin_advance_en.ini");
  // What came before it is loaded; the macro file after it is not.
  EXPECT_EQ(skin.lighting[102].label, u"en");
  EXPECT_TRUE(skin.macro[19].label.empty());
}

}  // namespace
}  // namespace devero::ui
