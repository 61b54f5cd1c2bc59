#include "support/xvfb.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace devero::testing {

Xvfb::Xvfb() {
  int fds[2];
  if (::pipe(fds) != 0) return;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    // -noreset: the server would otherwise drop every setting when its last client leaves.
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", "-noreset", "-screen",
             "0", "1024x768x24", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  if (pid < 0) {
    ::close(fds[0]);
    return;
  }
  pid_ = pid;
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  char c;
  while (::poll(&p, 1, 10000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
    number += c;
  ::close(fds[0]);
  if (!number.empty()) display_ = ":" + number;
}

Xvfb::~Xvfb() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  int status = 0;
  ::waitpid(pid_, &status, 0);
}

}  // namespace devero::testing
