#include "window/window_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace devero::testing {
namespace {

constexpr char kXdotool[] = "/usr/bin/xdotool";

void Pause(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

WindowProcess::WindowProcess(const std::string& program, const std::vector<std::string>& args,
                             const std::filesystem::path& stderr_file)
    : stderr_file_(stderr_file) {
  pid_ = ::fork();
  if (pid_ == 0) {
    const int fd = ::open(stderr_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0) {
      ::dup2(fd, 2);
      ::dup2(fd, 1);
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args)
      argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
}

WindowProcess::~WindowProcess() {
  if (Running()) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
}

bool WindowProcess::Running() {
  if (pid_ <= 0 || status_ != -1) return false;
  int status = 0;
  if (::waitpid(pid_, &status, WNOHANG) == pid_) {
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
  }
  return true;
}

int WindowProcess::Wait(int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 20) {
    if (!Running()) return status_ >= 128 ? -1 : status_;
    Pause(20);
  }
  return Running() ? -1 : (status_ >= 128 ? -1 : status_);
}

void WindowProcess::Signal(int signal) {
  if (Running()) ::kill(pid_, signal);
}

std::string WindowProcess::Stderr() const {
  return ReadFile(stderr_file_);
}

std::vector<std::string> FindWindows(const std::string& title) {
  const CommandResult r = RunCommand(kXdotool, {"search", "--name", "^" + title + "$"});
  std::vector<std::string> ids;
  std::string line;
  for (char c : r.out) {
    if (c == '\n') {
      if (!line.empty()) ids.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.empty()) ids.push_back(line);
  return ids;
}

std::string WaitForWindow(const std::string& title, int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 50) {
    for (const std::string& id : FindWindows(title)) {
      // Qt keeps unmapped helper windows; the one shown is viewable.
      const CommandResult info = RunCommand("/usr/bin/xwininfo", {"-id", id});
      if (info.out.find("IsViewable") != std::string::npos) return id;
    }
    Pause(50);
  }
  return {};
}

bool WaitUntilNoWindow(const std::string& title, int timeout_ms) {
  for (int waited = 0; waited < timeout_ms; waited += 50) {
    if (FindWindows(title).empty()) return true;
    Pause(50);
  }
  return false;
}

void MoveIn(const std::string& window, int x, int y) {
  RunCommand(kXdotool, {"mousemove", "--window", window, std::to_string(x), std::to_string(y)});
  Pause(100);
}

void ClickIn(const std::string& window, int x, int y) {
  MoveIn(window, x, y);
  RunCommand(kXdotool, {"click", "1"});
  Pause(100);
}

void PressKey(const std::string& window, const std::string& key) {
  RunCommand(kXdotool, {"windowfocus", "--sync", window});
  RunCommand(kXdotool, {"key", key});
  Pause(100);
}

std::string FocusedWindow() {
  std::string id = RunCommand(kXdotool, {"getwindowfocus"}).out;
  while (!id.empty() && (id.back() == '\n' || id.back() == ' '))
    id.pop_back();
  return id;
}

std::string WindowProperty(const std::string& window, const std::string& property) {
  return RunCommand("/usr/bin/xprop", {"-id", window, property}).out;
}

}  // namespace devero::testing
