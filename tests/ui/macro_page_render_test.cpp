// Renders the macro page's lists on the page picture and the key-capture dialog with the
// factory macros in both languages. With DEVERO_RENDER_DIR set the pictures are saved there
// for a person to look at.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "keys/key_codes.h"
#include "macro/lighting_list.h"
#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "macro/macro_state.h"
#include "macro/macro_steps.h"
#include "macro/step_list.h"
#include "support/fake_warnings.h"
#include "ui/key_capture_dialog.h"
#include "ui/label_font.h"
#include "ui/macro_page_widgets.h"

namespace devero::ui {
namespace {

namespace fs = std::filesystem;

class SilentReport : public SkinReadReport {
 public:
  bool OnMissingFile(const fs::path&) override { return false; }
  void OnTooManyCommas(const fs::path&) override {}
};

// The page picture behind the child windows, as the main window paints it.
class PageBackground : public QWidget {
 public:
  explicit PageBackground(const QImage& image) : image_(image) { resize(image.size()); }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, image_); }

 private:
  const QImage& image_;
};

void Save(const QImage& image, const std::string& name) {
  const QByteArray dir = qgetenv("DEVERO_RENDER_DIR");
  if (dir.isEmpty()) return;
  image.save(QString::fromLocal8Bit(dir) + QStringLiteral("/") + QString::fromStdString(name));
}

// How many pixels of the rectangle are light text on the dark list.
int LightPixels(const QImage& image, const QRect& rect) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (image.pixelColor(x, y).lightness() > 200) ++n;
    }
  }
  return n;
}

class MacroPageRender : public ::testing::TestWithParam<int> {};

TEST_P(MacroPageRender, ListsAndDialogWithTheFactoryMacros) {
  const int english = GetParam();
  const std::string lang = english ? "en" : "cn";
  const fs::path skin_dir = DEVERO_SKIN_DIR;
  const fs::path macro_dir = fs::path(DEVERO_DATA_DIR) / (english ? "INI_EN" : "INI_CN") / "macro";
  SilentReport report;
  MainWindowSkin skin;
  ASSERT_TRUE(LoadMainWindowSkin(skin_dir, english, report, skin));
  SkinImages images(skin_dir);
  const QImage& background = images.Get("\\mac_normal.jpg");
  ASSERT_FALSE(background.isNull());

  // Both factory groups, the first expanded, its first macro selected.
  auto state = std::make_unique<MacroState>();
  testing::FakeWarnings warnings;
  MacroLibraryState library;
  std::vector<fs::path> groups;
  for (const auto& entry : fs::directory_iterator(macro_dir)) {
    if (entry.path().extension() == ".dat") groups.push_back(entry.path());
  }
  std::sort(groups.begin(), groups.end());
  ASSERT_GE(groups.size(), 2u);
  for (size_t g = 0; g < groups.size(); ++g) {
    ReadMacroFile(groups[g], *state, warnings, english);
    library.groupNames[g] = groups[g].stem().u16string();
    library.groupMacroCounts[g] = state->macroTable.macroCount;
    for (int m = 0; m < state->macroTable.macroCount; ++m)
      library.macroNames[g][static_cast<size_t>(m)] = MacroName(state->macroTable.slots[m]);
  }
  library.groupCount = static_cast<int>(groups.size());
  library.groupExpanded[0] = 1;
  ReadMacroFile(groups[0], *state, warnings, english);

  PageBackground window(background);
  const QFont font = LabelFont(window.logicalDpiX());
  MacroPageWidgets page(skin_dir);
  page.Create(&window, skin.macroDisplay, skin.macroEdit[2], font);
  StepList steps(page.step_view(), page);
  LightingList lighting(page.lighting_view());
  page.ShowGroupList(BuildGroupListRows(library), 1);
  MacroRecord& shown = state->macroTable.slots[0];
  steps.Refresh(shown, false, RepeatFieldUpdate::kUpdate, english);
  steps.Select(2);
  // A lighting block of three entries, as the editor shows it after an edit.
  MacroRecord with_light = shown;
  with_light.ledDataCount = 1;
  InitLightingBlock(with_light.ledData[0]);
  with_light.ledData[0][0] = 3;
  const uint8_t entries[] = {1, 3, 15, 0, 6, 2, 20, 0, 9, 5, 8, 0};
  std::copy(std::begin(entries), std::end(entries), with_light.ledData[0].begin() + 4);
  lighting.Fill(with_light, 0, english);
  page.lighting_list()->SelectRow(1);
  window.show();

  QImage image(window.size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  window.render(&image);
  Save(image, "macro_page_" + lang + ".png");
  page.StartGroupRowRename(1);
  page.lighting_list()->StartEdit(3);
  QImage editing(window.size(), QImage::Format_ARGB32);
  window.render(&editing);
  Save(editing, "macro_page_editing_" + lang + ".png");
  page.group_list()->EndEdit(false);
  page.lighting_list()->EndEdit(false);

  // Every list shows text; no row of the step list is taller than the font needs.
  for (CListBoxXI* list : {page.group_list(), page.step_list(), page.lighting_list()}) {
    ASSERT_GT(list->RowCount(), 0);
    EXPECT_GT(
        LightPixels(image, list->geometry().adjusted(0, 0, 0, -list->height() + list->RowHeight())),
        0);
    EXPECT_LE(list->RowHeight(), std::max(20, list->fontMetrics().height()));
  }
  EXPECT_EQ(page.step_list()->RowCount(), 2 * shown.stepCount);

  // Every kind of step, for the icons and indents of the step list.
  MacroRecord kinds{};
  const std::array<std::array<uint16_t, 5>, 8> all = {{{0x04, 1, 20, 0, 0},
                                                       {0x04, 2, 35, 0, 0},
                                                       {0xF1, 1, 50, 0, 0},
                                                       {0, 0, 100, 0, 0},
                                                       {246, 6, 10, 12, 34},
                                                       {248, 9, 10, 8, 0},
                                                       {249, 13, 10, 0, 0},
                                                       {0xE0, 2, 20, 0, 0}}};
  for (const auto& st : all) {
    const int i = kinds.stepCount++;
    kinds.stepCode[i] = static_cast<uint8_t>(st[0]);
    kinds.stepAction[i] = static_cast<uint8_t>(st[1]);
    kinds.stepDelay[i] = st[2];
    kinds.stepParam[i] = {st[3], st[4]};
  }
  steps.Refresh(kinds, false, RepeatFieldUpdate::kUpdate, english);
  EXPECT_EQ(page.step_list()->RowCount(), 16);
  QImage kinds_image(window.size(), QImage::Format_ARGB32);
  window.render(&kinds_image);
  Save(kinds_image.copy(page.step_list()->geometry()), "step_kinds_" + lang + ".png");

  CDialogGetKey dialog(images, english, QStringLiteral("Devero"), StepKeyName(0x04, english), font,
                       nullptr);
  ASSERT_TRUE(dialog.skin_loaded());
  QImage dialog_image(dialog.size(), QImage::Format_ARGB32);
  QPainter p(&dialog_image);
  dialog.Render(p);
  p.end();
  Save(dialog_image, "key_capture_" + lang + ".png");
  // Every label fits its entry: the text is no wider than the rectangle.
  const QFontMetrics metrics(font);
  for (const SkinEntry& e : dialog.entries()) {
    EXPECT_LE(metrics.horizontalAdvance(QString::fromStdU16String(e.label)), e.width);
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MacroPageRender, ::testing::Values(1, 0));

}  // namespace
}  // namespace devero::ui
