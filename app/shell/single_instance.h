// One running copy per user. The first copy holds a lock file and listens on
// a local socket beside it; a later copy finds the lock taken, connects to
// the socket so that the first copy brings its window forward (and opens the
// file the later copy was given), and ends without a message. The lock records its owner's process id, so the lock
// of a copy that crashed is taken over by the next start.
#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QLockFile;

class CSingleInstance : public QObject {
 public:
  // `folder` holds the lock file and the socket; it is created when missing.
  explicit CSingleInstance(std::string folder);
  ~CSingleInstance() override;

  // True when this is the only running copy; it then holds the lock until
  // Release and answers show requests.
  bool Acquire();
  // Asks the copy that holds the lock to show its window and, when `path`
  // is not empty, to open that file; false when none answered. `path`
  // should be absolute: the running copy has its own working folder.
  bool AskRunningCopyToShow(const std::string& path = {});
  void Release();

  // Runs on the user-interface thread whenever a later copy starts, with
  // the file it was given (empty for none).
  using ShowRequestHandler = std::function<void(const std::string& path)>;
  void SetShowRequestHandler(ShowRequestHandler handler) { m_onShowRequest = std::move(handler); }

  // The longest request a later copy may send: a path, well above PATH_MAX.
  static constexpr int kMaxRequestBytes = 64 * 1024;

  std::string LockPath() const { return m_folder + "Kelvora.lock"; }
  std::string SocketPath() const { return m_folder + "Kelvora.socket"; }

 private:
  std::string m_folder;
  std::unique_ptr<QLockFile> m_lock;
  std::unique_ptr<QLocalServer> m_server;
  ShowRequestHandler m_onShowRequest;

  void Answer(class QLocalSocket* socket);
};

// The folder for the lock and the socket: $XDG_RUNTIME_DIR when set, else
// the user's configuration folder.
std::string SingleInstanceFolder();
