#include "preview.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <cstdio>

#include "controls.h"
#include "icons.h"
#include "windows.h"

namespace skingen {
namespace {

QFont LabelFont(int pixel_size) {
  const QStringList families = QFontDatabase::families();
  QFont font(families.contains(QStringLiteral("微软雅黑")) ? QStringLiteral("微软雅黑")
                                                           : QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(pixel_size);
  return font;
}

// The program's label rule: centred, integer division, drawn only when x or y is above 0.
void CentredLabel(QPainter& p, const QRect& r, const QString& text, const QColor& color,
                  int narrower = 0) {
  if (text.isEmpty()) return;
  const QFontMetrics fm(p.font());
  const int x = r.x() + (r.width() - narrower - fm.horizontalAdvance(text)) / 2;
  const int y = r.y() + (r.height() - fm.height()) / 2;
  if (x <= 0 && y <= 0) return;
  p.setPen(color);
  p.drawText(x, y + fm.ascent(), text);
}

void LeftLabel(QPainter& p, const QRect& r, const QString& text, const QColor& color) {
  const QFontMetrics fm(p.font());
  p.setPen(color);
  p.drawText(r.x() + 55, r.y() + (r.height() - fm.height()) / 2 + fm.ascent(), text);
}

const ImageSet* FindSet(const Skin& skin, const QString& prefix) {
  for (const ImageSet& set : skin.image_sets) {
    if (set.prefix == prefix) return &set;
  }
  return nullptr;
}

// An entry of the page's own table (after the header's entries).
const Entry* FindEntry(const ImageSet& set, int key) {
  for (size_t i = set.header_count; i < set.entries.size(); ++i) {
    const Entry& e = set.entries[i];
    if (e.key == key && e.look != Look::kChild) return &e;
  }
  return nullptr;
}

const Entry* FindHeader(const ImageSet& set, int key) {
  for (size_t i = 0; i < set.header_count; ++i) {
    if (set.entries[i].key == key) return &set.entries[i];
  }
  return nullptr;
}

void Copy(QPainter& p, const QImage& from, const QRect& r) {
  p.drawImage(r, from, r);
}

void Knob(QPainter& p, int x, int y) {
  p.drawImage(x, y, skingen::Knob());
}

const QColor kRed(228, 27, 20);

// The preview of one main window page: states, header, labels, sample values.
QImage PreviewPage(const Skin& skin, const QString& prefix, Language lang, int variant) {
  const ImageSet& set = *FindSet(skin, prefix);
  QImage canvas = RenderState(set, State::kNormal);
  const QImage over = RenderState(set, State::kOver);
  const QImage down = RenderState(set, State::kDown);
  QPainter p(&canvas);
  p.setFont(LabelFont(13));
  const int tab = prefix == "main" ? 6 : prefix == "advanced" ? 7 : prefix == "mac" ? 8 : 9;
  auto copy_key = [&](const QImage& from, int key) {
    if (const Entry* e = FindEntry(set, key)) Copy(p, from, e->rect);
  };

  if (prefix == "main") {
    copy_key(over, 22);  // hovered function field and its name
    copy_key(down, 37);
  } else if (prefix == "advanced") {
    copy_key(down, 60 + 1);
    const QColor stage_colours[6] = {QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
                                     QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255)};
    for (int k = 0; k < 6; ++k) {
      if (const Entry* e = FindEntry(set, 77 + k)) {
        p.fillRect(e->rect, stage_colours[k]);
      }
      if (k < 4) copy_key(down, 47 + k);
    }
    const Entry* dpi = FindEntry(set, 66);
    const int dpi_width = (7 + 1) * 303 / 17;
    Copy(p, down, QRect(dpi->rect.x(), dpi->rect.y(), dpi_width, dpi->rect.height()));
    Knob(p, dpi->rect.x() + dpi_width - 5, dpi->rect.y() + 16);
    for (auto [key, value, steps] : {std::tuple{1, 6, 11}, {18, 3, 11}, {31, 120, 300}}) {
      const Entry* e = FindEntry(set, key);
      const int w = value < steps ? value * e->rect.width() / steps : e->rect.width();
      Copy(p, down, QRect(e->rect.x(), e->rect.y(), w, e->rect.height()));
      Knob(p, e->rect.x() + w - 6, e->rect.y() + 4);
    }
    copy_key(down, 34 + 3);
  } else if (prefix == "mac") {
    copy_key(down, 8);
    copy_key(over, 14);
  } else if (prefix == "led") {
    const int mode = variant == 0 ? 3 : 2;
    for (auto [key, level, steps] : {std::tuple{41, 3, 6}, {40, 5, 7}}) {
      const Entry* e = FindEntry(set, key);
      const int w = (level + 1) * e->rect.width() / steps;
      Copy(p, down, QRect(e->rect.x(), e->rect.y(), w, e->rect.height()));
      Knob(p, e->rect.x() + w - 6, e->rect.y() + 5);
    }
    copy_key(down, 45);
    copy_key(down, 47 + 1);
    for (int k : {7, 8, 10, 13})
      copy_key(down, k);
    copy_key(down, 14);
    const QColor colours[7] = {QColor(255, 0, 0),   QColor(255, 127, 0), QColor(255, 255, 0),
                               QColor(0, 255, 0),   QColor(0, 255, 255), QColor(0, 0, 255),
                               QColor(175, 31, 255)};
    for (int k = 0; k < 7; ++k)
      p.fillRect(FindEntry(set, k)->rect, colours[k]);
    if (mode == 2) {
      const QImage null = RenderUnavailable(RenderState(set, State::kNormal));
      for (int key : {75, 74, 73})
        copy_key(null, key);
    }
  }
  // Header.
  for (int key : {tab, lang == Language::kChinese ? 4 : 5})
    Copy(p, down, FindHeader(set, key)->rect);
  Copy(p, over, FindHeader(set, 3)->rect);
  // Labels.
  for (size_t i = 0; i < set.entries.size(); ++i) {
    const Entry& e = set.entries[i];
    if (e.look == Look::kChild) continue;
    const bool header_entry = i < set.header_count;
    QString text = Text(e, lang);
    QColor colour = color::kText;
    int narrower = 0;
    if (header_entry && e.key == 10) text = FunctionName(19, lang);
    if (!header_entry) {
      if (prefix == "main" && e.look == Look::kFunctionField) {
        const int k = e.key - 20;
        const int functions[9] = {1, 2, 3, 4, 5, 16, 17, 23, 45};
        LeftLabel(p, e.rect, FunctionName(functions[k], lang), colour);
        continue;
      }
      if (prefix == "advanced") {
        if (e.key == 2 || e.key == 19 || e.key == 32) {
          text = QString::number(e.key == 2 ? 6 : e.key == 19 ? 3 : 120);
          colour = kRed;
        }
        if (e.key >= 70 && e.key <= 75) {
          const int dpis[6] = {400, 800, 1600, 3200, 6400, 7200};
          text = QString::number(dpis[e.key - 70]);
          if (e.key == 71) colour = kRed;
        }
      }
      if (prefix == "mac" && e.key == 4) text = lang == Language::kEnglish ? "Record" : "录制";
      if (prefix == "led") {
        if (e.key == 35) text = lang == Language::kEnglish ? "Tail" : "行云流水";
        if (e.key == 40 || e.key == 41) narrower = 30;
        if (variant == 1 &&
            ((e.key >= 30 && e.key <= 34) || e.key == 15 || e.key == 39 || e.key == 98)) {
          continue;
        }
      }
    }
    CentredLabel(p, e.rect, text, colour, narrower);
  }
  return canvas;
}

QImage PreviewDialog(const Skin& skin, const QString& prefix, Language lang) {
  const ImageSet& set = *FindSet(skin, prefix);
  QImage canvas = RenderState(set, State::kNormal);
  const QImage over = RenderState(set, State::kOver);
  QPainter p(&canvas);
  p.setFont(LabelFont(13));
  if (prefix.startsWith("warning")) {
    Copy(p, over, set.entries.front().rect);
    const QString message = lang == Language::kEnglish
                                ? QStringLiteral("Please reduce the number of macros ")
                                : QStringLiteral("请减少宏的数量");
    CentredLabel(p, QRect(80, 18, 196, 38), message, color::kText);
  }
  if (prefix == "gun") {
    const Entry* pic = FindEntry(set, 4);
    p.drawImage(pic->rect.topLeft(), RenderRapidFirePicture(3, pic->rect.size()));
    Copy(p, RenderState(set, State::kDown), FindEntry(set, 8)->rect);
  }
  const QColor gun_name(7, 188, 255);
  for (const Entry& e : set.entries) {
    if (e.look == Look::kChild) continue;
    if (prefix == "keyset" && e.key == 0) {
      CentredLabel(p, e.rect, QStringLiteral("L-Ctrl"), kRed);
      continue;
    }
    if (prefix == "gun" && e.key == 5) {
      CentredLabel(p, e.rect, QStringLiteral("Burst 3"), gun_name);
      continue;
    }
    CentredLabel(p, e.rect, Text(e, lang), color::kText);
  }
  return canvas;
}

QImage PreviewMenu(const Skin& skin, const QString& prefix, const QStringList& rows, int width) {
  const ImageSet& set = *FindSet(skin, prefix);
  QImage canvas = RenderState(set, State::kNormal);
  const QImage over = RenderState(set, State::kOver);
  QPainter p(&canvas);
  p.setFont(LabelFont(13));
  const int row_height = set.entries.front().rect.height();
  Copy(p, over, QRect(0, row_height, width, row_height));
  for (int i = 0; i < rows.size(); ++i) {
    CentredLabel(p, QRect(0, i * row_height, width, row_height), rows[i], color::kText);
  }
  p.end();
  return canvas.copy(0, 0, width, std::max(1, static_cast<int>(rows.size())) * row_height);
}

// Labels wider than their entry at the font sizes of 100 % and of the larger display scales.
void ReportFit(const Skin& skin) {
  for (int px : {13, 15}) {
    const QFontMetrics fm(LabelFont(px));
    for (const SkinFile& file : skin.files) {
      for (const Table& table : file.tables) {
        if (table.section != QLatin1String("BUTTONPOS")) continue;
        for (const Entry& e : table.entries) {
          for (Language lang : {Language::kEnglish, Language::kChinese}) {
            const QString& t = Text(e, lang);
            if (t.isEmpty()) continue;
            if (fm.horizontalAdvance(t) > e.rect.width() - 8 || fm.height() > e.rect.height()) {
              std::printf("fit %dpx: %s key %d \"%s\" is %d wide in %d\n", px,
                          qPrintable(file.english), e.key, qPrintable(t), fm.horizontalAdvance(t),
                          e.rect.width());
            }
          }
        }
      }
    }
  }
}

// The list icons at their size and four times larger on black, and the application icons.
QImage IconSheet() {
  QImage sheet(620, 300, QImage::Format_RGB32);
  sheet.fill(Qt::black);
  QPainter p(&sheet);
  const int ids[] = {169, 170, 171, 172, 173, 174, 175, 178, 182};
  for (int i = 0; i < 9; ++i) {
    const QImage icon = ListIcon(ids[i]);
    p.drawImage(10 + i * 66, 10, icon);
    p.drawImage(QRect(10 + i * 66, 34, 64, 64), icon);
  }
  int x = 10;
  for (int side : {16, 32, 48, 64, 128}) {
    p.drawImage(x, 120, AppIcon(side));
    x += side + 20;
  }
  return sheet;
}

}  // namespace

bool WritePreviews(const Skin& skin, const QDir& dir) {
  dir.mkpath(QStringLiteral("."));
  ReportFit(skin);
  if (!SaveImage(IconSheet(), dir.filePath(QStringLiteral("icons.png")))) return false;
  for (Language lang : {Language::kEnglish, Language::kChinese}) {
    const QString suffix = lang == Language::kEnglish ? "en" : "cn";
    auto save = [&](const QImage& image, const QString& name) {
      return SaveImage(image, dir.filePath(name + "_" + suffix + ".png"));
    };
    bool ok = save(PreviewPage(skin, "main", lang, 0), "page_main") &&
              save(PreviewPage(skin, "advanced", lang, 0), "page_advanced") &&
              save(PreviewPage(skin, "mac", lang, 0), "page_macro") &&
              save(PreviewPage(skin, "led", lang, 0), "page_lighting") &&
              save(PreviewPage(skin, "led", lang, 1), "page_lighting_static") &&
              save(PreviewDialog(skin, "warning", lang), "dialog_warning") &&
              save(PreviewDialog(skin, "warning2", lang), "dialog_question") &&
              save(PreviewDialog(skin, "keyset", lang), "dialog_keyset") &&
              save(PreviewDialog(skin, "gun", lang), "dialog_gun");
    if (!ok) return false;
    QStringList functions;
    for (int i = 1; i <= 6; ++i)
      functions << FunctionName(i, lang);
    functions << "Double Click"
              << "Rapid Fire"
              << "Led Loop"
              << "DPI +"
              << "DPI -"
              << "Media"
              << "Macro"
              << "Shortcut"
              << "Profile";
    QStringList profiles, media;
    for (int i = 19; i <= 22; ++i)
      profiles << FunctionName(i, lang);
    for (int i = 23; i <= 32; ++i)
      media << FunctionName(i, lang);
    QStringList modes =
        lang == Language::kEnglish
            ? QStringList{"Breathing", "Static",       "Tail",    "Space",  "Star",
                          "Neon",      "Rainbow Wave", "Flicker", "Galaxy", "Flow",
                          "Random",    "Response",     "LED Off"}
            : QStringList{"循环呼吸", "常亮",     "行云流水", "单灯流水", "彗星扫尾",
                          "霓虹",     "流光溢彩", "闪烁",     "星际迷航", "水波纹",
                          "眉飞色舞", "按键响应", "静音"};
    ok = save(PreviewMenu(skin, "menu1", functions, 200), "menu_function") &&
         save(PreviewMenu(skin, "menu", profiles, 144), "menu_profile") &&
         save(PreviewMenu(skin, "menu", modes, 144), "menu_lighting_mode") &&
         save(PreviewMenu(skin, "menu", media, 180), "menu_media") &&
         save(PreviewMenu(skin, "Macro_menu", {"Office", "Games"}, 180), "menu_macro_groups") &&
         save(PreviewMenu(skin, "MacMenu/MacG",
                          {"New macro group", "Rename", "Import macro group", "Export macro group",
                           "Reset all macro  groups", "Delete macro group"},
                          180),
              "menu_group") &&
         save(PreviewMenu(skin, "MacMenu/MacR", {"Rename", "Delete option"}, 140), "menu_macro") &&
         save(PreviewMenu(skin, "MacMenu/Insert",
                          {"Insert Previous", "Insert After", "Insert Delay"}, 150),
              "menu_insert") &&
         save(PreviewMenu(skin, "MacMenu/Insert2th",
                          {"Left     Click ↓", "Left     Click ↑", "Middle Click  ↓",
                           "Middle Click  ↑", "Right   Click ↓", "Right   Click ↑"},
                          150),
              "menu_insert_buttons");
    if (!ok) return false;
  }
  return true;
}

}  // namespace skingen
