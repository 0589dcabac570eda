#include "storage/mem_file.h"

#include <algorithm>
#include <cstring>

std::size_t CMemFile::Read(void* buffer, std::size_t count) {
  const std::size_t available = bytes_.size() - std::min(position_, bytes_.size());
  const std::size_t n = std::min(count, available);
  if (n > 0) std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void CMemFile::Write(const void* buffer, std::size_t count) {
  if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
  if (count > 0) std::memcpy(bytes_.data() + position_, buffer, count);
  position_ += count;
}
