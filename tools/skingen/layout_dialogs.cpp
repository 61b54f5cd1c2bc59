// The dialogs (warning, key capture, rapid fire) and the pop-up menus.
#include <QPainter>

#include "layout.h"
#include "layout_util.h"
#include "theme.h"

namespace skingen {
namespace {

void DialogFrame(QPainter& p, QSize size, int title_height) {
  p.fillRect(QRect(QPoint(0, 0), size), color::kWindow);
  Box(p, QRectF(0, 0, size.width(), size.height()), 10, color::kWindow, color::kLineStrong);
  if (title_height > 0) {
    p.save();
    p.setClipPath(RoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 9));
    p.fillRect(QRect(0, 0, size.width(), title_height), color::kBar);
    p.fillRect(QRect(0, title_height, size.width(), 1), color::kLine);
    p.restore();
  }
  QLinearGradient g(0, 0, size.width(), 0);
  g.setColorAt(0, QColor(0, 0, 0, 0));
  g.setColorAt(0.5, color::kAccent);
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(10, 0, size.width() - 20, 2), g);
}

// --- Warning dialog: its rectangles are fixed by the program --------------------------------

const QSize kWarningSize{362, 130};

void AddWarning(Skin& skin) {
  const QRect text{80, 18, 196, 38};
  auto background = [](QPainter& p) {
    DialogFrame(p, kWarningSize, 0);
    DrawGlyph(p, Glyph::kWarning, QRectF(10, 6, 18, 18), color::kAccent);
    p.fillRect(QRect(24, 74, kWarningSize.width() - 48, 1), color::kLine);
  };
  ImageSet plain;
  plain.prefix = QStringLiteral("warning");
  plain.size = kWarningSize;
  plain.has_down = false;
  plain.corner_radius = 10;
  plain.paint_background = background;
  plain.entries = {E(0, {148, 88, 64, 24}, Look::kButton, "OK", "确定", "ok")};
  skin.image_sets.push_back(plain);

  ImageSet question = plain;
  question.prefix = QStringLiteral("warning2");
  question.write_mask = false;
  question.entries = {E(0, {82, 88, 64, 24}, Look::kButton, "OK", "OK", "ok"),
                      E(1, {216, 88, 64, 24}, Look::kButton, "CANCEL", "CANCEL", "cancel")};
  skin.image_sets.push_back(question);

  // In the plain form both labels are drawn in the one button: the second stays empty.
  skin.files.push_back({QStringLiteral("INI_EN/LBWarning_en.ini"),
                        QStringLiteral("INI_CN/LBWarning.ini"),
                        {MakeTable("BUTTONPOS", 0, 3,
                                   {E(0, {148, 88, 64, 24}, Look::kButton, "OK", "确定", "ok"),
                                    E(1, {216, 88, 64, 24}, Look::kButton, "", "", "second"),
                                    E(2, text, Look::kLabel, "", "", "message")})}});
}

// --- Key capture dialog ----------------------------------------------------------------------

const QSize kKeysetSize{400, 220};

void AddKeyset(Skin& skin) {
  std::vector<Entry> entries = {
      E(0, {60, 62, 280, 70}, Look::kKeyDisplay, "", "", "key_name"),
      E(1, {84, 160, 108, 36}, Look::kButton, "OK", "确定", "ok"),
      E(2, {208, 160, 108, 36}, Look::kButton, "Cancel", "取消", "cancel"),
      E(3, {0, 6, 400, 40}, Look::kLabel, "Press the key to assign", "请按下要设置的按键",
        "prompt"),
  };
  ImageSet set;
  set.prefix = QStringLiteral("keyset");
  set.size = kKeysetSize;
  set.corner_radius = 10;
  set.paint_background = [](QPainter& p) { DialogFrame(p, kKeysetSize, 46); };
  set.entries = entries;
  skin.image_sets.push_back(set);
  skin.files.push_back({QStringLiteral("INI_EN/skin_keyset_en.ini"),
                        QStringLiteral("INI_CN/skin_keyset.ini"),
                        {MakeTable("BUTTONPOS", 0, 4, entries)}});
}

// --- Rapid-fire dialog -----------------------------------------------------------------------

const QSize kGunSize{460, 344};
const QRect kGunPicture{24, 64, 200, 150};
const QRect kDistanceEdit{362, 226, 74, 26};
const QRect kCountEdit{362, 192, 74, 26};
const QRect kDelayEdit{362, 260, 74, 26};

void AddGun(Skin& skin) {
  std::vector<Entry> entries = {
      E(0, {420, 8, 30, 30}, Look::kIconButton, "", "", "close", Glyph::kClose),
      E(1, {236, 298, 100, 34}, Look::kButton, "Cancel", "取消", "cancel"),
      E(2, {344, 298, 100, 34}, Look::kPrimary, "Save", "保存", "save"),
      E(4, kGunPicture, Look::kPicture, "", "", "picture"),
      E(5, {244, 64, 156, 32}, Look::kButton, "", "", "item"),
      E(6, {404, 64, 32, 32}, Look::kCaretButton, "", "", "item_list"),
      E(7, {60, 6, 340, 34}, Look::kLabel, "Rapid Fire", "连发设置", "title"),
      E(8, {244, 110, 192, 32}, Look::kOption, "Repeat count", "指定次数", "mode_count"),
      E(9, {244, 148, 192, 32}, Look::kOption, "Repeat while held", "按住连发", "mode_held"),
      E(10, {244, 192, 112, 26}, Look::kLabel, "Count", "次数", "count_caption"),
      E(11, {244, 226, 112, 26}, Look::kLabel, "Distance", "移动距离", "distance_caption"),
      E(12, {244, 260, 112, 26}, Look::kLabel, "Delay (ms)", "延迟(毫秒)", "delay_caption"),
  };
  ImageSet set;
  set.prefix = QStringLiteral("gun");
  set.size = kGunSize;
  set.corner_radius = 10;
  set.paint_background = [](QPainter& p) {
    DialogFrame(p, kGunSize, 44);
    for (const QRect& r : {kDistanceEdit, kCountEdit, kDelayEdit}) {
      Box(p, QRectF(r).adjusted(-2, -2, 2, 2), 4, color::kBlack, color::kLineStrong);
    }
  };
  set.entries = entries;
  for (const QRect& r : {kDistanceEdit, kCountEdit, kDelayEdit}) {
    set.entries.push_back(E(100, r, Look::kChild, "", "", "edit"));
  }
  skin.image_sets.push_back(set);
  skin.files.push_back({QStringLiteral("INI_EN/skin_gun_en.ini"),
                        QStringLiteral("INI_CN/skin_gun.ini"),
                        {MakeTable("BUTTONPOS", 0, 14, entries),
                         MakeTable("EDIT", 0, 3,
                                   {E(0, kDistanceEdit, Look::kChild, "", "", "distance"),
                                    E(1, kCountEdit, Look::kChild, "", "", "count"),
                                    E(2, kDelayEdit, Look::kChild, "", "", "delay")})}});
}

// --- Menus -----------------------------------------------------------------------------------

// A menu picture: `rows` rows of `row_height` over the full width; rows listed in
// `submenu_rows` (1-based) carry a chevron.
ImageSet Menu(const char* prefix, int width, int row_height, int rows, bool mask,
              std::vector<int> submenu_rows = {}) {
  ImageSet set;
  set.prefix = QString::fromLatin1(prefix);
  set.size = QSize(width, row_height * rows);
  set.write_mask = mask;
  set.paint_background = [size = set.size](QPainter& p) {
    p.fillRect(QRect(QPoint(0, 0), size), color::kBar);
    p.fillRect(QRect(0, 0, 1, size.height()), color::kLineStrong);
  };
  for (int r = 1; r <= rows; ++r) {
    Entry row = E(r, {0, (r - 1) * row_height, width, row_height}, Look::kMenuRow, "", "", "row");
    for (int s : submenu_rows) {
      if (s == r) row.glyph = Glyph::kChevron;
    }
    set.entries.push_back(row);
  }
  return set;
}

}  // namespace

void AddDialogs(Skin& skin) {
  AddWarning(skin);
  AddKeyset(skin);
  AddGun(skin);
}

void AddMenus(Skin& skin) {
  // Rows are the mask's height / 15; the first-level menu of profiles and lighting modes shows
  // only the left 144 pixels.
  skin.image_sets.push_back(Menu("menu", 180, 24, 15, true));
  skin.image_sets.push_back(Menu("menu1", 200, 24, 15, true, {12, 13, 14, 15}));
  skin.image_sets.push_back(Menu("more", 180, 24, 15, true));
  std::vector<int> all(15);
  for (int i = 0; i < 15; ++i)
    all[static_cast<size_t>(i)] = i + 1;
  skin.image_sets.push_back(Menu("Macro_menu", 180, 24, 15, false, all));
  // The macro menus use rows of 20 pixels.
  skin.image_sets.push_back(Menu("MacMenu/MacG", 180, 20, 15, true));
  skin.image_sets.push_back(Menu("MacMenu/MacR", 140, 20, 2, true));
  skin.image_sets.push_back(Menu("MacMenu/Insert", 150, 20, 3, true, {1, 2}));
  skin.image_sets.push_back(Menu("MacMenu/Insert2th", 150, 20, 6, true));
}

}  // namespace skingen
