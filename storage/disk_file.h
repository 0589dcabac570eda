#pragma once
// A file on disk through the C runtime: what the zvk tool and the tests use.
// Failures become CFileException with a cause from the C runtime's error.

#include <cstdio>
#include <string>

#include "storage/file.h"

class DiskFile : public CFile {
 public:
  // create empties a file that is there; createNew makes a file that is
  // not there yet, readable and writable by its owner only, and fails
  // (EEXIST) when the name is taken, whoever took it meanwhile.
  enum class Mode { read, create, createNew };
  DiskFile(const std::string& path, Mode mode);
  ~DiskFile() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  void Flush() override;
  void Close() override;
  std::uint64_t GetLength() const override;
  std::uint64_t GetPosition() const override;

 private:
  [[noreturn]] void Fail(int error) const;

  std::string path_;
  std::FILE* file_ = nullptr;
};

// The file error cause for a C runtime error number.
int FileCauseFromErrno(int error);
