#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QThread>

#include <QDir>
#include <QLocalSocket>

namespace devero {
namespace {

constexpr int kConnectTimeoutMs = 1000;
// The first instance may still be on its way to listening: ask a few times.
constexpr int kConnectAttempts = 20;
constexpr int kConnectPauseMs = 100;
constexpr char kShowRequest[] = "show\n";

}  // namespace

QString SingleInstance::SocketPath() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
    return QDir(QString::fromLocal8Bit(runtime)).filePath(QStringLiteral("devero.sock"));
  return QDir(QDir::tempPath()).filePath(QStringLiteral("devero-%1.sock").arg(::getuid()));
}

SingleInstance::~SingleInstance() {
  server_.reset();
  if (lock_fd_ >= 0) ::close(lock_fd_);
}

bool SingleInstance::AskRunningInstance() {
  for (int attempt = 0; attempt < kConnectAttempts; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(SocketPath());
    if (socket.waitForConnected(kConnectTimeoutMs)) {
      socket.write(kShowRequest);
      socket.waitForBytesWritten(kConnectTimeoutMs);
      socket.disconnectFromServer();
      return true;
    }
    QThread::msleep(kConnectPauseMs);
  }
  return false;
}

bool SingleInstance::Claim(std::function<void()> show_request) {
  show_request_ = std::move(show_request);
  const QString path = SocketPath();
  // The lock decides who is first; it goes with the process, however that ends.
  const QByteArray lock_path = (path + QStringLiteral(".lock")).toLocal8Bit();
  lock_fd_ = ::open(lock_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lock_fd_ >= 0 && ::flock(lock_fd_, LOCK_EX | LOCK_NB) != 0) {
    if (AskRunningInstance()) return false;
    // The holder does not answer (it is still starting or hangs): run all the same rather
    // than not at all.
    return true;
  }
  // A socket left behind by an instance that crashed is ours to replace.
  QLocalServer::removeServer(path);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // Without the socket this instance still runs; it just cannot be found by the next.
  if (!server_->listen(path)) return true;
  connect(server_.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* client = server_->nextPendingConnection()) {
      connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      connect(client, &QLocalSocket::readyRead, this, [this, client] {
        if (client->readAll().contains("show") && show_request_) show_request_();
      });
    }
  });
  return true;
}

}  // namespace devero
