// devero: the Devero window.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/devero_app.h"
#include "app/single_instance.h"

int main(int argc, char** argv) {
  using namespace devero;
  const std::vector<std::string> args(argv, argv + argc);
  const ParsedCommandLine parsed = ParseWindowCommandLine(args, std::getenv("DEVERO_SIMULATE"));
  if (!parsed.options) {
    (parsed.exit_code == 0 ? std::cout : std::cerr) << parsed.output;
    return parsed.exit_code;
  }
  // The skinned window places its menus and grabs the keyboard: X11 (XWayland on a Wayland
  // desktop) unless the user chose a platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication qt(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  DeveroApp app(*parsed.options, std::cerr);
  SingleInstance instance;
  if (!instance.Claim([&app] { app.ShowAndRestore(); })) return 0;
  if (!app.Initialise()) return app.exitCode();
  const int code = QApplication::exec();
  return code;
}
