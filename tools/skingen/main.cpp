// skingen OUT_DIR: writes the skin (pictures, skin description files, icons) into OUT_DIR.
// skingen --preview OUT_DIR: writes labelled previews of every window into OUT_DIR.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "icons.h"
#include "layout.h"
#include "preview.h"
#include "skin_files.h"
#include "windows.h"

int main(int argc, char** argv) {
  // --buttons N: the main page shows rows for the product's N buttons (default 9).
  int buttons = skingen::kMaxButtons;
  if (argc >= 3 && std::strcmp(argv[1], "--buttons") == 0) {
    buttons = std::atoi(argv[2]);
    if (buttons < 1 || buttons > skingen::kMaxButtons) {
      std::fprintf(stderr, "skingen: --buttons takes 1 to 9\n");
      return 64;
    }
    argv += 2;
    argc -= 2;
  }
  const bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
  if (!(argc == 2 || preview) || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: skingen [--buttons N] OUT_DIR | skingen [--buttons N] --preview OUT_DIR\n");
    return 64;
  }
  // Fonts and painting need a platform; a build machine has no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
  if (!QDir().mkpath(out.absolutePath())) {
    std::fprintf(stderr, "skingen: cannot create %s\n", argv[argc - 1]);
    return 1;
  }
  const skingen::Skin skin = skingen::BuildSkin(buttons);
  if (preview) return skingen::WritePreviews(skin, out) ? 0 : 1;
  const bool ok = skingen::WritePictures(skin, out) && skingen::WriteSkinFiles(skin, out) &&
                  skingen::WriteIcons(out);
  return ok ? 0 : 1;
}
