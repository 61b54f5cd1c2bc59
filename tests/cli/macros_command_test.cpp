#include "cli/macros_command.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "macro/macro_file.h"
#include "platform/text/utf.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;
using ::devero::testing::ReadFile;
using ::devero::testing::SourceDir;
using ::devero::testing::TempDir;
using ::devero::testing::WriteFile;
using Json = nlohmann::ordered_json;

// A module directory holding the factory data, with VER_SEL set to `language`.
void InstallFactoryDataIn(const stdfs::path& root, int language) {
  testing::InstallFactoryData(root);
  const stdfs::path product = root / "skins" / "config" / "config.ini";
  std::string text = ReadFile(product);
  const size_t at = text.find("VER_SEL=");
  ASSERT_NE(at, std::string::npos);
  text[at + 8] = static_cast<char>('0' + language);
  WriteFile(product, text);
}

Json Macros(const stdfs::path& root, std::ostringstream& err) {
  RuntimePaths paths(root);
  cli::CliWarnings warnings(err);
  return cli::MacrosJson(paths, warnings);
}

TEST(MacrosCommand, ListsTheFactoryLibraryOfEachLanguage) {
  const struct {
    int language;
    std::vector<std::string> groups;
    std::string left_button;
  } cases[] = {
      {1, {"Office", "Games"}, "L-KEY"},
      {0, {"办公", "游戏"}, "L-KEY"},
      {2, {"Office", "Games"}, "左键"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    TempDir root;
    InstallFactoryDataIn(root.path(), c.language);
    std::ostringstream err;
    const Json out = Macros(root.path(), err);
    EXPECT_EQ(out["languageIsEnglish"], c.language);
    EXPECT_EQ(out["groupCount"], 2);
    ASSERT_EQ(out["groups"].size(), 2u);
    for (size_t g = 0; g < 2; ++g)
      EXPECT_EQ(out["groups"][g]["name"], c.groups[g]);
    const Json& click = out["groups"][1]["macros"][1];
    EXPECT_EQ(click["steps"][0]["stepCode"], kLeftButton);
    EXPECT_EQ(click["steps"][0]["text"], c.left_button);
    const Json& dpi = out["groups"][1]["macros"][3];
    EXPECT_EQ(dpi["dpiStepCount"], 1);
    EXPECT_EQ(dpi["steps"][0]["text"], "[DPI]:400 ");
    ASSERT_EQ(out["builtIn"].size(), 13u);
    EXPECT_EQ(out["builtIn"][0]["macroName"], "Copy");
    EXPECT_EQ(out["builtIn"][0]["reservedBytes"], Json::parse("[0,10,0,0,0,0]"));
    EXPECT_EQ(out["warnings"], Json::array());
    EXPECT_EQ(err.str(), "");
  }
}

TEST(MacrosCommand, ShowsLockedGroupsAndReportsMissingFilesWithoutChangingThem) {
  TempDir root;
  const stdfs::path macro_dir = root / "skins" / "INI_EN" / "macro";
  WriteFile(root / "skins" / "config" / "config.ini", "[Init]\r\nVER_SEL=1\r\n");
  auto state = std::make_unique<MacroState>();
  state->macroTable.macroCount = 1;
  MacroRecord& m = state->macroTable.slots[0];
  SetMacroName(m, u"NEW1");
  m.repeatCount = 1;
  m.stepCount = 2;
  m.reservedBytes = {0, 10};
  SetStepAt(m, 0, MacroStep{kActionPress, 0x04, 0, 0, 20});
  SetStepAt(m, 1, MacroStep{0, kStepDelay, 0, 0, 500});
  state->groupLocked = 1;
  stdfs::create_directories(macro_dir);
  ASSERT_TRUE(WriteMacroFile(macro_dir / "Locked.dat", *state));
  WriteFile(macro_dir / "Odd.dat", "[Macros]\r\nmacroNum=99\r\n0=0x1abc\r\n");
  const std::string index =
      "[MACRO_GROUP_NUM]\r\nmacGrpNum=3\r\n[MACRO_GROUP_NAME]\r\n0=Gone\r\n1=Locked\r\n2=Odd\r\n";
  WriteFile(macro_dir / "macroGrp.ini", index);

  std::ostringstream err;
  const Json out = Macros(root.path(), err);
  EXPECT_EQ(out["groupCount"], 2);
  const Json expected_locked = Json::parse(R"({"name":"Locked","macroCount":1,"macros":[
      {"macroName":"NEW1","locked":true,"repeatMode":0,"repeatCount":1,"stepCount":2,
       "xyStepCount":0,"code247Count":0,"dpiStepCount":0,"code250Count":0,"ledDataCount":0,
       "code251DataCount":0,"reservedBytes":[0,10,0,0,0,0],"steps":[
        {"stepAction":1,"stepCode":4,"param1":0,"param2":0,"stepDelay":20,"text":"A"},
        {"stepAction":0,"stepCode":0,"param1":0,"param2":0,"stepDelay":500,"text":"[Delay]"}]}]})");
  EXPECT_EQ(out["groups"][0], expected_locked);
  EXPECT_EQ(out["groups"][1]["macroCount"], 12);
  EXPECT_EQ(out["groups"][1]["macros"][0]["macroName"], "");
  EXPECT_EQ(out["groups"][1]["macros"][0].value("locked", false), false);
  EXPECT_EQ(out["warnings"], Json::parse(R"(["No File "])"));
  EXPECT_EQ(err.str(), "warning: No File \n");
  EXPECT_EQ(ReadFile(macro_dir / "macroGrp.ini"), index);
}

TEST(MacrosCommand, TheProgramPrintsOneJsonObject) {
  TempDir root;
  InstallFactoryDataIn(root.path(), 1);
  stdfs::remove(root / "skins" / "config" / "constMacro.dat");
  const auto run = testing::RunCommand(DEVERO_CLI, {"--root", root.path().string(), "macros"});
  EXPECT_EQ(run.exit_code, 0);
  const std::string& out = run.out;
  std::ostringstream err;
  EXPECT_EQ(Json::parse(out), Macros(root.path(), err));
  EXPECT_EQ(run.err, "warning: No File \n");
  EXPECT_EQ(out.back(), '\n');
  EXPECT_EQ(out.find('\n'), out.size() - 1);
}

}  // namespace
}  // namespace devero
