// The devero program in a real window under a private X server, driven with xdotool.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <string>

#include "hostile_skins.h"
#include "platform/ini/ini_file.h"
#include "profile/product_description.h"
#include "support/temp_dir.h"
#include "support/xvfb.h"
#include "ui/skin_tables.h"
#include "window/window_process.h"

namespace devero {
namespace {

using testing::TempDir;
using testing::WindowProcess;

constexpr int kStartMs = 15000;
constexpr int kEndMs = 10000;

class NoReport : public ui::SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path&) override { return false; }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(xvfb_.running());
    ::setenv("DISPLAY", xvfb_.display().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    // A private runtime directory: the single-instance socket of this test alone.
    std::filesystem::create_directories(dir_ / "run");
    std::filesystem::permissions(dir_ / "run", std::filesystem::perms::owner_all);
    ::setenv("XDG_RUNTIME_DIR", (dir_ / "run").c_str(), 1);
    ::setenv("HOME", dir_.path().c_str(), 1);
    ::unsetenv("DEVERO_SIMULATE");
    testing::CopyTree(DEVERO_SKIN_DIR, root_ / "skins");
    testing::InstallFactoryData(root_);
    const ProductDescription product = ReadProductDescription(ProductFile());
    title_ = std::string(product.productNameEn.begin(), product.productNameEn.end());
    NoReport report;
    ASSERT_TRUE(ui::LoadMainWindowSkin(root_ / "skins", 1, report, skin_));
  }

  std::filesystem::path ProductFile() const { return root_ / "skins/config/config.ini"; }

  std::unique_ptr<WindowProcess> Start(std::vector<std::string> args) {
    args.insert(args.begin(), {"--root", root_.string()});
    return std::make_unique<WindowProcess>(DEVERO_WINDOW, args,
                                           dir_ / ("stderr" + std::to_string(runs_++)));
  }

  // The centre of a main-table entry.
  void ClickMain(const std::string& window, int entry) {
    const ui::SkinEntry& e = skin_.main[static_cast<size_t>(entry)];
    testing::ClickIn(window, e.x + e.width / 2, e.y + e.height / 2);
  }

  // The plain warning's button (its rectangle is fixed).
  static void ConfirmWarning(const std::string& dialog) { testing::ClickIn(dialog, 180, 100); }

  std::string Trace() const { return testing::ReadFile(dir_ / "trace.txt"); }

  testing::Xvfb xvfb_;
  TempDir dir_;
  std::filesystem::path root_ = dir_ / "root";
  std::string title_;
  ui::MainWindowSkin skin_;
  int runs_ = 0;
};

bool EndsWithCloseReport(const std::string& trace) {
  const size_t last = trace.rfind("S 07 20");
  return last != std::string::npos && trace.find("\nS ", last + 1) == std::string::npos;
}

TEST_F(WindowTest, OpensOnTheSimulatedMouseAndTheCloseButtonEndsIt) {
  auto devero = Start({"--simulate", "--trace", (dir_ / "trace.txt").string()});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  // A normal start writes nothing to the mouse.
  EXPECT_EQ(Trace().find("S 07 "), std::string::npos);
  ClickMain(window, 1);
  EXPECT_EQ(devero->Wait(kEndMs), 0) << devero->Stderr();
  EXPECT_TRUE(EndsWithCloseReport(Trace())) << Trace();
  EXPECT_TRUE(testing::WaitUntilNoWindow(title_, 2000));
}

TEST_F(WindowTest, WithoutAMouseItWarnsAndEndsWithStatus2) {
  auto devero = Start({});
  const std::string dialog = testing::WaitForWindow("WarningDlg", kStartMs);
  ASSERT_FALSE(dialog.empty()) << devero->Stderr();
  EXPECT_TRUE(testing::FindWindows(title_).empty() || testing::WaitForWindow(title_, 200).empty());
  ConfirmWarning(dialog);
  EXPECT_EQ(devero->Wait(kEndMs), 2);
  EXPECT_NE(devero->Stderr().find("warning: Please plug-in USB Mouse:  " + title_),
            std::string::npos)
      << devero->Stderr();
  EXPECT_TRUE(testing::WaitUntilNoWindow(title_, 2000));
}

TEST_F(WindowTest, HideStartsMinimisedAndASecondStartRestoresIt) {
  auto devero = Start({"--simulate", "--trace", (dir_ / "trace.txt").string(), "-HIDE"});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  EXPECT_NE(testing::WindowProperty(window, "_NET_WM_STATE").find("_NET_WM_STATE_HIDDEN"),
            std::string::npos);

  auto second = Start({"--simulate"});
  EXPECT_EQ(second->Wait(kEndMs), 0) << second->Stderr();
  EXPECT_TRUE(devero->Running());
  // Without a window manager restoring shows nothing new; the running window taking the
  // keyboard focus tells that it was asked to show itself.
  std::string focus;
  for (int i = 0; i < 40 && focus != window; ++i) {
    focus = testing::FocusedWindow();
    usleep(50000);
  }
  EXPECT_EQ(focus, window);

  // A logout's SIGTERM ends the program as its close button does.
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0);
  EXPECT_TRUE(EndsWithCloseReport(Trace())) << Trace();
}

TEST_F(WindowTest, AMouseThatNeedsRepairIsResetAndDownloaded) {
  ini::WriteString(ProductFile(), u"Init", u"CurConfig", u"2");
  ini::WriteString(ProductFile(), u"Config0", u"K1", u"7");
  auto devero = Start({"--simulate", "--simulate-alt", "--trace", (dir_ / "trace.txt").string()});
  const std::string first = testing::WaitForWindow("WarningDlg", kStartMs);
  ASSERT_FALSE(first.empty()) << devero->Stderr();
  ConfirmWarning(first);
  // The second warning comes after the download.
  for (int i = 0; i < 300; ++i) {
    if (devero->Stderr().find("Check and repair is over") != std::string::npos) break;
    usleep(50000);
  }
  const std::string second = testing::WaitForWindow("WarningDlg", kStartMs);
  ASSERT_FALSE(second.empty()) << devero->Stderr();
  ConfirmWarning(second);
  ASSERT_FALSE(testing::WaitForWindow(title_, kStartMs).empty()) << devero->Stderr();
  const std::string err = devero->Stderr();
  EXPECT_NE(err.find("warning: Note: The mouse function will be tested"), std::string::npos) << err;
  EXPECT_NE(err.find("warning: Check and repair is over ,replug the mouse"), std::string::npos)
      << err;
  // Profiles back to the factory's, profile 0, and the download in the trace.
  EXPECT_EQ(ini::ReadString(ProductFile(), u"Init", u"CurConfig", u"", 5), u"0");
  const std::filesystem::path reset = root_ / "skins/config/configReset.ini";
  EXPECT_EQ(ini::ReadString(ProductFile(), u"Config0", u"K1", u"", 16),
            ini::ReadString(reset, u"Config0", u"K1", u"", 16));
  EXPECT_GT(Trace().size(), 1000u);
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0);
}

// Every damaged skin: the program either opens its window or ends after its warnings, never
// crashes, and answers within a bounded time.
TEST_F(WindowTest, DamagedSkinsNeverCrashTheProgram) {
  for (const testing::HostileSkinCase& c : testing::HostileSkinCases()) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path root = dir_ / ("hostile_" + c.name);
    testing::WriteHostileSkin(c.name, DEVERO_SKIN_DIR, root / "skins");
    testing::InstallFactoryData(root);
    auto devero = std::make_unique<WindowProcess>(
        DEVERO_WINDOW, std::vector<std::string>{"--root", root.string(), "--simulate"},
        dir_ / ("stderr_" + c.name));
    bool opened = false;
    for (int waited = 0; waited < kStartMs && devero->Running(); waited += 100) {
      if (!testing::WaitForWindow(title_, 50).empty()) {
        opened = true;
        break;
      }
      // A warning about the skin waits for its answer.
      const std::string warning = testing::WaitForWindow("WarningDlg", 50);
      if (!warning.empty()) testing::PressKey(warning, "Return");
    }
    if (c.name == "too_many_commas") {
      EXPECT_TRUE(opened);
      EXPECT_NE(devero->Stderr().find("warning: Erro : file"), std::string::npos)
          << devero->Stderr();
    }
    if (opened) {
      devero->Signal(SIGTERM);
      EXPECT_EQ(devero->Wait(kEndMs), 0) << devero->Stderr();
    } else {
      const int status = devero->Wait(kEndMs);
      // Only a missing skin file ends the start, with its warning.
      EXPECT_EQ(status, 1) << devero->Stderr();
      EXPECT_NE(devero->Stderr().find("warning: No file"), std::string::npos) << devero->Stderr();
    }
  }
}

}  // namespace
}  // namespace devero
