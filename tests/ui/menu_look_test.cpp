// Every menu kind, every list and the rapid-fire dialog drawn from the generated skin in both
// languages: texts fit their rows and a hovered row looks different. With DEVERO_LOOK_DIR set
// the pictures are also written there as PNG, to be looked at.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>
#include <string>

#include "app/runtime_paths.h"
#include "macro/headless_macro_library.h"
#include "support/fake_warnings.h"
#include "support/temp_dir.h"
#include "ui/function_menus.h"
#include "ui/label_font.h"
#include "ui/menu_test_bed.h"
#include "ui/rapid_fire_dialog.h"
#include "ui/skin_painter.h"

namespace devero::ui {
namespace {

namespace fs = std::filesystem;

class NoReport : public SkinReadReport {
 public:
  bool OnMissingFile(const fs::path&) override { return false; }
  void OnTooManyCommas(const fs::path&) override {}
};

class MenuLookTest : public ::testing::TestWithParam<int> {
 protected:
  MenuLookTest() {
    testing::InstallFactoryData(root_.path());
    NoReport report;
    EXPECT_TRUE(LoadMainWindowSkin(DEVERO_SKIN_DIR, english_, report, skin_));
    headless_.library.LoadLibrary();
    RapidFireTable& items = headless_.macros->rapidFireTable;
    items.rapidFireCount = 4;
    const char16_t* names[] = {u"Burst fire", u"Sniper tap", u"Spray control", u"\u8FDE\u53D1"};
    for (int i = 0; i < 4; ++i) {
      items.rapidFireNames[static_cast<size_t>(i)] = names[i];
      MacroRecord& m = items.slots[static_cast<size_t>(i)];
      m.stepCount = 2;
      m.repeatMode = i == 1 ? 2 : 0;
      m.repeatCount = static_cast<uint16_t>(3 + i);
      m.xyStepCount = 1;
      m.stepParam[0].param2 = static_cast<uint16_t>(10 + i);
      m.stepDelay[0] = 40;
    }
    for (int i = 0; i < kUserColorCount; ++i)
      settings_.SetUserColorFromRgb(i, 0x203040u * static_cast<uint32_t>(i + 1) & 0xFFFFFF);
    product_.keyNum = 8;
  }
  ~MenuLookTest() override { testing::FlushDeletes(); }

  MenuContext Context() {
    return MenuContext{images_,
                       skin_,
                       settings_,
                       product_,
                       headless_.library,
                       *headless_.macros,
                       [this] { return english_; },
                       [] { return LabelFont(96); },
                       host_};
  }

  std::string Language() const { return english_ ? "en" : "cn"; }

  static QImage Picture(SkinnedMenu* menu) {
    QImage image(menu->size(), QImage::Format_RGB32);
    QPainter p(&image);
    menu->Render(p);
    return image;
  }

  // Texts fit, the hovered row is lit; the picture goes to DEVERO_LOOK_DIR.
  void Check(SkinnedMenu* menu, const std::string& name) {
    SCOPED_TRACE(name);
    ASSERT_NE(menu, nullptr);
    ASSERT_GT(menu->rowCount(), 0);
    const QFontMetrics metrics(LabelFont(96));
    for (const QString& text : menu->texts()) {
      EXPECT_LE(metrics.horizontalAdvance(text), menu->width() - 8) << text.toStdString();
      EXPECT_LE(metrics.height(), menu->rowHeight()) << text.toStdString();
    }
    const QImage before = Picture(menu);
    const int row = std::min(2, menu->rowCount());
    testing::SendMove(menu, menu->RowRect(row).center());
    const QImage after = Picture(menu);
    const QRect band = menu->RowRect(row);
    EXPECT_NE(before.copy(band), after.copy(band)) << "the hovered row looks as before";
    Save(after, name);
  }

  static void Save(const QImage& image, const std::string& name) {
    const QByteArray dir = qgetenv("DEVERO_LOOK_DIR");
    if (dir.isEmpty()) return;
    fs::create_directories(dir.toStdString());
    image.save(QString::fromStdString((fs::path(dir.toStdString()) / (name + ".png")).string()));
  }

  // The levels as they lie on the screen, on one picture.
  static QImage Cascade(const std::vector<SkinnedMenu*>& levels) {
    QRect all;
    for (SkinnedMenu* m : levels)
      all |= QRect(m->pos(), m->size());
    QImage image(all.size() + QSize(20, 20), QImage::Format_RGB32);
    image.fill(QColor(90, 90, 90));
    QPainter p(&image);
    for (SkinnedMenu* m : levels) {
      p.save();
      p.translate(m->pos() - all.topLeft() + QPoint(10, 10));
      m->Render(p);
      p.restore();
    }
    return image;
  }

  int english_ = GetParam();
  testing::TempDir root_;
  RuntimePaths paths_{root_.path(), english_};
  testing::FakeWarnings warnings_;
  testing::FakeMenuHost host_;
  HeadlessMacroLibrary headless_{paths_, warnings_};
  SkinImages images_{DEVERO_SKIN_DIR};
  MainWindowSkin skin_;
  ProfileSettings settings_;
  ProductDescription product_;
};

TEST_P(MenuLookTest, FirstLevels) {
  FunctionMenus menus(Context());
  const std::pair<int, const char*> kinds[] = {
      {kProfileMenu, "profile"},
      {kFunctionMenu, "function"},
      {kMoreOptionsMenu, "more"},
      {kLightingModeMenu, "lighting_mode"},
      {kLightingStepModeMenu, "step_mode"},
      {kLightingStepColorMenu, "step_colour"},
      {kLightingStepValueMenu, "step_value"},
      {kRapidFireItemMenu, "rapid_fire_items"},
      {kGroupPopupMenu, "group_popup"},
      {kMacroPopupMenu, "macro_popup"},
      {kInsertMenu, "insert"},
  };
  for (const auto& [kind, name] : kinds) {
    menus.setSelectedButton(20);
    Check(menus.Open(kind, QPoint(0, 0), nullptr), std::string("menu_") + name + "_" + Language());
    menus.CloseAll();
  }
}

TEST_P(MenuLookTest, LowerLevels) {
  FunctionMenus menus(Context());
  menus.setSelectedButton(21);
  struct Case {
    int kind;
    int row;
    const char* name;
  };
  const Case cases[] = {{kFunctionMenu, 12, "media"},      {kFunctionMenu, 13, "macro_groups"},
                        {kFunctionMenu, 14, "shortcut"},   {kFunctionMenu, 15, "profiles"},
                        {kInsertMenu, 1, "insert_before"}, {kInsertMenu, 2, "insert_after"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CMenuDlg* first = menus.Open(c.kind, QPoint(400, 300), nullptr);
    testing::SendMove(first, first->RowRect(c.row).center());
    CSubMenuDlg* second = menus.secondLevel();
    Check(second, std::string("list_") + c.name + "_" + Language());
    std::vector<SkinnedMenu*> levels = {first, second};
    if (menus.thirdLevel() != nullptr) {
      Check(menus.thirdLevel(), std::string("macros_") + Language());
      levels.push_back(menus.thirdLevel());
    }
    Save(Cascade(levels), std::string("cascade_") + c.name + "_" + Language());
    menus.CloseAll();
  }
}

TEST_P(MenuLookTest, RapidFireDialog) {
  CDialogGun dialog(Context(), nullptr);
  ASSERT_FALSE(dialog.skinMissing());
  const QRect inside(QPoint(0, 0), dialog.size());
  for (QLineEdit* edit : {dialog.countEdit(), dialog.distanceEdit(), dialog.delayEdit()}) {
    EXPECT_TRUE(inside.contains(edit->geometry()));
    // The edits hold what they show.
    EXPECT_GE(edit->width(), QFontMetrics(edit->font()).horizontalAdvance(QStringLiteral("9999")));
    for (const SkinEntry& e : dialog.entries())
      EXPECT_FALSE(EntryRect(e).intersects(edit->geometry()));
  }
  const QFontMetrics metrics(LabelFont(96));
  const SkinEntry& name = dialog.entries()[CDialogGun::kItemName];
  for (const std::u16string& item : headless_.macros->rapidFireTable.rapidFireNames)
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdU16String(item)), name.width - 8);
  testing::SendMove(&dialog, QPoint(name.x + 2, name.y + 2));
  Save(dialog.grab().toImage(), "rapid_fire_" + Language());
  dialog.ClickEntry(CDialogGun::kItemList);
  CMenuDlg* list = dialog.itemMenus().firstLevel();
  ASSERT_NE(list, nullptr);
  Check(list, "rapid_fire_list_" + Language());
  dialog.ClickEntry(CDialogGun::kRepeatWhileHeld);
  Save(dialog.grab().toImage(), "rapid_fire_held_" + Language());
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuLookTest, ::testing::Values(1, 0),
                         [](const auto& info) { return info.param ? "English" : "Chinese"; });

}  // namespace
}  // namespace devero::ui
