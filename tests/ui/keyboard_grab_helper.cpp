// A small window that grabs the keyboard, for the real-window grab tests.
//   keyboard_grab_helper hold   prints "grab 1" or "grab 0", then "<message> <vk>" per key,
//                               until it is killed
//   keyboard_grab_helper probe  prints "grab 1" or "grab 0" and ends
//   keyboard_grab_helper dialog SKIN_DIR
//                               runs the key-capture dialog at (0, 0): prints "grab 1" and
//                               "ok X Y" (the OK entry's centre) once it holds the keyboard,
//                               "key N" when OK hands on device key N, "closed" at its end
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "ui/key_capture_dialog.h"
#include "ui/x11_keyboard_grab.h"

namespace {

int RunDialog(const char* skin_dir) {
  devero::ui::SkinImages images(skin_dir);
  devero::ui::CDialogGetKey dialog(images, 1, QStringLiteral("Devero"), u"A", QFont(), nullptr);
  dialog.move(0, 0);
  dialog.on_ok = [](uint8_t key) {
    std::printf("key %d\n", key);
    std::fflush(stdout);
  };
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!dialog.grab().grabbed()) return;
    poll.stop();
    const auto& ok = dialog.entries()[devero::ui::CDialogGetKey::kOk];
    std::printf("grab 1\nok %d %d\n", ok.x + ok.width / 2, ok.y + ok.height / 2);
    std::fflush(stdout);
  });
  poll.start(20);
  dialog.Run();
  std::printf("closed\n");
  std::fflush(stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc > 2 && std::strcmp(argv[1], "dialog") == 0) return RunDialog(argv[2]);
  const bool hold = argc > 1 && std::strcmp(argv[1], "hold") == 0;
  QWidget window;
  window.setWindowTitle(QStringLiteral("grab helper"));
  window.resize(200, 100);
  devero::ui::X11KeyboardGrab grab(&window, [](int message, uint8_t vk) {
    std::printf("%d %d\n", message, vk);
    std::fflush(stdout);
  });
  window.show();
  QTimer poll;
  int tries = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    ++tries;
    if (!window.windowHandle()->isExposed() && tries < 100) return;
    poll.stop();
    const bool granted = grab.Install();
    std::printf("grab %d\n", granted ? 1 : 0);
    std::fflush(stdout);
    if (!hold) QTimer::singleShot(0, &app, &QApplication::quit);
  });
  poll.start(20);
  return app.exec();
}
