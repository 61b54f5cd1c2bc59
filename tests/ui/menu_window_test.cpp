// The menus on a real X server, driven by real pointer moves and clicks: the levels follow the
// pointer, a click chooses, and a click on the window beneath reaches that window (the menus
// never grab the pointer).
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/run_command.h"
#include "support/xvfb.h"
#include "ui/function_menus.h"
#include "ui/menu_test_bed.h"
#include "ui/rapid_fire_dialog.h"

// The X platform's D-Bus connection keeps one buffer to the end of the process.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

namespace devero::ui {
namespace {

// The program's path from PATH, empty when it is not installed.
std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string file = dirs.substr(start, end - start) + "/" + name;
    if (::access(file.c_str(), X_OK) == 0) return file;
    start = end + 1;
  }
  return {};
}

void Xdotool(const std::vector<std::string>& args) {
  static const std::string program = FindProgram("xdotool");
  testing::RunCommand(program, args);
}

// Stands in for the main window: any button-down closes the menus.
class FakeMainWindow : public QWidget {
 public:
  explicit FakeMainWindow(FunctionMenus& menus) : menus_(menus) {
    setWindowFlags(Qt::FramelessWindowHint);
    setGeometry(0, 0, 300, 300);
  }
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override {
    ++presses;
    menus_.CloseAll();
  }

 private:
  FunctionMenus& menus_;
};

class MenuWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = std::make_unique<testing::Xvfb>();
    if (!server_->running()) return;
    ::setenv("DISPLAY", server_->display().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    static int argc = 1;
    static char name[] = "menu_window_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  static void TearDownTestSuite() {
    app_.reset();
    server_.reset();
  }

  void SetUp() override {
    if (!app_) GTEST_SKIP() << "Xvfb is not installed";
    if (FindProgram("xdotool").empty()) {
      GTEST_SKIP() << "xdotool is not installed";
    }
    menus_ = std::make_unique<FunctionMenus>(bed_.Context());
    window_ = std::make_unique<FakeMainWindow>(*menus_);
    window_->show();
    ASSERT_TRUE(
        WaitFor([&] { return window_->isVisible() && window_->windowHandle()->isExposed(); }));
  }
  void TearDown() override {
    if (menus_) menus_->CloseAll();
    window_.reset();
    menus_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  static bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > 5000) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QThread::msleep(5);
    }
    return true;
  }
  static void Settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 150)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  static void MoveTo(QPoint global) {
    // Two steps, so that the server reports a move even when the pointer is already there.
    Xdotool({"mousemove", std::to_string(global.x() + 1), std::to_string(global.y())});
    Xdotool({"mousemove", std::to_string(global.x()), std::to_string(global.y())});
    Settle();
  }
  static void Click() {
    Xdotool({"click", "1"});
    Settle();
  }
  static QPoint Row(const SkinnedMenu* menu, int row) {
    return menu->mapToGlobal(menu->RowRect(row).center());
  }

  CMenuDlg* OpenFunctionMenu(int button, QPoint at) {
    menus_->setSelectedButton(20 + button);
    CMenuDlg* menu = menus_->Open(kFunctionMenu, at, window_.get());
    EXPECT_TRUE(WaitFor([&] { return menu->windowHandle() && menu->windowHandle()->isExposed(); }));
    return menu;
  }

  static inline std::unique_ptr<testing::Xvfb> server_;
  static inline std::unique_ptr<QApplication> app_;
  testing::MenuTestBed bed_;
  std::unique_ptr<FunctionMenus> menus_;
  std::unique_ptr<FakeMainWindow> window_;
};

TEST_F(MenuWindowTest, ARowChosenWithThePointer) {
  CMenuDlg* menu = OpenFunctionMenu(3, QPoint(320, 40));
  MoveTo(Row(menu, 8));
  EXPECT_EQ(menu->hover(), 8);
  Click();
  EXPECT_EQ(bed_.settings.buttonFunction[0][3], 14);
  EXPECT_FALSE(menus_->IsOpen());
}

TEST_F(MenuWindowTest, TheLevelsFollowThePointerToAMacro) {
  CMenuDlg* menu = OpenFunctionMenu(2, QPoint(320, 40));
  MoveTo(Row(menu, 12));
  ASSERT_NE(menus_->secondLevel(), nullptr);
  EXPECT_EQ(menus_->secondLevel()->list(), Submenu::kMedia);
  MoveTo(Row(menu, 13));
  CSubMenuDlg* groups = menus_->secondLevel();
  ASSERT_NE(groups, nullptr);
  ASSERT_EQ(groups->list(), Submenu::kMacroGroups);
  ASSERT_TRUE(WaitFor([&] { return groups->windowHandle()->isExposed(); }));
  // Along the row into the list: the first level keeps its row and its list.
  MoveTo(Row(groups, 3));
  EXPECT_EQ(menus_->secondLevel(), groups);
  EXPECT_EQ(groups->hover(), 3);
  MacSelMenuDlg* macros = menus_->thirdLevel();
  ASSERT_NE(macros, nullptr);
  ASSERT_TRUE(WaitFor([&] { return macros->windowHandle()->isExposed(); }));
  MoveTo(Row(macros, 2));
  EXPECT_EQ(macros->hover(), 2);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  Click();
  EXPECT_EQ(bed_.settings.buttonFunction[0][2], 769);
  EXPECT_FALSE(menus_->IsOpen());
}

TEST_F(MenuWindowTest, AClickOnTheWindowBeneathReachesIt) {
  CMenuDlg* menu = OpenFunctionMenu(1, QPoint(320, 40));
  MoveTo(Row(menu, 14));
  ASSERT_NE(menus_->secondLevel(), nullptr);
  MoveTo(window_->mapToGlobal(QPoint(100, 100)));
  Click();
  EXPECT_EQ(window_->presses, 1);
  EXPECT_FALSE(menus_->IsOpen());
  EXPECT_EQ(bed_.settings.buttonFunction[0][1], 2);  // nothing chosen
}

TEST_F(MenuWindowTest, TheItemListOfTheModalRapidFireDialogTakesThePointer) {
  RapidFireTable& items = bed_.headless.macros->rapidFireTable;
  items.rapidFireCount = 3;
  CDialogGun dialog(bed_.Context(), window_.get());
  dialog.move(20, 20);
  dialog.show();  // modal, as when it runs
  ASSERT_TRUE(WaitFor([&] { return dialog.windowHandle() && dialog.windowHandle()->isExposed(); }));
  MoveTo(dialog.mapToGlobal(QPoint(245, 35)));  // the item list's button
  Click();
  CMenuDlg* list = dialog.itemMenus().firstLevel();
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(WaitFor([&] { return list->windowHandle() && list->windowHandle()->isExposed(); }));
  MoveTo(Row(list, 3));
  EXPECT_EQ(list->hover(), 3);
  Click();
  EXPECT_EQ(dialog.currentItem(), 2);
  EXPECT_FALSE(dialog.itemMenus().IsOpen());
  dialog.done(0);
}

}  // namespace
}  // namespace devero::ui
