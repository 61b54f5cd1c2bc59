#include "ui/menu_test_bed.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "macro/macro_file.h"
#include "platform/text/utf.h"
#include "ui/label_font.h"

namespace devero::testing {
namespace {

namespace fs = std::filesystem;

void SaveFlat(const fs::path& file, QSize size, QColor color) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(color);
  fs::create_directories(file.parent_path());
  // PNG keeps the flat colours exact; the reader does not care about the name's extension.
  image.save(QString::fromStdString(file.string()), "PNG");
}

void SaveSet(const fs::path& skins, const std::string& prefix, QSize size, bool mask) {
  SaveFlat(skins / (prefix + "_normal.jpg"), size, MenuTestBed::kNormal);
  SaveFlat(skins / (prefix + "_over.jpg"), size, MenuTestBed::kOver);
  SaveFlat(skins / (prefix + "_down.jpg"), size, MenuTestBed::kDown);
  if (mask) SaveFlat(skins / (prefix + "_mask.jpg"), size, Qt::black);
}

std::string GunFile(bool english) {
  auto entry = [](int key, int x, int y, int w, int h, const std::string& label) {
    return std::to_string(key) + "=n," + std::to_string(x) + "," + std::to_string(y) + "," +
           std::to_string(w) + "," + std::to_string(h) + "," + label + ",\n";
  };
  std::string s = "[BUTTONPOS]\n";
  s += entry(0, 270, 0, 30, 20, "x");
  s += entry(1, 150, 170, 60, 20, english ? "Cancel" : "\xe5\x8f\x96\xe6\xb6\x88");
  s += entry(2, 220, 170, 60, 20, english ? "Save" : "\xe4\xbf\x9d\xe5\xad\x98");
  s += entry(4, 10, 30, 100, 80, "");
  s += entry(5, 120, 30, 120, 20, "");
  s += entry(6, 240, 30, 20, 20, "");
  s += entry(8, 120, 60, 120, 20, "Count");
  s += entry(9, 120, 85, 120, 20, "Held");
  s += "[EDIT]\n";
  s += entry(0, 200, 140, 60, 20, "");  // distance
  s += entry(1, 200, 115, 60, 20, "");  // count
  s += entry(2, 130, 140, 60, 20, "");  // delay
  return s;
}

QMouseEvent MouseEvent(QEvent::Type type, QWidget* widget, QPoint pos, Qt::MouseButton button,
                       Qt::MouseButtons buttons) {
  return QMouseEvent(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons,
                     Qt::NoModifier);
}

}  // namespace

MenuTestBed::MenuTestBed(int language_is_english)
    : languageIsEnglish(language_is_english),
      skins_(dir.path() / "skins"),
      paths_(dir.path(), language_is_english) {
  SaveSet(skins_, "menu", {180, 360}, true);
  SaveSet(skins_, "menu1", {200, 360}, true);
  SaveSet(skins_, "more", {180, 360}, true);
  SaveSet(skins_, "Macro_menu", {180, 360}, false);
  SaveSet(skins_, "MacMenu/MacG", {180, 300}, true);
  SaveSet(skins_, "MacMenu/MacR", {140, 40}, true);
  SaveSet(skins_, "MacMenu/Insert", {150, 60}, true);
  SaveSet(skins_, "MacMenu/Insert2th", {150, 120}, true);
  SaveSet(skins_, "gun", {300, 200}, true);
  SaveFlat(skins_ / "Gun" / "1.jpg", {300, 300}, kPicture);
  SaveFlat(skins_ / "Gun" / "2.jpg", {300, 300}, Qt::yellow);
  WriteFile(skins_ / "INI_EN" / "skin_gun_en.ini", GunFile(true));
  WriteFile(skins_ / "INI_CN" / "skin_gun.ini", GunFile(false));
  images = std::make_unique<ui::SkinImages>(skins_);

  for (int f = 1; f < ui::kFunctionNameCount; ++f) {
    const std::u16string number = Utf8ToUtf16(std::to_string(f));
    skin.functionNames[static_cast<size_t>(f)] =
        (language_is_english ? u"F" : u"\u529F\u80FD") + number;
  }

  // Three groups with 1, 2 and 3 macros named G<g>M<m>.
  fs::create_directories(paths_.MacroDirectory());
  MacroLibraryState& state = headless.state;
  state.groupCount = 3;
  for (int g = 0; g < 3; ++g) {
    state.groupNames[static_cast<size_t>(g)] = Utf8ToUtf16("Group" + std::to_string(g + 1));
  }
  headless.library.WriteGroupIndex();
  for (int g = 0; g < 3; ++g) {
    MacroTable& table = headless.macros->macroTable;
    table.ClearAllSlots();
    table.macroCount = static_cast<int16_t>(g + 1);
    for (int m = 0; m <= g; ++m) {
      SetMacroName(table.slots[static_cast<size_t>(m)],
                   Utf8ToUtf16("G" + std::to_string(g + 1) + "M" + std::to_string(m + 1)));
    }
    WriteMacroFile(*headless.library.GroupFilePath(g), *headless.macros);
  }
  headless.library.LoadLibrary();

  product.keyNum = 5;
  for (int b = 0; b < 5; ++b)
    settings.buttonFunction[0][static_cast<size_t>(b)] = b + 1;
}

ui::MenuContext MenuTestBed::Context() {
  return ui::MenuContext{*images,
                         skin,
                         settings,
                         product,
                         headless.library,
                         *headless.macros,
                         [this] { return languageIsEnglish; },
                         [] { return ui::LabelFont(96); },
                         host};
}

void SendMove(QWidget* widget, QPoint pos) {
  QMouseEvent e = MouseEvent(QEvent::MouseMove, widget, pos, Qt::NoButton, Qt::NoButton);
  QCoreApplication::sendEvent(widget, &e);
}

void SendPress(QWidget* widget, QPoint pos) {
  QMouseEvent e = MouseEvent(QEvent::MouseButtonPress, widget, pos, Qt::LeftButton, Qt::LeftButton);
  QCoreApplication::sendEvent(widget, &e);
}

void SendRelease(QWidget* widget, QPoint pos) {
  QMouseEvent e = MouseEvent(QEvent::MouseButtonRelease, widget, pos, Qt::LeftButton, Qt::NoButton);
  QCoreApplication::sendEvent(widget, &e);
}

void SendClick(QWidget* widget, QPoint pos) {
  SendMove(widget, pos);
  SendPress(widget, pos);
  SendRelease(widget, pos);
}

void FlushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace devero::testing
