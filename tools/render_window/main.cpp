// render_window: paints the main window's pages from a skin and a product file into PNG files,
// for looking at the skin without a display. Usage: render_window MODULE_DIR OUT_DIR
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <iostream>
#include <string>

#include "app/runtime_paths.h"
#include "app/startup_reads.h"
#include "macro/headless_macro_library.h"
#include "platform/user/silent_warnings.h"
#include "ui/label_font.h"
#include "ui/main_window_paint.h"
#include "ui/skin_images.h"
#include "ui/skin_tables.h"
#include "ui/warning_dialog.h"

namespace {

using namespace devero;

class Quiet : public ui::SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path& f) override {
    std::cerr << "missing " << f << '\n';
    return false;
  }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

void Save(const QImage& image, const std::filesystem::path& file) {
  if (!image.save(QString::fromStdString(file.string())))
    std::cerr << "cannot write " << file << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: render_window MODULE_DIR OUT_DIR\n";
    return 64;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const std::filesystem::path out = argv[2];
  std::filesystem::create_directories(out);
  RuntimePaths paths(argv[1]);
  ProductDescription product;
  ProfileSettings settings;
  SilentWarnings warnings;
  RunStartupReads(paths, product, settings, warnings);
  HeadlessMacroLibrary macros(paths, warnings);
  macros.library.LoadLibrary();
  ui::SkinImages images(paths.SkinDirectory());
  const QFont font = ui::LabelFont(96);
  for (int english : {1, 0}) {
    Quiet report;
    ui::MainWindowSkin skin;
    if (!ui::LoadMainWindowSkin(paths.SkinDirectory(), english, report, skin)) return 1;
    const QImage& mask = images.Get("\\main_mask.jpg");
    const QSize size = mask.isNull() ? QSize(1000, 660) : mask.size();
    auto render = [&](const ui::MainViewState& view, const std::string& name) {
      QImage image(size, QImage::Format_RGB32);
      image.fill(Qt::black);
      QPainter p(&image);
      ui::PaintMainWindow(p, images, {skin, settings, product, macros.state, view, font});
      p.end();
      Save(image, out / (name + (english ? "_en" : "_cn") + ".png"));
    };
    for (uint8_t page = 0; page < 4; ++page) {
      ui::MainViewState view;
      view.page = page;
      view.languageIsEnglish = english;
      render(view, std::string("page") + std::to_string(page));
    }
    ui::MainViewState busy;
    busy.languageIsEnglish = english;
    busy.applyProgress = 420;
    busy.applyLabel = english ? u"Applying 42 %" : u"\u6B63\u5728\u5E94\u7528 42 %";
    busy.hoverMain = 22;
    render(busy, "applying");
    for (int form : {1, 2}) {
      ui::WarningDlg dialog(
          images, skin.warning,
          english
              ? QStringLiteral("The mouse was found but /dev/hidraw3 cannot be opened: permission "
                               "denied. Install the udev rule and plug the mouse in again.")
              : QStringLiteral("It is a macro group.\n Are you sure to delete it?"),
          static_cast<ui::WarningDlg::Form>(form), QPoint(), font, nullptr);
      QImage image(dialog.size(), QImage::Format_RGB32);
      image.fill(Qt::black);
      QPainter p(&image);
      dialog.Render(p);
      p.end();
      Save(image, out / ("warning" + std::to_string(form) + (english ? "_en" : "_cn") + ".png"));
    }
  }
  return 0;
}
