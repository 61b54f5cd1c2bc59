// skingen OUT_DIR: writes the skin (pictures, skin description files, icons) into OUT_DIR.
// skingen --preview OUT_DIR: writes labelled previews of every window into OUT_DIR.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "icons.h"
#include "layout.h"
#include "preview.h"
#include "skin_files.h"
#include "windows.h"

int main(int argc, char** argv) {
  const bool preview = argc == 3 && std::strcmp(argv[1], "--preview") == 0;
  if (!(argc == 2 || preview) || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(stderr, "usage: skingen OUT_DIR | skingen --preview OUT_DIR\n");
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
  const skingen::Skin skin = skingen::BuildSkin();
  if (preview) return skingen::WritePreviews(skin, out) ? 0 : 1;
  const bool ok = skingen::WritePictures(skin, out) && skingen::WriteSkinFiles(skin, out) &&
                  skingen::WriteIcons(out);
  return ok ? 0 : 1;
}
