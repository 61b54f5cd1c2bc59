#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <set>

#include "keys/key_codes.h"
#include "keys/vk.h"
#include "macro/macro_recorder.h"
#include "support/temp_dir.h"
#include "ui/key_capture_dialog.h"
#include "ui/key_message_filter.h"
#include "ui/macro_page_widgets.h"
#include "ui/scan_codes.h"

namespace devero::ui {
namespace {

// A key event as the X server delivers it: the native scan code is the XKB keycode.
QKeyEvent NativeKey(QEvent::Type type, uint32_t evdev, int qt_key = 0,
                    Qt::KeyboardModifiers mods = Qt::NoModifier) {
  return QKeyEvent(type, qt_key, mods, evdev + kXkbEvdevOffset, 0, 0);
}

struct KeyCase {
  const char* name;
  uint32_t evdev;
  uint8_t vk;
};

const KeyCase kKeys[] = {
    {"A", 30, 'A'},
    {"Q", 16, 'Q'},
    {"Z", 44, 'Z'},
    {"M", 50, 'M'},
    {"1", 2, '1'},
    {"9", 10, '9'},
    {"0", 11, '0'},
    {"F1", 59, vk::kF1},
    {"F10", 68, vk::kF10},
    {"F11", 87, 0x7A},
    {"F12", 88, vk::kF12},
    {"F13", 183, vk::kF13},
    {"F24", 194, vk::kF24},
    {"Enter", 28, vk::kReturn},
    {"keypad Enter", 96, vk::kReturn},
    {"Escape", 1, vk::kEscape},
    {"Tab", 15, vk::kTab},
    {"Space", 57, vk::kSpace},
    {"Backspace", 14, vk::kBack},
    {"Caps Lock", 58, vk::kCapital},
    {"Left", 105, vk::kLeft},
    {"Right", 106, vk::kRight},
    {"Up", 103, vk::kUp},
    {"Down", 108, vk::kDown},
    {"Home", 102, vk::kHome},
    {"End", 107, vk::kEnd},
    {"Page Up", 104, vk::kPrior},
    {"Page Down", 109, vk::kNext},
    {"Insert", 110, vk::kInsert},
    {"Delete", 111, vk::kDelete},
    {"left Shift", 42, vk::kLShift},
    {"right Shift", 54, vk::kRShift},
    {"left Ctrl", 29, vk::kLControl},
    {"right Ctrl", 97, vk::kRControl},
    {"left Alt", 56, vk::kLMenu},
    {"right Alt", 100, vk::kRMenu},
    {"left Super", 125, vk::kLWin},
    {"right Super", 126, vk::kRWin},
    {"Menu", 127, vk::kApps},
    {"keypad 0", 82, vk::kNumpad0},
    {"keypad 5", 76, 0x65},
    {"keypad 9", 73, vk::kNumpad9},
    {"keypad .", 83, vk::kDecimal},
    {"keypad /", 98, vk::kDivide},
    {"keypad *", 55, vk::kMultiply},
    {"keypad -", 74, vk::kSubtract},
    {"keypad +", 78, vk::kAdd},
    {"Num Lock", 69, vk::kNumLock},
    {"`", 41, vk::kOem3},
    {"-", 12, vk::kOemMinus},
    {"=", 13, vk::kOemPlus},
    {"[", 26, vk::kOem4},
    {"]", 27, vk::kOem6},
    {"backslash", 43, vk::kOem5},
    {";", 39, vk::kOem1},
    {"'", 40, vk::kOem7},
    {",", 51, vk::kOemComma},
    {".", 52, vk::kOemPeriod},
    {"/", 53, vk::kOem2},
    {"Print", 99, vk::kSnapshot},
    {"Pause", 119, vk::kPause},
    {"Scroll Lock", 70, vk::kScroll},
    // Keys the key tables do not name (volume, the 102nd key) give nothing.
    {"Mute", 113, 0},
    {"Volume Up", 115, 0},
    {"102nd key", 86, 0},
};

TEST(ScanCodes, EveryKeyGivesItsVirtualKey) {
  for (const KeyCase& k : kKeys) {
    EXPECT_EQ(VkFromEvdevCode(k.evdev), k.vk) << k.name;
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      EXPECT_EQ(VkFromKeyEvent(NativeKey(type, k.evdev)), k.vk) << k.name;
    }
  }
}

TEST(ScanCodes, EventsWithoutANativeCodeGiveNothing) {
  // What QTest::keyClick sends.
  EXPECT_EQ(VkFromKeyEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a")), 0);
  EXPECT_EQ(VkFromKeyEvent(QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 5, 0, 0)), 0);
  EXPECT_EQ(VkFromEvdevCode(100000), 0);
}

TEST(ScanCodes, TheKeypadGivesNavigationKeysWithNumLockOff) {
  const std::pair<std::pair<uint32_t, int>, uint8_t> cases[] = {
      {{71, Qt::Key_Home}, vk::kHome},     {{79, Qt::Key_End}, vk::kEnd},
      {{72, Qt::Key_Up}, vk::kUp},         {{80, Qt::Key_Down}, vk::kDown},
      {{75, Qt::Key_Left}, vk::kLeft},     {{77, Qt::Key_Right}, vk::kRight},
      {{73, Qt::Key_PageUp}, vk::kPrior},  {{81, Qt::Key_PageDown}, vk::kNext},
      {{82, Qt::Key_Insert}, vk::kInsert}, {{83, Qt::Key_Delete}, vk::kDelete},
      {{76, Qt::Key_Clear}, vk::kClear},   {{76, Qt::Key_5}, 0x65},
  };
  for (const auto& [key, expected] : cases) {
    EXPECT_EQ(
        VkFromKeyEvent(NativeKey(QEvent::KeyPress, key.first, key.second, Qt::KeypadModifier)),
        expected)
        << key.first;
  }
}

// Every key of a PC keyboard that the key tables name comes from some key code, and every code
// gives a key the capture dialog can name.
TEST(ScanCodes, TheTableCoversTheKeyTables) {
  std::set<uint8_t> produced;
  for (uint32_t code = 0; code < 256; ++code) {
    const uint8_t v = VkFromEvdevCode(code);
    if (v == 0) continue;
    produced.insert(v);
    EXPECT_NE(CaptureKeyName(CaptureVkToDeviceKey(v)), u"NON-AVAILABLE") << "code " << code;
  }
  std::vector<uint8_t> wanted;
  for (int v = 'A'; v <= 'Z'; ++v)
    wanted.push_back(static_cast<uint8_t>(v));
  for (int v = '0'; v <= '9'; ++v)
    wanted.push_back(static_cast<uint8_t>(v));
  for (int v = vk::kF1; v <= vk::kF24; ++v)
    wanted.push_back(static_cast<uint8_t>(v));
  for (int v = vk::kNumpad0; v <= vk::kDivide; ++v)
    wanted.push_back(static_cast<uint8_t>(v));
  for (uint8_t v :
       {vk::kBack,   vk::kTab,    vk::kReturn,  vk::kPause,    vk::kCapital,  vk::kEscape,
        vk::kSpace,  vk::kPrior,  vk::kNext,    vk::kEnd,      vk::kHome,     vk::kLeft,
        vk::kUp,     vk::kRight,  vk::kDown,    vk::kExecute,  vk::kSnapshot, vk::kInsert,
        vk::kDelete, vk::kHelp,   vk::kLWin,    vk::kRWin,     vk::kApps,     vk::kNumLock,
        vk::kScroll, vk::kLShift, vk::kRShift,  vk::kLControl, vk::kRControl, vk::kLMenu,
        vk::kRMenu,  vk::kOem1,   vk::kOemPlus, vk::kOemComma, vk::kOemMinus, vk::kOemPeriod,
        vk::kOem2,   vk::kOem3,   vk::kOem4,    vk::kOem5,     vk::kOem6,     vk::kOem7}) {
    wanted.push_back(v);
  }
  for (uint8_t v : wanted) {
    EXPECT_TRUE(produced.count(v)) << "VK 0x" << std::hex << int{v};
  }
}

struct Message {
  int message;
  uint8_t vk;
  bool operator==(const Message&) const = default;
};

class KeyFilterTest : public ::testing::Test {
 protected:
  KeyFilterTest()
      : edit(&window), filter(&window, [this](int m, uint8_t v) {
          got.push_back({m, v});
        }) {
    window.show();
  }
  void Key(QEvent::Type type, uint32_t evdev, int qt_key = 0) {
    QKeyEvent e = NativeKey(type, evdev, qt_key);
    QApplication::sendEvent(&edit, &e);
  }
  void Press(uint32_t evdev) { Key(QEvent::KeyPress, evdev); }
  void Release(uint32_t evdev) { Key(QEvent::KeyRelease, evdev); }

  QWidget window;
  QLineEdit edit;
  KeyMessageFilter filter;
  std::vector<Message> got;
};

TEST_F(KeyFilterTest, AltMakesSystemMessagesAndNothingReachesTheWindow) {
  filter.Install();
  Press(56);  // left Alt
  Press(15);  // Tab
  Release(15);
  Release(56);
  Press(29);   // Ctrl
  Press(56);   // Alt
  Press(111);  // Delete
  Release(111);
  Release(56);
  Release(29);
  Press(68);  // F10
  Release(68);
  Key(QEvent::KeyPress, 30, Qt::Key_A);
  Key(QEvent::KeyRelease, 30, Qt::Key_A);
  const std::vector<Message> expected = {{kWmSysKeyDown, vk::kLMenu}, {kWmSysKeyDown, vk::kTab},
                                         {kWmSysKeyUp, vk::kTab},     {kWmSysKeyUp, vk::kLMenu},
                                         {kWmKeyDown, vk::kLControl}, {kWmKeyDown, vk::kLMenu},
                                         {kWmKeyDown, vk::kDelete},   {kWmKeyUp, vk::kDelete},
                                         {kWmKeyUp, vk::kLMenu},      {kWmKeyUp, vk::kLControl},
                                         {kWmSysKeyDown, vk::kF10},   {kWmSysKeyUp, vk::kF10},
                                         {kWmKeyDown, 'A'},           {kWmKeyUp, 'A'}};
  EXPECT_EQ(got, expected);
  EXPECT_TRUE(edit.text().isEmpty());
}

TEST_F(KeyFilterTest, RemovedOrOtherWindowsKeysPassOn) {
  QLineEdit other;
  other.show();
  filter.Install();
  QKeyEvent e(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, 48 + 8, 0, 0, "b");
  QApplication::sendEvent(&other, &e);
  EXPECT_TRUE(got.empty());
  EXPECT_EQ(other.text(), QStringLiteral("b"));
  filter.Remove();
  QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 30 + 8, 0, 0, "a");
  QApplication::sendEvent(&edit, &a);
  EXPECT_TRUE(got.empty());
  EXPECT_EQ(edit.text(), QStringLiteral("a"));
}

class KeyCaptureDialogTest : public ::testing::Test {
 protected:
  KeyCaptureDialogTest() : images(DEVERO_SKIN_DIR) {}
  void SendKey(QWidget& target, QEvent::Type type, uint32_t evdev, int qt_key) {
    QKeyEvent e = NativeKey(type, evdev, qt_key);
    QApplication::sendEvent(&target, &e);
  }
  static QPoint Centre(const SkinEntry& e) { return {e.x + e.width / 2, e.y + e.height / 2}; }
  SkinImages images;
};

TEST_F(KeyCaptureDialogTest, KeysAreCapturedAndNeverCloseIt) {
  CDialogGetKey dialog(images, 1, QStringLiteral("Devero"), u"A", QFont(), nullptr);
  ASSERT_TRUE(dialog.skin_loaded());
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Devero"));
  dialog.show();
  EXPECT_TRUE(dialog.grab().Installed());
  struct Case {
    uint32_t evdev;
    int qt_key;
    uint8_t device_key;
    std::u16string name;
  };
  const Case cases[] = {
      {28, Qt::Key_Return, 0x28, CaptureKeyName(0x28)},
      {1, Qt::Key_Escape, 0x29, CaptureKeyName(0x29)},
      {68, Qt::Key_F10, 0x43, CaptureKeyName(0x43)},
      {56, Qt::Key_Alt, 0xE2, u"LMENU"},
      {125, Qt::Key_Meta, 0xE3, u"LWIN"},
      {41, Qt::Key_QuoteLeft, 0x32, u"`~"},
  };
  for (const Case& c : cases) {
    SendKey(dialog, QEvent::KeyPress, c.evdev, c.qt_key);
    EXPECT_EQ(dialog.captured_key(), c.device_key) << c.evdev;
    SendKey(dialog, QEvent::KeyRelease, c.evdev, c.qt_key);
    EXPECT_EQ(dialog.captured_key(), c.device_key) << c.evdev;
    EXPECT_EQ(dialog.key_name(), c.name) << c.evdev;
    EXPECT_TRUE(dialog.isVisible()) << c.evdev;
  }
  // The name is drawn in red in entry 0.
  QImage image(dialog.size(), QImage::Format_ARGB32);
  QPainter p(&image);
  dialog.Render(p);
  p.end();
  const SkinEntry& e = dialog.entries()[0];
  int red = 0;
  for (int y = e.y; y < e.y + e.height; ++y) {
    for (int x = e.x; x < e.x + e.width; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 70 && c.blue() < 70) ++red;
    }
  }
  EXPECT_GT(red, 0);
}

TEST_F(KeyCaptureDialogTest, OkHandsTheKeyOnAndCancelAndCloseDoNot) {
  for (int how : {int{CDialogGetKey::kOk}, int{CDialogGetKey::kCancel}, -1}) {
    CDialogGetKey dialog(images, 0, QStringLiteral("Devero"), u"A", QFont(), nullptr);
    std::vector<uint8_t> handed;
    dialog.on_ok = [&handed](uint8_t key) { handed.push_back(key); };
    dialog.show();
    SendKey(dialog, QEvent::KeyPress, 30, Qt::Key_A);
    SendKey(dialog, QEvent::KeyPress, 48, Qt::Key_B);
    if (how < 0) {
      dialog.close();
    } else {
      QTest::mouseClick(&dialog, Qt::LeftButton, {}, Centre(dialog.entries()[how]));
    }
    EXPECT_FALSE(dialog.isVisible()) << how;
    EXPECT_FALSE(dialog.grab().Installed()) << how;
    EXPECT_EQ(handed,
              how == CDialogGetKey::kOk ? std::vector<uint8_t>{0x05} : std::vector<uint8_t>{})
        << how;
  }
}

TEST_F(KeyCaptureDialogTest, AMissingSkinFileEndsItAtOnce) {
  testing::TempDir dir;
  SkinImages empty(dir.path());
  CDialogGetKey dialog(empty, 1, QStringLiteral("Devero"), u"A", QFont(), nullptr);
  EXPECT_FALSE(dialog.skin_loaded());
  EXPECT_EQ(dialog.Run(), 0);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(KeyCaptureDialogTest, ThePageRunsItAndHandsOnTheKey) {
  QWidget window;
  window.resize(600, 400);
  MacroPageWidgets page{std::filesystem::path(DEVERO_SKIN_DIR)};
  page.Create(&window,
              {SkinRect{0, 0, 100, 100}, SkinRect{100, 0, 200, 100}, SkinRect{200, 0, 300, 100}},
              SkinRect{0, 100, 50, 120}, window.font());
  window.show();
  page.SetKeyCaptureSetup({&images, 1, QStringLiteral("Devero"), QFont()});
  std::vector<uint8_t> captured;
  page.callbacks.key_captured = [&captured](uint8_t key) { captured.push_back(key); };
  std::u16string shown;
  QTimer::singleShot(0, [&] {
    auto* dialog = static_cast<CDialogGetKey*>(page.open_key_capture());
    ASSERT_NE(dialog, nullptr);
    shown = dialog->key_name();
    SendKey(*dialog, QEvent::KeyPress, 28, Qt::Key_Return);
    SendKey(*dialog, QEvent::KeyRelease, 28, Qt::Key_Return);
    QTest::mouseClick(dialog, Qt::LeftButton, {}, Centre(dialog->entries()[CDialogGetKey::kOk]));
  });
  page.OpenKeyCapture(u"B");
  EXPECT_EQ(shown, u"B");
  EXPECT_EQ(page.open_key_capture(), nullptr);
  EXPECT_EQ(captured, std::vector<uint8_t>{0x28});
}

TEST_F(KeyCaptureDialogTest, TheWindowEndingWhileItRunsTakesItAway) {
  auto* window = new QWidget;
  MacroPageWidgets page{std::filesystem::path(DEVERO_SKIN_DIR)};
  page.Create(window,
              {SkinRect{0, 0, 100, 100}, SkinRect{100, 0, 200, 100}, SkinRect{200, 0, 300, 100}},
              SkinRect{0, 100, 50, 120}, window->font());
  window->show();
  page.SetKeyCaptureSetup({&images, 1, QStringLiteral("Devero"), QFont()});
  int captured = 0;
  page.callbacks.key_captured = [&captured](uint8_t) { ++captured; };
  QTimer::singleShot(0, [&] {
    ASSERT_NE(page.open_key_capture(), nullptr);
    delete window;
  });
  page.OpenKeyCapture(u"B");
  EXPECT_EQ(captured, 0);
  EXPECT_FALSE(page.created());
  EXPECT_EQ(page.open_key_capture(), nullptr);
}

}  // namespace
}  // namespace devero::ui
