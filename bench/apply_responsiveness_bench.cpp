// How the window answers while Apply downloads: every button of every profile plays a group
// macro, the pointer sweeps over two controls so that every move changes the hover, and the
// longest gap between two paints while the download runs is reported (5 downloads).
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/ini/ini_file.h"
#include "platform/text/utf.h"
#include "support/run_command.h"
#include "support/temp_dir.h"
#include "support/xvfb.h"

namespace {

using namespace devero;

struct Timeline {
  std::vector<double> paints;
  std::vector<double> ticks;
  double start = -1;
  double done = -1;
};

Timeline Parse(const std::string& log) {
  Timeline t;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    double ms = 0;
    if (std::sscanf(line.c_str(), "devero: paint %lf", &ms) == 1) t.paints.push_back(ms);
    if (std::sscanf(line.c_str(), "devero: tick %lf", &ms) == 1) t.ticks.push_back(ms);
    if (std::sscanf(line.c_str(), "devero: download start %lf", &ms) == 1 && t.start < 0)
      t.start = ms;
    if (std::sscanf(line.c_str(), "devero: download done %lf", &ms) == 1 && t.done < 0) t.done = ms;
  }
  return t;
}

void Xdotool(const std::vector<std::string>& args) {
  testing::RunCommand("/usr/bin/xdotool", args);
}

}  // namespace

int main() {
  testing::Xvfb xvfb;
  if (!xvfb.running()) return 1;
  testing::TempDir dir;
  testing::CopyTree(std::string(DEVERO_BUILD_BIN_DIR) + "/skins", dir / "skins");
  testing::InstallFactoryData(dir.path());
  const auto product = dir / "skins/config/config.ini";
  // Every button of every profile plays a macro of the first two groups.
  ini::Update(product, [](ini::IniDocument& d) {
    for (int p = 0; p < 4; ++p)
      for (int k = 1; k < 9; ++k)
        d.Set(U16("Config" + std::to_string(p)), U16("K" + std::to_string(k)),
              ToU16(256 * (1 + k % 2) + k % 3));
    return true;
  });
  std::filesystem::create_directories(dir / "run");
  ::setenv("DISPLAY", xvfb.display().c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  ::setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
  ::setenv("DEVERO_REPORT_TIMING", "1", 1);
  const auto log = dir / "log.txt";
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(fd, 2);
    ::execl(DEVERO_WINDOW, DEVERO_WINDOW, "--root", dir.path().c_str(), "--simulate",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  std::this_thread::sleep_for(std::chrono::seconds(2));
  std::vector<double> gaps;
  std::vector<double> durations;
  std::vector<double> busy;
  for (int round = 0; round < 5; ++round) {
    const size_t before = testing::ReadFile(log).size();
    // Apply (its place in the generated skin), then sweep between two function fields.
    Xdotool({"mousemove", "897", "629", "click", "1"});
    for (int i = 0; i < 400; ++i) {
      Xdotool({"mousemove", i % 2 ? "700" : "700", i % 2 ? "130" : "182"});
      const std::string tail = testing::ReadFile(log).substr(before);
      if (tail.find("download done") != std::string::npos) break;
    }
    const Timeline t = Parse(testing::ReadFile(log).substr(before));
    if (t.start < 0 || t.done < 0) {
      std::fprintf(stderr, "round %d: the download did not finish\n", round);
      continue;
    }
    double last = t.start;
    double gap = 0;
    double gap_at = 0;
    std::vector<double> all;
    for (double p : t.paints) {
      if (p < t.start) continue;
      if (p > t.done) break;
      if (p - last > gap) gap_at = last - t.start;
      gap = std::max(gap, p - last);
      all.push_back(p - last);
      last = p;
    }
    gap = std::max(gap, t.done - last);
    std::sort(all.begin(), all.end());
    if (!all.empty())
      std::printf(
          "round %d: %zu paints, median gap %.1f ms, longest from %.0f ms after the start\n", round,
          all.size(), all[all.size() / 2], gap_at);
    // The window's own heartbeat (every 5 ms) shows how long its thread was ever busy.
    double tick_gap = 0;
    double previous = t.start;
    for (double k : t.ticks) {
      if (k < t.start) continue;
      if (k > t.done) break;
      tick_gap = std::max(tick_gap, k - previous);
      previous = k;
    }
    std::printf("round %d: longest the window's thread was busy: %.1f ms\n", round, tick_gap);
    busy.push_back(tick_gap);
    gaps.push_back(gap);
    durations.push_back(t.done - t.start);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
  }
  ::kill(pid, SIGTERM);
  ::waitpid(pid, nullptr, 0);
  if (gaps.empty()) return 1;
  std::printf("download with a macro on every button: %.0f ms (median of %zu)\n",
              durations[durations.size() / 2], durations.size());
  std::printf("longest gap between two paints during the download: max %.1f ms, per round:",
              *std::max_element(gaps.begin(), gaps.end()));
  for (double g : gaps)
    std::printf(" %.1f", g);
  std::printf("\nlongest the window's thread was busy during a download: %.1f ms\n",
              *std::max_element(busy.begin(), busy.end()));
  return 0;
}
