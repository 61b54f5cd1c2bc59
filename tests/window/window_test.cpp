// The devero program in a real window under a private X server, driven with xdotool.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <string>

#include <QImageReader>
#include <algorithm>
#include "hostile_skins.h"

#include "keys/key_codes.h"
#include "macro/macro_file.h"
#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "profile/product_description.h"
#include "support/run_command.h"
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

// The size of a skin picture, for where a menu's rows lie.
QSize PictureSize(const std::filesystem::path& file) {
  return QImageReader(QString::fromStdString(file.string())).size();
}

std::string WaitForFileValue(const std::filesystem::path& file, std::u16string_view section,
                             std::u16string_view key, const std::u16string& wanted) {
  std::u16string value;
  for (int i = 0; i < 200; ++i) {
    value = ini::ReadString(file, section, key, u"", 16);
    if (value == wanted) break;
    usleep(50000);
  }
  return std::string(value.begin(), value.end());
}

TEST_F(WindowTest, AFunctionChosenInTheMenuReachesTheMouseWithApply) {
  const std::filesystem::path memory = dir_ / "mouse.bin";
  auto devero = Start({"--simulate=" + memory.string()});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  // Button 4's function field opens the function menu below it; row 8 is Rapid Fire.
  const ui::SkinEntry& field = skin_.main[23];
  ClickMain(window, 23);
  ASSERT_FALSE(testing::WaitForWindow("MainMenuDlg", 3000).empty());
  const QSize menu = PictureSize(root_ / "skins/menu1_mask.jpg");
  const int row = menu.height() / 15;
  testing::ClickIn(window, field.x + 1 + menu.width() / 2,
                   field.y + field.height + 7 * row + row / 2);
  EXPECT_TRUE(testing::WaitUntilNoWindow("MainMenuDlg", 3000));
  ClickMain(window, 3);  // Apply
  EXPECT_EQ(WaitForFileValue(ProductFile(), u"Config0", u"K3", u"14"), "14");
  // The memory image is written after the download; wait for it to settle.
  for (int i = 0; i < 200 && !std::filesystem::exists(memory); ++i)
    usleep(50000);
  usleep(500000);
  devero->Signal(SIGTERM);
  ASSERT_EQ(devero->Wait(kEndMs), 0) << devero->Stderr();

  // The command line's download of the same product file gives the same memory.
  TempDir other;
  testing::CopyTree(root_ / "skins/config", other / "skins/config");
  testing::CopyTree(root_ / "skins/INI_EN", other / "skins/INI_EN");
  testing::CopyTree(root_ / "skins/INI_CN", other / "skins/INI_CN");
  const std::filesystem::path cli_memory = other / "cli.bin";
  const testing::CommandResult cli = testing::RunCommand(
      DEVERO_CLI, {"--root", other.path().string(), "--simulate=" + cli_memory.string(), "apply"});
  ASSERT_EQ(cli.exit_code, 0) << cli.err;
  const std::string ours = testing::ReadFile(memory);
  EXPECT_EQ(ours.size(), 65536u);
  EXPECT_TRUE(ours == testing::ReadFile(cli_memory));
}

TEST_F(WindowTest, DraggingTheDpiSliderSetsTheStageAndApplySavesIt) {
  auto devero = Start({"--simulate"});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  ClickMain(window, 7);  // the advanced page
  const int level = ini::ReadInt(ProductFile(), u"ShareData", u"DPI_LEVEL", 5);
  const std::u16string key = u"DPI_SET" + ToU16(level);
  const ui::SkinEntry& slider = skin_.advanced[66];
  const int y = slider.y + slider.height / 2;
  testing::MoveIn(window, slider.x + 2, y);
  testing::RunCommand("/usr/bin/xdotool", {"mousedown", "1"});
  for (int x = slider.x + 2; x <= slider.x + ui::kDpiSliderWidth + 40; x += 30)
    testing::MoveIn(window, x, y);
  testing::RunCommand("/usr/bin/xdotool", {"mouseup", "1"});
  ClickMain(window, 3);  // Apply saves it
  EXPECT_EQ(WaitForFileValue(ProductFile(), u"ShareData", key, u"16"), "16");
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0);
}

TEST_F(WindowTest, TheLanguageSwitchChangesTheTitleAndIsSaved) {
  auto devero = Start({"--simulate"});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  const ProductDescription product = ReadProductDescription(ProductFile());
  const std::string chinese = Utf16ToUtf8(product.productNameCn);
  ClickMain(window, 4);
  EXPECT_FALSE(testing::WaitForWindow(chinese, 3000).empty());
  EXPECT_EQ(ini::ReadString(ProductFile(), u"Init", u"VER_SEL", u"", 5), u"0");
  ClickMain(window, 5);
  EXPECT_FALSE(testing::WaitForWindow(title_, 3000).empty());
  EXPECT_EQ(ini::ReadString(ProductFile(), u"Init", u"VER_SEL", u"", 5), u"1");
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0);
}

// The macro page: a new group from the group list's popup, named in place, recorded into, and
// deleted through the question.
TEST_F(WindowTest, MacroPageGroupsAndRecording) {
  auto devero = Start({"--simulate"});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  ClickMain(window, 8);
  const ui::SkinRect& groups = skin_.macroDisplay[0];
  // A right-button release on the first group opens the group popup; its row 1 makes a group.
  const int gx = static_cast<int>(groups.left) + 40;
  const int gy = static_cast<int>(groups.top) + 8;
  testing::MoveIn(window, gx, gy);
  testing::RunCommand("/usr/bin/xdotool", {"click", "3"});
  const std::string popup = testing::WaitForWindow("MainMenuDlg", 3000);
  ASSERT_FALSE(popup.empty()) << devero->Stderr();
  testing::ClickIn(popup, 20, 10);
  // The new group's name is edited in place.
  usleep(300000);
  testing::RunCommand("/usr/bin/xdotool", {"key", "ctrl+a"});
  testing::RunCommand("/usr/bin/xdotool", {"type", "--delay", "20", "Mine"});
  testing::RunCommand("/usr/bin/xdotool", {"key", "Return"});
  const std::filesystem::path macros = root_ / "skins/INI_EN/macro";
  for (int i = 0; i < 60 && !std::filesystem::exists(macros / "Mine.dat"); ++i)
    usleep(50000);
  ASSERT_TRUE(std::filesystem::exists(macros / "Mine.dat")) << devero->Stderr();
  EXPECT_NE(testing::ReadFile(macros / "macroGrp.ini").find("Mine"), std::string::npos);

  // New macro, then record Enter, Escape and a letter into it.
  const ui::SkinEntry& new_macro = skin_.macro[14];
  testing::ClickIn(window, new_macro.x + new_macro.width / 2, new_macro.y + new_macro.height / 2);
  // The group list keeps the keyboard: the new macro is the row below its group's.
  testing::RunCommand("/usr/bin/xdotool", {"key", "Down"});
  usleep(200000);
  const ui::SkinEntry& record = skin_.macro[4];
  testing::ClickIn(window, record.x + record.width / 2, record.y + record.height / 2);
  usleep(300000);
  for (const char* key : {"Return", "Escape", "a"}) {
    testing::RunCommand("/usr/bin/xdotool", {"key", "--delay", "60", key});
    usleep(80000);
  }
  testing::ClickIn(window, record.x + record.width / 2, record.y + record.height / 2);
  usleep(300000);
  const std::vector<MacroRecord> recorded = ReadMacrosFromFile(macros / "Mine.dat", 1);
  ASSERT_EQ(recorded.size(), 1u) << testing::ReadFile(macros / "Mine.dat");
  const MacroRecord& m = recorded[0];
  ASSERT_EQ(m.stepCount, 6);
  // Enter, Escape and A, each pressed and released, as the mouse's key codes.
  const std::vector<uint8_t> codes(m.stepCode.begin(), m.stepCode.begin() + 6);
  const uint8_t enter = VkToDeviceKey(0x0D, 1);
  const uint8_t escape = VkToDeviceKey(0x1B, 1);
  const uint8_t a = VkToDeviceKey('A', 1);
  EXPECT_EQ(codes, (std::vector<uint8_t>{enter, enter, escape, escape, a, a}));
  EXPECT_EQ(m.stepAction[0], 1);
  EXPECT_EQ(m.stepAction[1], 2);
  for (int i = 0; i < 5; ++i)
    EXPECT_LT(m.stepDelay[static_cast<size_t>(i)], 5000) << i;

  // The delete button asks about a group row; OK deletes it. The new group's row is above its
  // macro's.
  testing::RunCommand("/usr/bin/xdotool", {"key", "Up"});
  usleep(200000);
  const ui::SkinEntry& del = skin_.macro[15];
  testing::ClickIn(window, del.x + del.width / 2, del.y + del.height / 2);
  const std::string question = testing::WaitForWindow("WarningDlg", 3000);
  ASSERT_FALSE(question.empty()) << devero->Stderr();
  testing::ClickIn(question, 82 + 32, 88 + 12);
  for (int i = 0; i < 60 && std::filesystem::exists(macros / "Mine.dat"); ++i)
    usleep(50000);
  EXPECT_FALSE(std::filesystem::exists(macros / "Mine.dat"));
  EXPECT_EQ(testing::ReadFile(macros / "macroGrp.ini").find("Mine"), std::string::npos);
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0) << devero->Stderr();
}

// Step editing on a factory macro: a delay inserted after the first step through the insert
// menu, and the first step's key replaced through the key-capture dialog; Apply saves both.
TEST_F(WindowTest, InsertADelayAndCaptureAKey) {
  auto devero = Start({"--simulate"});
  const std::string window = testing::WaitForWindow(title_, kStartMs);
  ASSERT_FALSE(window.empty()) << devero->Stderr();
  const std::filesystem::path office = root_ / "skins/INI_EN/macro/Office.dat";
  const MacroRecord before = ReadMacrosFromFile(office, 1).at(0);
  ClickMain(window, 8);
  // The remembered group opens expanded: its first macro is the second row.
  const ui::SkinRect& groups = skin_.macroDisplay[0];
  testing::ClickIn(window, static_cast<int>(groups.left) + 60, static_cast<int>(groups.top) + 30);
  const ui::SkinRect& steps = skin_.macroDisplay[1];
  testing::ClickIn(window, static_cast<int>(steps.left) + 60, static_cast<int>(steps.top) + 10);

  // Modify on a key step opens the key-capture dialog; B and OK make it the step's key.
  const ui::SkinEntry& modify = skin_.macro[16];
  std::vector<std::string> before_windows = testing::FindWindows(title_);
  testing::ClickIn(window, modify.x + modify.width / 2, modify.y + modify.height / 2);
  std::string dialog;
  for (int i = 0; i < 60 && dialog.empty(); ++i) {
    for (const std::string& id : testing::FindWindows(title_)) {
      if (id != window &&
          std::find(before_windows.begin(), before_windows.end(), id) == before_windows.end())
        dialog = id;
    }
    usleep(50000);
  }
  ASSERT_FALSE(dialog.empty()) << devero->Stderr();
  usleep(300000);
  testing::RunCommand("/usr/bin/xdotool", {"key", "b"});
  NoReport report;
  ui::SkinFile keyset(root_ / "skins/INI_EN/skin_keyset_en.ini", report, false);
  std::array<ui::SkinEntry, 4> keys{};
  ASSERT_TRUE(keyset.ReadTable(u"BUTTONPOS", keys));
  testing::ClickIn(dialog, keys[1].x + keys[1].width / 2, keys[1].y + keys[1].height / 2);

  // The insert menu below its control: its third row inserts a delay after the selected step.
  const ui::SkinEntry& insert = skin_.macro[5];
  testing::ClickIn(window, insert.x + insert.width / 2, insert.y + insert.height / 2);
  const std::string menu = testing::WaitForWindow("MainMenuDlg", 3000);
  ASSERT_FALSE(menu.empty()) << devero->Stderr();
  testing::ClickIn(menu, 20, 2 * 20 + 10);
  ClickMain(window, 3);  // Apply saves the selected macro
  MacroRecord after;
  for (int i = 0; i < 100; ++i) {
    after = ReadMacrosFromFile(office, 1).at(0);
    if (after.stepCount != before.stepCount) break;
    usleep(50000);
  }
  EXPECT_EQ(after.stepCount, before.stepCount + 1);
  EXPECT_EQ(after.stepCode[0], VkToDeviceKey('B', 1));
  EXPECT_EQ(after.stepAction[0], before.stepAction[0]);
  devero->Signal(SIGTERM);
  EXPECT_EQ(devero->Wait(kEndMs), 0) << devero->Stderr();
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
