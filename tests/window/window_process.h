#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace devero::testing {

// The devero program running under a test's X server, its stderr kept in a file.
class WindowProcess {
 public:
  WindowProcess(const std::string& program, const std::vector<std::string>& args,
                const std::filesystem::path& stderr_file);
  ~WindowProcess();  // kills a program still running
  WindowProcess(const WindowProcess&) = delete;
  WindowProcess& operator=(const WindowProcess&) = delete;

  // The exit status, or -1 when the program did not end within the time (or died by a signal).
  int Wait(int timeout_ms);
  void Signal(int signal);
  bool Running();
  std::string Stderr() const;

 private:
  pid_t pid_ = -1;
  std::filesystem::path stderr_file_;
  int status_ = -1;
};

// xdotool and xprop on the display in $DISPLAY.
std::vector<std::string> FindWindows(const std::string& title);
// Waits until a window with exactly this title exists; its id, or empty.
std::string WaitForWindow(const std::string& title, int timeout_ms);
bool WaitUntilNoWindow(const std::string& title, int timeout_ms);
// A left click at (x, y) of the window's client area.
void ClickIn(const std::string& window, int x, int y);
void MoveIn(const std::string& window, int x, int y);
// A key (xdotool's name for it) sent to the window.
void PressKey(const std::string& window, const std::string& key);
// The window holding the keyboard focus; empty for none or the root.
std::string FocusedWindow();
std::string WindowProperty(const std::string& window, const std::string& property);

}  // namespace devero::testing
