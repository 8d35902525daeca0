#include "platform/core/file.h"

#include "platform/core/io_faults.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile() { Close(); }

bool CFile::Open(const std::string& path, unsigned flags) {
  Close();
  int osFlags = O_CLOEXEC;
  if (flags & modeReadWrite) osFlags |= O_RDWR;
  else if (flags & modeWrite) osFlags |= O_WRONLY;
  else osFlags |= O_RDONLY;
  if (flags & modeCreate) {
    osFlags |= O_CREAT;
    if (!(flags & modeNoTruncate)) osFlags |= O_TRUNC;
  }
  if ((flags & modeCreate) && ShouldFailIoOperation()) return false;
  int fd;
  do {
    fd = ::open(path.c_str(), osFlags, 0666);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return false;
  struct stat info;
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    ::close(fd);
    return false;
  }
  m_fd = fd;
  m_path = path;
  return true;
}

void CFile::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_path.clear();
}

std::uint64_t CFile::GetLength() const {
  struct stat info;
  if (m_fd < 0 || ::fstat(m_fd, &info) != 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
  if (m_fd < 0) return 0;
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t got = ::read(m_fd, out + done, count - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
  if (m_fd < 0) throw CFileException(m_path, EBADF);
  if (ShouldFailIoOperation()) throw CFileException(m_path, ENOSPC);
  const auto* in = static_cast<const unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    ssize_t put = ::write(m_fd, in + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) throw CFileException(m_path, errno);
    if (put == 0) throw CFileException(m_path, ENOSPC);
    done += static_cast<std::size_t>(put);
  }
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from) {
  int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  off_t position = m_fd < 0 ? -1 : ::lseek(m_fd, offset, whence);
  if (position < 0) throw CFileException(m_path, m_fd < 0 ? EBADF : errno);
  return static_cast<std::uint64_t>(position);
}

std::uint64_t CFile::GetPosition() const {
  off_t position = m_fd < 0 ? -1 : ::lseek(m_fd, 0, SEEK_CUR);
  return position < 0 ? 0 : static_cast<std::uint64_t>(position);
}

void CFile::Flush() {
  if (ShouldFailIoOperation()) throw CFileException(m_path, EIO);
  if (m_fd < 0 || ::fsync(m_fd) != 0) throw CFileException(m_path, m_fd < 0 ? EBADF : errno);
}

void CFile::SetLength(std::uint64_t length) {
  if (ShouldFailIoOperation()) throw CFileException(m_path, EIO);
  if (m_fd < 0 || ::ftruncate(m_fd, static_cast<off_t>(length)) != 0)
    throw CFileException(m_path, m_fd < 0 ? EBADF : errno);
}
