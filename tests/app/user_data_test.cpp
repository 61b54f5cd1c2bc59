#include "app/user_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <vector>

#include "app/runtime_paths.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(DataDirectory, Choice) {
  TempDir t;
  const Path build_bin = t / "build/bin";
  stdfs::create_directories(build_bin / "skins/config");
  const Path prefix = t / "prefix";
  stdfs::create_directories(prefix / "bin");
  stdfs::create_directories(prefix / "share/devero/skins");
  const Path home = t / "home";
  const Path local_prefix = home / ".local";
  stdfs::create_directories(local_prefix / "bin");
  stdfs::create_directories(local_prefix / "share/devero/skins");
  const std::string xdg = (t / "xdg").string();

  struct Case {
    const char* name;
    DataDirectoryInputs in;
    Path module;
    Path factory;
  };
  const Case cases[] = {
      {"--root is used as given", {"/some/root", build_bin, xdg, home}, "/some/root", {}},
      {"build tree in place", {"", build_bin, xdg, home}, build_bin, {}},
      {"installed: per-user copy",
       {"", prefix / "bin", xdg, home},
       t / "xdg/devero",
       prefix / "share/devero"},
      {"relative XDG_DATA_HOME is ignored",
       {"", prefix / "bin", "rel/xdg", home},
       home / ".local/share/devero",
       prefix / "share/devero"},
      {"installed into the per-user directory",
       {"", local_prefix / "bin", "", home},
       local_prefix / "share/devero",
       {}},
      {"nothing found: the executable's directory",
       {"", t / "elsewhere", xdg, home},
       t / "elsewhere",
       {}},
  };
  for (const Case& c : cases) {
    const DataDirectory d = ChooseDataDirectory(c.in);
    EXPECT_TRUE(d.Ok()) << c.name << ": " << d.error;
    EXPECT_EQ(d.module_directory, c.module) << c.name;
    EXPECT_EQ(d.factory_directory, c.factory) << c.name;
    EXPECT_EQ(d.PerUser(), !c.factory.empty()) << c.name;
  }

  const DataDirectory no_home = ChooseDataDirectory({"", prefix / "bin", "", ""});
  EXPECT_FALSE(no_home.Ok());
  EXPECT_NE(no_home.error.find("HOME"), std::string::npos) << no_home.error;
}

TEST(DataDirectory, ReadOnlySkinsBesideTheExecutableGetAPerUserCopy) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write anywhere";
  TempDir t;
  stdfs::create_directories(t / "bin/skins/config");
  stdfs::permissions(t / "bin/skins", stdfs::perms::owner_write, stdfs::perm_options::remove);
  const DataDirectory d = ChooseDataDirectory({"", t / "bin", (t / "xdg").string(), ""});
  stdfs::permissions(t / "bin/skins", stdfs::perms::owner_write, stdfs::perm_options::add);
  EXPECT_EQ(d.module_directory, t / "xdg/devero");
  EXPECT_EQ(d.factory_directory, t / "bin");
}

TEST(UserData, WrittenFilesAreCopiedTheOthersLinked) {
  struct Case {
    const char* path;
    bool copied;
  };
  for (const Case& c : {Case{"config/config.ini", true}, Case{"config/constMacro.dat", true},
                        Case{"INI_EN/macro/Games.dat", true}, Case{"INI_CN/macroReset/a.dat", true},
                        Case{"INI_EN/skin_main_en.ini", false}, Case{"INI_EN/macro", false},
                        Case{"main_normal.jpg", false}, Case{"MacMenu/MacG_mask.jpg", false},
                        Case{"INI_DE/macro/x.dat", false}, Case{"macro/x.dat", false}}) {
    EXPECT_EQ(IsUserDataFile(c.path), c.copied) << c.path;
  }
}

// An installed copy with a few files of each kind.
struct Installed {
  explicit Installed(const Path& module) : module(module) {
    Write("config/config.ini", "[Init]\nVER_SEL=1\n");
    Write("config/configReset.ini", "[Config0]\n");
    Write("INI_EN/macro/Games.dat", "games");
    Write("INI_CN/macroReset/g.dat", "reset");
    Write("INI_EN/skin_main_en.ini", "[BUTTONPOS]\n");
    Write("main_normal.jpg", "jpeg");
  }
  void Write(const std::string& relative, std::string_view bytes) const {
    WriteFile(module / "skins" / relative, bytes);
  }
  Path module;
};

TEST(UserData, FirstStartCopiesDataAndLinksPictures) {
  TempDir t;
  const Installed installed(t / "share/devero");
  const Path user = t / "user/devero";
  std::string error;
  ASSERT_TRUE(SeedUserData(installed.module, user, &error)) << error;

  for (const char* copied : {"config/config.ini", "config/configReset.ini",
                             "INI_EN/macro/Games.dat", "INI_CN/macroReset/g.dat"}) {
    const Path file = user / "skins" / copied;
    EXPECT_FALSE(stdfs::is_symlink(file)) << copied;
    EXPECT_EQ(ReadFile(file), ReadFile(installed.module / "skins" / copied)) << copied;
    EXPECT_TRUE((stdfs::status(file).permissions() & stdfs::perms::owner_write) !=
                stdfs::perms::none)
        << copied;
  }
  for (const char* linked : {"INI_EN/skin_main_en.ini", "main_normal.jpg"}) {
    const Path file = user / "skins" / linked;
    ASSERT_TRUE(stdfs::is_symlink(file)) << linked;
    EXPECT_EQ(stdfs::read_symlink(file), installed.module / "skins" / linked);
  }
}

TEST(UserData, UserChangesAndDeletionsSurviveLaterStartsAndNewVersions) {
  TempDir t;
  const Installed installed(t / "share/devero");
  const Path user = t / "user/devero";
  const Path skins = user / "skins";
  std::string error;
  ASSERT_TRUE(SeedUserData(installed.module, user, &error)) << error;

  WriteFile(skins / "config/config.ini", "[Init]\nVER_SEL=0\n");
  stdfs::remove(skins / "INI_EN/macro/Games.dat");
  WriteFile(skins / "INI_EN/macro/Mine.dat", "mine");
  WriteFile(skins / "INI_EN/macro/macroGrp.ini", "user index");
  ASSERT_TRUE(SeedUserData(installed.module, user, &error)) << error;
  EXPECT_EQ(ReadFile(skins / "config/config.ini"), "[Init]\nVER_SEL=0\n");
  EXPECT_FALSE(stdfs::exists(skins / "INI_EN/macro/Games.dat"));
  EXPECT_EQ(ReadFile(skins / "INI_EN/macro/Mine.dat"), "mine");

  // The next version changes every factory file, adds some and drops a picture.
  installed.Write("config/config.ini", "[Init]\nVER_SEL=1\nNEW=1\n");
  installed.Write("config/configReset.ini", "[Config0]\nNEW=1\n");
  installed.Write("INI_EN/macro/Games.dat", "games v2");
  installed.Write("INI_EN/macro/Shooter.dat", "shooter");
  installed.Write("INI_EN/macro/macroGrp.ini", "factory index");
  installed.Write("MacMenu/MacG_mask.jpg", "mask");
  stdfs::remove(installed.module / "skins/main_normal.jpg");
  ASSERT_TRUE(SeedUserData(installed.module, user, &error)) << error;

  EXPECT_EQ(ReadFile(skins / "config/config.ini"), "[Init]\nVER_SEL=0\n") << "user's change";
  EXPECT_EQ(ReadFile(skins / "config/configReset.ini"), "[Config0]\nNEW=1\n") << "unchanged copy";
  EXPECT_FALSE(stdfs::exists(skins / "INI_EN/macro/Games.dat")) << "user's deletion";
  EXPECT_EQ(ReadFile(skins / "INI_EN/macro/Shooter.dat"), "shooter") << "new factory file";
  EXPECT_EQ(ReadFile(skins / "INI_EN/macro/macroGrp.ini"), "user index") << "user's own file";
  EXPECT_EQ(ReadFile(skins / "MacMenu/MacG_mask.jpg"), "mask");
  EXPECT_TRUE(stdfs::is_symlink(skins / "MacMenu/MacG_mask.jpg"));
  EXPECT_FALSE(stdfs::is_symlink(skins / "main_normal.jpg")) << "link to a removed file";
}

TEST(UserData, UsersOwnPicturesStayAndLinksFollowAMovedInstallation) {
  TempDir t;
  const Installed installed(t / "old/devero");
  const Path user = t / "user/devero";
  std::string error;
  ASSERT_TRUE(SeedUserData(installed.module, user, &error)) << error;
  stdfs::remove(user / "skins/main_normal.jpg");
  WriteFile(user / "skins/main_normal.jpg", "my picture");

  stdfs::rename(t / "old", t / "new");
  const Path moved = t / "new/devero";
  ASSERT_TRUE(SeedUserData(moved, user, &error)) << error;
  EXPECT_EQ(ReadFile(user / "skins/main_normal.jpg"), "my picture");
  EXPECT_EQ(stdfs::read_symlink(user / "skins/INI_EN/skin_main_en.ini"),
            moved / "skins/INI_EN/skin_main_en.ini");
}

TEST(UserData, ProcessesStartingTogetherSeedOnce) {
  TempDir t;
  const Installed installed(t / "share/devero");
  const Path user = t / "user/devero";
  std::vector<std::string> errors(4);
  std::vector<int> ok(4, 0);
  {
    std::vector<std::jthread> starts;
    for (size_t i = 0; i < errors.size(); ++i) {
      starts.emplace_back([&, i] { ok[i] = SeedUserData(installed.module, user, &errors[i]); });
    }
  }
  for (size_t i = 0; i < errors.size(); ++i)
    EXPECT_TRUE(ok[i]) << errors[i];
  EXPECT_EQ(ReadFile(user / "skins/config/config.ini"), "[Init]\nVER_SEL=1\n");
  const std::string list = ReadFile(user / kSeededListName);
  EXPECT_EQ(std::count(list.begin(), list.end(), '\n'), 4) << list;
}

TEST(UserData, UnwritableUserDirectoryIsReported) {
  TempDir t;
  const Installed installed(t / "share/devero");
  WriteFile(t / "file", "x");
  std::string error;
  EXPECT_FALSE(SeedUserData(installed.module, t / "file/devero", &error));
  EXPECT_NE(error.find(t.path().string()), std::string::npos) << error;
}

}  // namespace
}  // namespace devero
