// devero: the Devero window.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/devero_app.h"
#include "app/runtime_paths.h"
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

  WindowOptions options = *parsed.options;
  std::error_code ec;
  if (!options.root.empty() && !std::filesystem::is_directory(options.root, ec)) {
    std::cerr << "devero: the root directory " << options.root
              << " does not exist or cannot be read\n";
    return kExitCannotOpen;
  }
  DeveroApp* running = nullptr;
  SingleInstance instance;
  if (!instance.Claim([&running] {
        if (running != nullptr) running->ShowAndRestore();
      })) {
    return kExitOk;
  }
  const DataDirectory data = PrepareDataDirectory(options.root.string());
  if (!data.Ok()) {
    std::cerr << "devero: " << data.error << '\n';
    return kExitCannotCreate;
  }
  options.root = data.module_directory;
  DeveroApp app(options, std::cerr);
  running = &app;
  if (!app.Initialise()) return app.exitCode();
  const int code = QApplication::exec();
  return code;
}
