#include "cli/autostart.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero {
namespace {

using testing::ReadFile;
using testing::RunCommand;
using testing::TempDir;
using testing::WriteFile;

// Sets an environment variable for one test; the child processes inherit it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(Autostart, EntryLocation) {
  EXPECT_EQ(cli::AutostartFile("/x/config", "/home/u"),
            "/x/config/autostart/org.devero.Devero.desktop");
  EXPECT_EQ(cli::AutostartFile("", "/home/u"),
            "/home/u/.config/autostart/org.devero.Devero.desktop");
  EXPECT_EQ(cli::AutostartFile("relative", "/home/u"),
            "/home/u/.config/autostart/org.devero.Devero.desktop");
  EXPECT_EQ(cli::AutostartFile("", ""), "");
}

TEST(Autostart, ExecArgumentsAreQuotedAndEscaped) {
  struct Case {
    const char* argument;
    const char* exec;
  };
  for (const Case& c : {Case{"/usr/bin/devero", "/usr/bin/devero"},
                        Case{"/opt/my apps/devero", "\"/opt/my apps/devero\""},
                        Case{"/opt/100%/devero", "\"/opt/100%%/devero\""},
                        Case{"/opt/a$b\"c/devero", "\"/opt/a\\\\$b\\\\\"c/devero\""},
                        Case{"/opt/back\\slash", "\"/opt/back\\\\\\\\slash\""}}) {
    EXPECT_EQ(cli::DesktopExecArgument(c.argument), c.exec) << c.argument;
  }
}

TEST(Autostart, SwitchedOffEntriesCountAsOff) {
  TempDir dir;
  struct Case {
    const char* text;
    bool on;
  };
  for (const Case& c : {Case{"[Desktop Entry]\nExec=devero -HIDE\n", true},
                        Case{"[Desktop Entry]\nHidden=true\n", false},
                        Case{"[Desktop Entry]\nHidden = true\r\n", false},
                        Case{"[Desktop Entry]\nHidden=false\n", true},
                        Case{"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false}}) {
    WriteFile(dir / "e.desktop", c.text);
    EXPECT_EQ(cli::AutostartEnabled(dir / "e.desktop"), c.on) << c.text;
  }
  EXPECT_FALSE(cli::AutostartEnabled(dir / "missing.desktop"));
}

TEST(Autostart, OnStatusOffRoundTrip) {
  TempDir dir;
  const ScopedEnv config("XDG_CONFIG_HOME", (dir / "config").string());
  const auto entry = dir / "config/autostart/org.devero.Devero.desktop";
  auto run = [](const char* action) { return RunCommand(DEVERO_CLI, {"autostart", action}); };

  auto r = run("status");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "off\n");

  r = run("on");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  const std::string text = ReadFile(entry);
  const std::string program =
      (std::filesystem::path(DEVERO_CLI).parent_path() / "devero").lexically_normal().string();
  EXPECT_NE(text.find("\nExec=" + program + " -HIDE\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\nType=Application\n"), std::string::npos) << text;
  EXPECT_EQ(run("status").out, "on\n");
  EXPECT_EQ(run("on").exit_code, 0) << "switching on twice";

  r = run("off");
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_EQ(run("status").out, "off\n");
  EXPECT_EQ(run("off").exit_code, 0) << "switching off twice";

  EXPECT_EQ(run("sometimes").exit_code, 64);
}

TEST(Autostart, UnwritableConfigDirectoryIsReported) {
  TempDir dir;
  WriteFile(dir / "file", "x");
  const ScopedEnv config("XDG_CONFIG_HOME", (dir / "file").string());
  const auto r = RunCommand(DEVERO_CLI, {"autostart", "on"});
  EXPECT_EQ(r.exit_code, 73);
  EXPECT_NE(r.err.find("cannot write the autostart entry"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace devero
