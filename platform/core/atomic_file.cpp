#include "platform/core/atomic_file.h"

#include "platform/core/file_system.h"
#include "platform/core/io_faults.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

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
  if (ShouldFailIoOperation()) return false;
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
    RemoveFile(temporaryPath);
    throw;
  }
  if (!written || ShouldFailIoOperation() || !SyncPath(temporaryPath, O_RDONLY) ||
      !RenameFile(temporaryPath, path)) {
    RemoveFile(temporaryPath);
    return false;
  }
  SyncFolderOf(path);  // make the rename itself durable
  return true;
}
