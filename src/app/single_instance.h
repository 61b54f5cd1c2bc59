#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace devero {

// One running window per user: the first start holds a lock file and listens on a local socket
// in the user's runtime directory; a later start connects, asks the first to show its window,
// and ends.
class SingleInstance : public QObject {
 public:
  ~SingleInstance() override;

  // The socket's path: $XDG_RUNTIME_DIR/devero.sock, or a per-user name in the temp directory.
  static QString SocketPath();

  // True when this process is the first: it now listens and runs `show_request` for every
  // later start. False when another instance answered (and was asked to show itself).
  bool Claim(std::function<void()> show_request);

 private:
  bool AskRunningInstance();

  int lock_fd_ = -1;
  std::unique_ptr<QLocalServer> server_;
  std::function<void()> show_request_;
};

}  // namespace devero
