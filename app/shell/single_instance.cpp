#include "app/shell/single_instance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QVariant>

#include <cstdlib>
#include <memory>
#include <filesystem>

#include "app/shell/settings/settings.h"
#include "app/shell/settings/user_folders.h"

namespace {

constexpr int kConnectMilliseconds = 2000;

}  // namespace

CSingleInstance::CSingleInstance(std::string folder) : m_folder(NormaliseFolder(std::move(folder))) {}

CSingleInstance::~CSingleInstance() { Release(); }

bool CSingleInstance::Acquire() {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
  m_lock = std::make_unique<QLockFile>(QString::fromStdString(LockPath()));
  // Never stale by age: a long-running copy keeps its lock. A lock whose
  // owner process is gone is still taken over.
  m_lock->setStaleLockTime(0);
  if (!m_lock->tryLock(0)) {
    m_lock.reset();
    return false;
  }
  // Holding the lock, any socket left by a crashed copy is ours to replace.
  QLocalServer::removeServer(QString::fromStdString(SocketPath()));
  m_server = std::make_unique<QLocalServer>();
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  QObject::connect(m_server.get(), &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) Answer(socket);
  });
  // Without the socket the program still runs; later copies just cannot
  // bring it forward.
  m_server->listen(QString::fromStdString(SocketPath()));
  return true;
}

// The request is the path in UTF-8 and a line end; a later copy that sends
// nothing (or disconnects early) still brings the window forward. A request
// past the limit is dropped whole rather than cut into a wrong path.
void CSingleInstance::Answer(QLocalSocket* socket) {
  auto request = std::make_shared<QByteArray>();
  auto finish = [this, socket, request] {
    if (socket->property("answered").toBool()) return;
    socket->setProperty("answered", true);
    socket->deleteLater();
    std::string path;
    if (request->size() <= kMaxRequestBytes) {
      const qsizetype end = request->indexOf('\n');
      path = QString::fromUtf8(request->left(end < 0 ? request->size() : end)).toStdString();
    }
    if (m_onShowRequest) m_onShowRequest(path);
  };
  auto read = [socket, request, finish] {
    request->append(socket->read(kMaxRequestBytes + 1 - request->size()));
    if (request->contains('\n') || request->size() > kMaxRequestBytes) finish();
  };
  QObject::connect(socket, &QLocalSocket::readyRead, this, read);
  QObject::connect(socket, &QLocalSocket::disconnected, this, finish);
  // Bytes that came with the connection itself.
  if (socket->bytesAvailable() > 0) read();
  if (socket->state() != QLocalSocket::ConnectedState) finish();
}

bool CSingleInstance::AskRunningCopyToShow(const std::string& path) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(SocketPath()));
  if (!socket.waitForConnected(kConnectMilliseconds)) return false;
  socket.write(QByteArray::fromStdString(path) + '\n');
  socket.waitForBytesWritten(kConnectMilliseconds);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMilliseconds);
  return true;
}

void CSingleInstance::Release() {
  m_server.reset();
  if (m_lock) m_lock->unlock();
  m_lock.reset();
}

std::string SingleInstanceFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return NormaliseFolder(runtime);
  return UserConfigFolder();
}
