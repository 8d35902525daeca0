#include "platform/core/atomic_file.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string FolderOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool SyncPath(const std::string& path, int flags) {
  int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return false;
  bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace

bool WriteFileAtomically(const std::string& path,
                         const std::function<bool(const std::string& temporaryPath)>& write) {
  std::string pattern = path + ".kvtmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  // mkstemp makes the file private; give it the permissions a plain create would.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ::close(fd);
  std::string temporaryPath(name.data());

  bool written = false;
  try {
    written = write(temporaryPath);
  } catch (...) {
    ::unlink(temporaryPath.c_str());
    throw;
  }
  if (!written || !SyncPath(temporaryPath, O_RDONLY) ||
      std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
    ::unlink(temporaryPath.c_str());
    return false;
  }
  SyncPath(FolderOf(path), O_RDONLY | O_DIRECTORY);  // make the rename itself durable
  return true;
}
