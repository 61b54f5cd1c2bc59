#include <gtest/gtest.h>

#include "platform/ini/ini_file.h"
#include "profile/background_save.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::TempDir;

TEST(BackgroundSave, WritesTheRecordAsItWasWhenStarted) {
  TempDir dir;
  const std::filesystem::path file = dir / "config.ini";
  ProfileSettings settings;
  settings.currentProfile = 2;
  settings.buttonFunction[3][8] = 300;
  std::vector<int> order;
  BackgroundSave save;
  save.Start(settings, file, [&] {
    order.push_back(1);
    return true;
  });
  settings.buttonFunction[3][8] = 1;  // changed after the start: not part of this save
  EXPECT_TRUE(save.Wait());
  EXPECT_EQ(order, std::vector<int>{1});
  const ini::IniDocument saved = ini::Load(file);
  EXPECT_EQ(saved.GetInt(u"Init", u"CurConfig", 5), 2);
  EXPECT_EQ(saved.GetInt(u"Config3", u"K8", 5), 300);
  EXPECT_EQ(saved.GetInt(u"Config0", u"LED_REACT_EN0", 5), 1);
}

TEST(BackgroundSave, SavesLandInTheOrderTheyStarted) {
  TempDir dir;
  const std::filesystem::path file = dir / "config.ini";
  ProfileSettings settings;
  BackgroundSave save;
  for (int i = 1; i <= 5; ++i) {
    settings.dpiLevel = i;
    save.Start(settings, file);
  }
  EXPECT_TRUE(save.Wait());
  EXPECT_EQ(ini::Load(file).GetInt(u"ShareData", u"DPI_LEVEL", 5), 5);
}

TEST(BackgroundSave, ReportsAFailedWrite) {
  TempDir dir;
  ProfileSettings settings;
  BackgroundSave save;
  save.Start(settings, dir / "missing" / "config.ini");
  EXPECT_FALSE(save.Wait());
  save.Start(settings, dir / "config.ini", [] { return false; });
  EXPECT_FALSE(save.Wait());
  save.Start(settings, dir / "config.ini");
  EXPECT_TRUE(save.Wait());
}

}  // namespace
}  // namespace devero
