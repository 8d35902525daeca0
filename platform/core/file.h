// Binary files as the codecs and databases use them: open for reading or
// create for writing, length, read, write, seek. Reads report how much came;
// a failed write throws CFileException, so a writer cannot silently produce a
// short file.
#pragma once

#include <cstdint>
#include <string>

class CFileException {
 public:
  CFileException(std::string fileName, int osError) : m_strFileName(std::move(fileName)), m_lOsError(osError) {}

  std::string m_strFileName;
  int m_lOsError;  // errno of the failed call
};

class CFile {
 public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    modeCreate = 0x1000,  // create, or truncate an existing file
    modeNoTruncate = 0x2000,  // with modeCreate: keep an existing file's contents
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile() = default;
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // False when the file cannot be opened; the object stays closed.
  bool Open(const std::string& path, unsigned flags);
  void Close();
  bool IsOpen() const { return m_fd >= 0; }
  const std::string& GetFilePath() const { return m_path; }

  // Bytes in the file; 0 when closed.
  std::uint64_t GetLength() const;
  // Reads up to `count` bytes; returns how many came (0 at the end or on error).
  std::size_t Read(void* buffer, std::size_t count);
  // Writes all `count` bytes or throws CFileException.
  void Write(const void* buffer, std::size_t count);
  // Returns the new position, or throws CFileException.
  std::uint64_t Seek(std::int64_t offset, SeekPosition from);
  void SeekToBegin() { Seek(0, begin); }
  std::uint64_t GetPosition() const;
  // Forces written data to the disk; throws CFileException on failure.
  void Flush();
  // Cuts or extends the file to `length` bytes; throws CFileException.
  void SetLength(std::uint64_t length);

 private:
  int m_fd = -1;
  std::string m_path;
};
