#include "ui/fixture_skin.h"

#include <QPainter>

#include "support/temp_dir.h"

namespace devero::testing {
namespace {

void SaveFlat(const std::filesystem::path& file, QColor color) {
  QImage image(FixtureSkin::kWidth, FixtureSkin::kHeight, QImage::Format_RGB32);
  image.fill(color);
  std::filesystem::create_directories(file.parent_path());
  // PNG keeps the flat colours exact; the reader does not care about the name's extension.
  image.save(QString::fromStdString(file.string()), "PNG");
}

// Entries as "key=name,x,y,w,h,label,".
std::string Entry(int key, int x, int y, int w, int h, const std::string& label) {
  return std::to_string(key) + "=n," + std::to_string(x) + "," + std::to_string(y) + "," +
         std::to_string(w) + "," + std::to_string(h) + "," + label + ",\n";
}

void WriteFiles(const std::filesystem::path& skins, const char* folder, const char* suffix,
                bool english) {
  auto path = [&](const char* base) {
    return skins / folder / (std::string(base) + suffix + ".ini");
  };
  std::string main = "[BUTTONPOS]\n";
  // Header: minimise, close, tray, apply, languages, four tabs, profile menu.
  for (int i = 0; i <= 10; ++i)
    main += Entry(i, 10 + 36 * i, 4, 32, 20, english ? "H" : "\xe5\xa4\xb4");
  // Function fields 20.. and names 35.. of up to nine buttons.
  for (int b = 0; b < 9; ++b) {
    main += Entry(20 + b, 100, 40 + 24 * b, 200, 20, "");
    main += Entry(35 + b, 10, 40 + 24 * b, 80, 20, english ? "Btn" : "\xe9\x94\xae");
  }
  main += "[FUN_STRING]\n";
  for (int f = 1; f <= 47; ++f)
    main += std::to_string(f) + "=" + (english ? "Function number " : "\xe5\x8a\x9f\xe8\x83\xbd") +
            std::to_string(f) + ",,,,,,\n";
  main += "[EDIT]\n" + Entry(0, 300, 250, 40, 20, "");
  WriteFile(path("skin_main"), main);

  std::string advanced = "[BUTTONPOS]\n";
  advanced += Entry(1, 20, 40, 110, 20, "");    // pointer speed slider
  advanced += Entry(2, 140, 40, 40, 20, "");    // its value
  advanced += Entry(18, 20, 70, 110, 20, "");   // wheel slider
  advanced += Entry(31, 20, 100, 300, 20, "");  // rapid-fire slider
  for (int k = 0; k < 6; ++k) {
    advanced += Entry(47 + k, 20 + 50 * k, 140, 20, 20, "");
    advanced += Entry(60 + k, 20 + 50 * k, 170, 40, 20, "");
    advanced += Entry(70 + k, 20 + 50 * k, 195, 40, 16, "");
    advanced += Entry(77 + k, 45 + 50 * k, 140, 20, 20, "");
  }
  advanced += Entry(66, 20, 215, 40, 30, "");  // DPI slider: full width 303
  for (int r = 0; r < 4; ++r)
    advanced += Entry(34 + r, 20 + 40 * r, 260, 30, 16, "");
  WriteFile(path("skin_advance"), advanced);

  std::string lighting = "[BUTTONPOS]\n";
  for (int s = 0; s < 7; ++s) {
    lighting += Entry(s, 20 + 30 * s, 40, 24, 20, "");
    lighting += Entry(7 + s, 20 + 30 * s, 70, 24, 20, "");
  }
  lighting += Entry(14, 250, 40, 20, 20, "");
  lighting += Entry(15, 250, 70, 60, 20, "Colours");
  lighting += Entry(35, 20, 100, 120, 20, "");
  lighting += Entry(40, 20, 130, 140, 20, "");
  lighting += Entry(41, 20, 160, 120, 20, "");
  lighting += Entry(45, 200, 130, 30, 20, "");
  for (int d = 0; d < 4; ++d)
    lighting += Entry(47 + d, 200 + 40 * d, 160, 30, 20, "");
  for (int a = 71; a <= 75; ++a)
    lighting += Entry(a, 20 + 60 * (a - 71), 220, 50, 30, "");
  WriteFile(path("skin_color"), lighting);

  std::string macro = "[BUTTONPOS]\n";
  for (int m : {4, 5, 6, 7, 8, 13, 14, 15, 16, 17})
    macro += Entry(m, 20 + 18 * m, 260, 16, 16, "");
  macro += "[EDIT]\n" + Entry(2, 300, 40, 60, 20, "");
  macro += "[MACRODISPLAY]\n" + Entry(1, 20, 40, 120, 200, "") + Entry(2, 150, 40, 120, 200, "") +
           Entry(3, 280, 80, 100, 100, "");
  WriteFile(path("skin_mac"), macro);
  WriteFile(path("LBWarning"),
            "[BUTTONPOS]\n" + Entry(0, 0, 0, 0, 0, english ? "OK" : "\xe7\xa1\xae\xe5\xae\x9a") +
                Entry(1, 0, 0, 0, 0, "") + Entry(2, 0, 0, 0, 0, ""));
}

}  // namespace

void FixtureSkin::Write(const std::filesystem::path& root) {
  const std::filesystem::path skins = root / "skins";
  for (const char* page : {"main", "advanced", "mac", "led"}) {
    SaveFlat(skins / (std::string(page) + "_normal.jpg"), kNormal);
    SaveFlat(skins / (std::string(page) + "_over.jpg"), kOver);
    SaveFlat(skins / (std::string(page) + "_down.jpg"), kDown);
  }
  SaveFlat(skins / "led_null.jpg", kNull);
  QImage mask(kWidth, kHeight, QImage::Format_RGB32);
  mask.fill(Qt::black);
  // The top-right corner lies outside the window.
  QPainter(&mask).fillRect(kWidth - 20, 0, 20, 20, Qt::white);
  mask.save(QString::fromStdString((skins / "main_mask.jpg").string()), "PNG");
  QImage knob(10, 10, QImage::Format_ARGB32);
  knob.fill(QColor(255, 255, 255, 128));
  knob.save(QString::fromStdString((skins / "moveRect.png").string()), "PNG");
  WriteFiles(skins, "INI_EN", "_en", true);
  WriteFiles(skins, "INI_CN", "", false);
}

}  // namespace devero::testing
