// Codec entry points that read from files get the fuzzer's bytes through an
// in-memory file, so the whole loader (header checks, seeks, reads) runs.
#pragma once

#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

class FuzzInputFile {
 public:
  FuzzInputFile(const std::uint8_t* data, std::size_t size) {
    m_fd = ::memfd_create("kelvora-fuzz", 0);
    if (m_fd >= 0 && size) {
      if (::write(m_fd, data, size) != static_cast<ssize_t>(size)) {
        ::close(m_fd);
        m_fd = -1;
      }
    }
  }
  ~FuzzInputFile() {
    if (m_fd >= 0) ::close(m_fd);
  }
  bool ok() const { return m_fd >= 0; }
  std::string path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

 private:
  int m_fd = -1;
};
