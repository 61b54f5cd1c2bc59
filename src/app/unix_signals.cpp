#include "app/unix_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace devero {
namespace {

int g_signal_fds[2] = {-1, -1};

void OnSignal(int) {
  const char c = 1;
  [[maybe_unused]] const ssize_t n = ::write(g_signal_fds[0], &c, 1);
}

}  // namespace

UnixSignals::UnixSignals(std::function<void()> on_signal) : on_signal_(std::move(on_signal)) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signal_fds) != 0)
    return;
  notifier_ = std::make_unique<QSocketNotifier>(g_signal_fds[1], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char buffer[16];
    while (::read(g_signal_fds[1], buffer, sizeof buffer) > 0) {
    }
    if (on_signal_) on_signal_();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGINT, &action, nullptr);
}

UnixSignals::~UnixSignals() {
  ::signal(SIGTERM, SIG_DFL);
  ::signal(SIGINT, SIG_DFL);
  notifier_.reset();
  for (int& fd : g_signal_fds) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

}  // namespace devero
