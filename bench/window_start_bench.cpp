// Cold start of `devero --simulate` to its first painted window under a private X server, and
// the resident memory at that moment. Prints the figures of 20 starts.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/xvfb.h"

namespace {

long RssKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main() {
  using namespace devero::testing;
  Xvfb xvfb;
  if (!xvfb.running()) {
    std::fprintf(stderr, "no X server\n");
    return 1;
  }
  TempDir dir;
  CopyTree(std::string(DEVERO_BUILD_BIN_DIR) + "/skins", dir / "skins");
  InstallFactoryData(dir.path());
  std::filesystem::create_directories(dir / "run");
  ::setenv("DISPLAY", xvfb.display().c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  ::setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
  ::setenv("DEVERO_REPORT_TIMING", "1", 1);
  std::vector<double> ms;
  std::vector<long> rss;
  for (int run = 0; run < 20; ++run) {
    int fds[2];
    if (::pipe(fds) != 0) return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::dup2(fds[1], 2);
      ::close(fds[0]);
      ::execl(DEVERO_WINDOW, DEVERO_WINDOW, "--root", dir.path().c_str(), "--simulate",
              static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(fds[1]);
    std::string err;
    pollfd p{fds[0], POLLIN, 0};
    while (err.find("devero: paint") == std::string::npos && ::poll(&p, 1, 10000) > 0) {
      char buf[512];
      const ssize_t n = ::read(fds[0], buf, sizeof buf);
      if (n <= 0) break;
      err.append(buf, static_cast<size_t>(n));
    }
    const auto painted = std::chrono::steady_clock::now();
    if (err.find("devero: paint") == std::string::npos) {
      std::fprintf(stderr, "no first paint: %s\n", err.c_str());
      ::kill(pid, SIGKILL);
      return 1;
    }
    ms.push_back(std::chrono::duration<double, std::milli>(painted - start).count());
    rss.push_back(RssKb(pid));
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
  }
  std::sort(ms.begin(), ms.end());
  std::sort(rss.begin(), rss.end());
  std::printf("cold start to first paint: median %.0f ms, p95 %.0f ms, max %.0f ms (20 starts)\n",
              ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
  std::printf("resident memory at first paint: median %.1f MB, max %.1f MB\n",
              static_cast<double>(rss[rss.size() / 2]) / 1024.0,
              static_cast<double>(rss.back()) / 1024.0);
  return 0;
}
