// A small window that grabs the keyboard, for the real-window grab tests.
//   keyboard_grab_helper hold   prints "grab 1" or "grab 0", then "<message> <vk>" per key,
//                               until it is killed
//   keyboard_grab_helper probe  prints "grab 1" or "grab 0" and ends
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>

#include "ui/x11_keyboard_grab.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
