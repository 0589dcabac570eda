#pragma once
// A file held in memory: for tests, benchmarks and anything that already
// has the bytes. An optional write limit makes it fail like a full disk.

#include <cstdint>
#include <string>
#include <vector>

#include "storage/file.h"

class CMemFile : public CFile {
 public:
  CMemFile() = default;
  explicit CMemFile(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::uint64_t GetLength() const override { return bytes_.size(); }
  std::uint64_t GetPosition() const override { return position_; }

  void Rewind() { position_ = 0; }

  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};
