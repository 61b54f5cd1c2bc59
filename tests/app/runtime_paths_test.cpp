#include <gtest/gtest.h>

#include "app/runtime_paths.h"

namespace devero {
namespace {

TEST(RuntimePaths, FollowTheModuleDirectory) {
  const RuntimePaths paths(RuntimePaths::ModuleDirectoryOf("/opt/devero/devero"), 1);
  EXPECT_EQ(paths.ModuleDirectory(), Path("/opt/devero"));
  EXPECT_EQ(paths.SkinDirectory(), Path("/opt/devero/skins"));
  EXPECT_EQ(paths.ProductFile(), Path("/opt/devero/skins/config/config.ini"));
  EXPECT_EQ(paths.ConfigDirectory(), Path("/opt/devero/skins/config/"));
  EXPECT_EQ(paths.MacroDirectory(), Path("/opt/devero/skins/INI_EN/macro/"));
  EXPECT_EQ(paths.MacroResetDirectory(), Path("/opt/devero/skins/INI_EN/macroReset/"));
  EXPECT_EQ(paths.ResetProfileFile(), Path("/opt/devero/skins/config/configReset.ini"));
}

TEST(RuntimePaths, PathWithoutSeparatorGivesEmptyModuleDirectory) {
  EXPECT_EQ(RuntimePaths::ModuleDirectoryOf("devero"), Path());
  const RuntimePaths paths(Path(), 0);
  EXPECT_EQ(paths.SkinDirectory(), Path("/skins"));
  EXPECT_EQ(paths.ProductFile(), Path("/skins/config/config.ini"));
}

TEST(RuntimePaths, LanguageSwitchMovesTheMacroDirectories) {
  RuntimePaths paths(Path("/m"), 0);
  EXPECT_EQ(paths.MacroDirectory(), Path("/m/skins/INI_CN/macro/"));
  EXPECT_EQ(paths.MacroResetDirectory(), Path("/m/skins/INI_CN/macroReset/"));
  paths.SetLanguage(1);
  EXPECT_EQ(paths.LanguageIsEnglish(), 1);
  EXPECT_EQ(paths.MacroDirectory(), Path("/m/skins/INI_EN/macro/"));
  paths.SetLanguage(2);
  EXPECT_EQ(paths.LanguageIsEnglish(), 2);
  EXPECT_EQ(paths.MacroDirectory(), Path("/m/skins/INI_EN/macro/"));
}

TEST(RuntimePaths, CurrentModuleDirectoryHoldsTheTestProgram) {
  EXPECT_TRUE(std::filesystem::is_directory(RuntimePaths::CurrentModuleDirectory()));
}

TEST(FontSize, BaseFollowsTheDisplayScale) {
  struct Case {
    float scale;
    int base;
  };
  for (const Case& c : {Case{1.0f, 87}, Case{1.25f, 63}, Case{1.5f, 53}, Case{1.75f, 43},
                        Case{2.0f, 43}, Case{1.1f, 30}, Case{0.5f, 30}, Case{3.0f, 30}}) {
    EXPECT_EQ(FontBaseForScale(c.scale), c.base) << c.scale;
    EXPECT_EQ(FontTenthsOfPointForScale(c.scale), c.base + 10) << c.scale;
  }
  EXPECT_EQ(FontTenthsOfPointForScale(105.6f / 96.0f), 40);  // 110 %: 4.0 points
}

}  // namespace
}  // namespace devero
