// Files built to hurt: huge, with a huge line, binary junk, thousands of sections, macro lines
// that hold no digit, group names that climb out of the macro directory. Each is read as the
// program reads it, and what is read is what the file says (or, for what it does not say,
// what a missing key reads as). Time and memory per byte are in bench/hostile_files_bench.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/runtime_paths.h"
#include "app/startup_reads.h"
#include "macro/headless_macro_library.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "platform/user/silent_warnings.h"
#include "profile/profile_store.h"
#include "reliability/hostile_files.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

// Everything the start-up reads give, as numbers and names.
struct StartupResult {
  std::vector<int64_t> numbers;
  std::vector<std::u16string> names;
  bool operator==(const StartupResult&) const = default;
};

StartupResult ReadAtStartup(const std::filesystem::path& root) {
  RuntimePaths paths(root);
  SilentWarnings warnings;
  ProductDescription p;
  ProfileSettings s;
  RunStartupReads(paths, p, s, warnings);
  StartupResult r;
  r.names = {p.productNameCn, p.productNameEn, p.devString};
  auto add = [&](const auto& values) {
    r.numbers.insert(r.numbers.end(), values.begin(), values.end());
  };
  r.numbers = {p.keyNum,
               paths.LanguageIsEnglish(),
               s.currentProfile,
               s.dpiLevel,
               s.ledType,
               s.ledCycleTime,
               s.ledFeatureDirection,
               s.ledFeatureSymmetry,
               s.ledBrightness,
               s.cycleColorMask,
               s.dpiSpeed,
               s.wheelSpeed,
               s.usbSpeed,
               s.fireTime};
  add(p.keyMap);
  add(p.keyInitValue);
  for (const auto* table : {&s.buttonFunction, &s.buttonMacro, &s.buttonLedReactType}) {
    for (const auto& profile : *table)
      add(profile);
  }
  add(s.dpiStageValue);
  add(s.dpiStageEnabled);
  add(s.ledTypeSwitchEnable);
  for (const auto& c : s.dpiStageColor)
    add(std::array<int64_t, 3>{c.r, c.g, c.b});
  for (const auto& c : s.ledUserColor)
    add(std::array<int64_t, 3>{c.r, c.g, c.b});
  return r;
}

StartupResult ReadProductFile(const std::string& content) {
  TempDir root;
  WriteFile(RuntimePaths(root.path()).ProductFile(), content);
  return ReadAtStartup(root.path());
}

StartupResult Factory() {
  return ReadProductFile(ReadFile(SourceDir() / "data" / "config" / "config.ini"));
}

#if defined(__SANITIZE_THREAD__)
// Under ThreadSanitizer a single-threaded parse costs about 40 times as much and can show no
// race; the normal and the AddressSanitizer builds read the full 50 MB.
constexpr size_t kLargeFile = 8u << 20;
#else
constexpr size_t kLargeFile = 50u << 20;
#endif

TEST(HostileProductFile, ReadsTheFactoryValuesAroundWhatWasAdded) {
  const StartupResult factory = Factory();
  ASSERT_EQ(factory.numbers.at(0), 7);  // the factory keyNum: the reads found the file
  struct Case {
    const char* what;
    std::function<std::string()> make;
  };
  const Case cases[] = {
      {"large", [] { return ProductFileOfSize(kLargeFile); }},
      {"10 000 sections before it", [] { return ProductFileWithSections(10000); }},
      {"4 MB of line breaks after it",
       [] { return ProductFileWithSections(0) + std::string(4u << 20, '\n'); }},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadProductFile(c.make()), factory) << c.what;
  }
}

TEST(HostileProductFile, ALineOfOneMegabyteIsCutToTheRoomOfItsRead) {
  StartupResult expected = Factory();
  // K0 of profile 0 comes after the fixed numbers, keyMap and keyInitValue; it is read with
  // room for 4 characters.
  expected.numbers.at(14 + 2 * kMaxButtons) = 1111;
  EXPECT_EQ(ReadProductFile(ProductFileWithLongLine(1u << 20)), expected);
}

TEST(HostileProductFile, BinaryJunkReadsLikeAnEmptyFile) {
  EXPECT_EQ(ReadProductFile(BinaryJunk(1u << 20, 7)), ReadProductFile(""));
}

TEST(HostileProductFile, TenThousandSectionsSurviveAnApplySave) {
  TempDir root;
  RuntimePaths paths(root.path());
  WriteFile(paths.ProductFile(), ProductFileWithSections(10000));
  SilentWarnings warnings;
  ProfileSettings settings;
  ProfileStore store(settings, warnings);
  for (int n = 0; n < kProfileCount; ++n)
    store.LoadProfile(paths.ConfigDirectory(), n, false);
  settings.dpiLevel = 4;
  settings.buttonFunction[3][1] = 19;
  ASSERT_TRUE(store.SaveAll(paths.ProductFile()));
  const ini::IniDocument doc = ini::Load(paths.ProductFile());
  EXPECT_TRUE(doc.HasSection(u"Section0"));
  EXPECT_TRUE(doc.HasSection(u"Section9999"));
  EXPECT_EQ(doc.GetInt(u"Section9999", u"DPI_LEVEL", 5), 9999);
  EXPECT_EQ(doc.GetInt(u"ShareData", u"DPI_LEVEL", 5), 4);
  EXPECT_EQ(doc.GetInt(u"Config3", u"K1", 5), 19);
}

TEST(HostileMacroFile, TwelveLinesWithoutDigitsReadAsTwelveEmptyMacros) {
  for (const char fill : {'f', '\xFF'}) {
    TempDir dir;
    WriteFile(dir / "group.dat", MacroFileOfFilledLines(fill));
    auto state = std::make_unique<MacroState>();
    for (MacroRecord& slot : state->macroTable.slots)
      SetMacroName(slot, u"was here");
    SilentWarnings warnings;
    ReadMacroFile(dir / "group.dat", *state, warnings, 1);
    EXPECT_EQ(state->macroTable.macroCount, 12) << fill;
    EXPECT_EQ(state->datVersion, 3);
    for (int i = 0; i < 12; ++i)
      EXPECT_EQ(state->macroTable.slots[i], MacroRecord{}) << i;
    EXPECT_EQ(MacroName(state->macroTable.slots[12]), u"was here");  // the blank slot
    EXPECT_EQ(ReadMacrosFromFile(dir / "group.dat", 1).size(), 12u);
  }
}

TEST(HostileGroupIndex, NamesThatLeaveTheMacroDirectoryAreDropped) {
  TempDir root;
  RuntimePaths paths(root.path(), 1);
  const auto dir = paths.MacroDirectory();
  const std::string padding(46, 'x');
  const std::string safe59(59, 's');
  // Each unsafe name is 59 characters and names a file that exists, outside the directory or
  // not a file of it.
  const std::vector<std::string> names = {
      "../../../" + padding + "evil",     // root/xxx...evil.dat
      "..",                               // the directory above, as "...dat"
      "sub/" + std::string(55, 'y'),      // a file in a subdirectory
      "..\\..\\..\\" + padding + "evil",  // the other separator
      safe59,                             // kept
      "Office",                           // kept
      ".",
      std::string(57, '.') + "/a",
      "/" + std::string(58, 'z'),
      "../" + std::string(56, 'w'),
      "a/../" + std::string(54, 'v'),
      std::string(70, 'L'),  // read as its first 59 characters, whose file exists
  };
  std::string index = "[MACRO_GROUP_NUM]\r\nmacGrpNum=12\r\n[MACRO_GROUP_NAME]\r\n";
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_TRUE(names[i].size() == 59 || names[i].size() <= 6 || names[i].size() == 70) << i;
    index += std::to_string(i) + "=" + names[i] + "\r\n";
  }
  const std::string group = ReadFile(SourceDir() / "data" / "INI_EN" / "macro" / "Office.dat");
  WriteFile(dir / "macroGrp.ini", index);
  WriteFile(root / (padding + "evil.dat"), group);
  WriteFile(dir.parent_path().parent_path() / "..dat", group);
  WriteFile(dir / "sub" / (std::string(55, 'y') + ".dat"), group);
  WriteFile(dir / (safe59 + ".dat"), group);
  WriteFile(dir / "Office.dat", group);
  WriteFile(dir / (std::string(59, 'L') + ".dat"), group);

  SilentWarnings warnings;
  HeadlessMacroLibrary headless(paths, warnings);
  headless.library.LoadLibrary();
  const auto& lib = headless.state;
  ASSERT_EQ(lib.groupCount, 3);
  EXPECT_EQ(lib.groupNames[0], U16(safe59));
  EXPECT_EQ(lib.groupNames[1], u"Office");
  EXPECT_EQ(lib.groupNames[2], U16(std::string(59, 'L')));
  EXPECT_EQ(headless.macros->macroTable.macroCount, 3);  // group 0 loaded: Office's content
  for (int g = 0; g < 3; ++g)
    EXPECT_EQ(headless.library.GroupMacros(g).size(), 3u) << g;
  // The index is written again without the dropped groups.
  const ini::IniDocument written = ini::Load(dir / "macroGrp.ini");
  EXPECT_EQ(written.GetInt(u"MACRO_GROUP_NUM", u"macGrpNum", 3), 3);
  EXPECT_EQ(written.Get(u"MACRO_GROUP_NAME", u"3", u"?", 60), u"");
  EXPECT_EQ(ReadFile(root / (padding + "evil.dat")), group);  // untouched outside
}

}  // namespace
}  // namespace devero::testing
