#pragma once
// A byte file as the archive sees it. Every failure is thrown as a
// CFileException; a short read is not a failure (the archive decides).

#include <cstddef>
#include <cstdint>

#include "storage/non_copyable.h"

class CFile : private NonCopyable {
 public:
  CFile() = default;
  virtual ~CFile() = default;

  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes all count bytes or throws.
  virtual void Write(const void* buffer, std::size_t count) = 0;
  virtual void Flush() {}
  // Closes the file; a failure to close (data not written) throws.
  virtual void Close() {}
  virtual std::uint64_t GetLength() const = 0;
  virtual std::uint64_t GetPosition() const = 0;
};
