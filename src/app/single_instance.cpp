#include "app/single_instance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalSocket>

namespace devero {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr char kShowRequest[] = "show\n";

}  // namespace

QString SingleInstance::SocketPath() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(QString::fromLocal8Bit(runtime)).exists())
    return QDir(QString::fromLocal8Bit(runtime)).filePath(QStringLiteral("devero.sock"));
  return QDir(QDir::tempPath()).filePath(QStringLiteral("devero-%1.sock").arg(::getuid()));
}

bool SingleInstance::AskRunningInstance() {
  QLocalSocket socket;
  socket.connectToServer(SocketPath());
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kShowRequest);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Claim(std::function<void()> show_request) {
  show_request_ = std::move(show_request);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  const QString path = SocketPath();
  if (!server_->listen(path)) {
    if (AskRunningInstance()) return false;
    // Nobody answers: a socket left behind by an instance that crashed.
    QLocalServer::removeServer(path);
    if (!server_->listen(path)) {
      // Without the socket this instance still runs; it just cannot be found by the next.
      return true;
    }
  }
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
