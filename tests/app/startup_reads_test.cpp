#include <gtest/gtest.h>

#include "app/startup_reads.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::FakeWarnings;
using testing::TempDir;

TEST(StartupReads, FactoryDataGivesTheSevenButtonProduct) {
  TempDir dir;
  testing::InstallFactoryData(dir.path());
  RuntimePaths paths(dir.path());
  ProductDescription product;
  ProfileSettings settings;
  FakeWarnings warnings;
  RunStartupReads(paths, product, settings, warnings);
  EXPECT_TRUE(warnings.warnings.empty());
  EXPECT_EQ(product.keyNum, 7);
  EXPECT_FALSE(product.productNameEn.empty());
  EXPECT_FALSE(product.productNameCn.empty());
  EXPECT_EQ(paths.LanguageIsEnglish(), 1);
  EXPECT_EQ(paths.MacroDirectory(), Path(dir.path().native() + "/skins/INI_EN/macro/"));
  EXPECT_EQ(settings.currentProfile, 0);
  // Profile 0: left, right, middle, back, forward, DPI up, DPI down.
  EXPECT_EQ((std::array<int32_t, 9>{1, 2, 3, 4, 5, 16, 17, 0, 0}), settings.buttonFunction[0]);
  for (int n = 0; n < kProfileCount; ++n)
    EXPECT_EQ(settings.buttonFunction[n][0], 1) << n;
  // Six enabled stages with distinct colours.
  for (int i = 0; i < kDpiStageCount; ++i) {
    EXPECT_EQ(settings.dpiStageEnabled[i], 1);
    for (int j = 0; j < i; ++j)
      EXPECT_NE(settings.dpiStageColorRef[i], settings.dpiStageColorRef[j]);
  }
  EXPECT_EQ(settings.cycleColorMask, 0x7F);
}

TEST(StartupReads, MissingProductFileWarnsOncePerProfile) {
  TempDir dir;
  RuntimePaths paths(dir.path(), 1);
  ProductDescription product;
  ProfileSettings settings;
  FakeWarnings warnings;
  RunStartupReads(paths, product, settings, warnings);
  EXPECT_EQ(warnings.warnings, std::vector<std::u16string>(4, u"Error：Config.ini"));
  EXPECT_EQ(paths.LanguageIsEnglish(), 0);
  EXPECT_EQ(product.keyNum, 0);
  EXPECT_EQ(settings.fireTime, 50);  // initial values stay
}

}  // namespace
}  // namespace devero
