#pragma once
// The serialization archive: 32-bit little-endian integers and counted
// strings over a CFile, buffered in blocks. A loading archive never trusts
// a length it reads: a string longer than what is left of the file is
// refused at once with the end-of-file failure, before anything is
// allocated for it.
//
// The file sees few, large reads and writes: the buffer holds 64 KiB, a
// loaded string is copied from it into the string's own storage (never
// zero-filled first), and a stored block at least the buffer's size is
// written straight from where it lies.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "storage/file.h"
#include "storage/non_copyable.h"

class CArchive : private NonCopyable {
 public:
  enum Mode { store = 0, load = 1 };
  static constexpr std::size_t kDefaultBufferSize = std::size_t{64} * 1024;

  CArchive(CFile& file, Mode mode, std::size_t bufferSize = kDefaultBufferSize);
  // Does not flush: a storing archive must be closed explicitly, so that a
  // failure to write is never swallowed by a destructor.
  ~CArchive() = default;

  bool IsLoading() const { return mode_ == load; }
  bool IsStoring() const { return mode_ == store; }

  void WriteInt32(std::int32_t value);
  std::int32_t ReadInt32();

  // Strings are UTF-8 in memory. The counted-string form: one byte up to
  // 254, 0xFF + word up to 65533, 0xFF FFFF + 32-bit length beyond, then
  // the text in the legacy code page (storage/legacy_code_page.h). A text
  // that code page cannot hold exactly is written in the wide form: 0xFF
  // FFFE, a length in 16-bit units by the same rule, then UTF-16LE. Both
  // forms are read; an unpaired surrogate reads as U+FFFD.
  void WriteString(const std::string& text);
  std::string ReadString();
  // The same, read into an existing string (its storage is reused).
  void ReadString(std::string& text);

  // Storing: writes out what is buffered, then flushes the file.
  void Flush();
  // Storing: Flush. Loading: nothing. The file stays open either way.
  void Close();

 private:
  void WriteBytes(const void* data, std::size_t count);
  void WriteLength(std::uint64_t length);
  // Hands the next count bytes to take(bytes, n), piece by piece, as they
  // lie in the buffer, refilling it from the file in whole blocks.
  template <typename Take>
  void ReadPieces(std::uint64_t count, Take take);
  void ReadBytes(void* data, std::size_t count);
  void Refill();
  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  std::uint32_t ReadUInt32();
  std::uint32_t ReadLength(bool& wide);
  // Bytes still to come: in the buffer plus what the file holds past it.
  std::uint64_t Remaining() const;
  void RequireRemaining(std::uint64_t count) const;
  void WriteOutBuffer();

  CFile& file_;
  Mode mode_;
  std::vector<std::uint8_t> buffer_;
  std::size_t buffer_pos_ = 0;  // next byte to read, or bytes written so far
  std::size_t buffer_end_ = 0;  // loading: bytes valid in the buffer
  std::uint64_t unread_in_file_ = 0;
};
