#include "storage/archive.h"

#include <algorithm>
#include <cstring>

#include "storage/ansi_codepage.h"
#include "storage/exceptions.h"

CArchive::CArchive(CFile& file, Mode mode, std::size_t bufferSize)
    : file_(file), mode_(mode), buffer_(std::max<std::size_t>(bufferSize, 16)) {
  if (mode_ == load) {
    const std::uint64_t length = file_.GetLength();
    const std::uint64_t position = file_.GetPosition();
    unread_in_file_ = length > position ? length - position : 0;
  }
}

void CArchive::WriteOutBuffer() {
  if (buffer_pos_ > 0) {
    file_.Write(buffer_.data(), buffer_pos_);
    buffer_pos_ = 0;
  }
}

void CArchive::WriteBytes(const void* data, std::size_t count) {
  if (!IsStoring()) throw CArchiveException(CArchiveException::readOnly);
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (count > 0) {
    if (buffer_pos_ == 0 && count >= buffer_.size()) {
      // Whole blocks go straight through; the buffer would only copy them.
      file_.Write(bytes, count);
      return;
    }
    // Otherwise fill the buffer, and write it out once it is full, so
    // that the file sees full blocks.
    const std::size_t n = std::min(count, buffer_.size() - buffer_pos_);
    std::memcpy(buffer_.data() + buffer_pos_, bytes, n);
    buffer_pos_ += n;
    bytes += n;
    count -= n;
    if (buffer_pos_ == buffer_.size()) WriteOutBuffer();
  }
}

std::uint64_t CArchive::Remaining() const { return (buffer_end_ - buffer_pos_) + unread_in_file_; }

void CArchive::RequireRemaining(std::uint64_t count) const {
  if (count > Remaining()) throw CArchiveException(CArchiveException::endOfFile);
}

void CArchive::ReadBytes(void* data, std::size_t count) {
  if (!IsLoading()) throw CArchiveException(CArchiveException::writeOnly);
  RequireRemaining(count);
  auto* out = static_cast<std::uint8_t*>(data);
  const std::size_t fromBuffer = std::min(count, buffer_end_ - buffer_pos_);
  if (fromBuffer > 0) std::memcpy(out, buffer_.data() + buffer_pos_, fromBuffer);
  buffer_pos_ += fromBuffer;
  out += fromBuffer;
  count -= fromBuffer;
  if (count == 0) return;

  if (count >= buffer_.size()) {
    // Large blocks are read straight into place.
    while (count > 0) {
      const std::size_t got = file_.Read(out, count);
      if (got == 0) throw CArchiveException(CArchiveException::endOfFile);
      out += got;
      count -= got;
      unread_in_file_ -= std::min<std::uint64_t>(got, unread_in_file_);
    }
    return;
  }
  while (count > 0) {
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), unread_in_file_));
    const std::size_t got = want > 0 ? file_.Read(buffer_.data(), want) : 0;
    if (got == 0) throw CArchiveException(CArchiveException::endOfFile);
    unread_in_file_ -= got;
    buffer_pos_ = 0;
    buffer_end_ = got;
    const std::size_t n = std::min(count, got);
    std::memcpy(out, buffer_.data(), n);
    buffer_pos_ = n;
    out += n;
    count -= n;
  }
}

std::uint8_t CArchive::ReadByte() {
  std::uint8_t b = 0;
  ReadBytes(&b, 1);
  return b;
}

std::uint16_t CArchive::ReadWord() {
  std::uint8_t b[2];
  ReadBytes(b, 2);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t CArchive::ReadUInt32() {
  std::uint8_t b[4];
  ReadBytes(b, 4);
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::int32_t CArchive::ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

void CArchive::WriteInt32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                             static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
  WriteBytes(b, 4);
}

std::uint32_t CArchive::ReadLength(bool& wide) {
  // A wide marker announces that the length which follows counts 16-bit
  // units; it is read by the same steps again (iteratively, so a file full
  // of markers cannot exhaust the stack).
  for (;;) {
    const std::uint8_t b = ReadByte();
    if (b < 0xFF) return b;
    const std::uint16_t w = ReadWord();
    if (w == 0xFFFE) {
      wide = true;
      continue;
    }
    if (w == 0xFFFF) return ReadUInt32();
    return w;
  }
}

std::string CArchive::ReadString() {
  std::string text;
  ReadString(text);
  return text;
}

void CArchive::ReadString(std::string& text) {
  bool wide = false;
  const std::uint32_t length = ReadLength(wide);
  if (length == 0) {
    text.clear();
    return;
  }
  if (!wide) {
    RequireRemaining(length);
    text.resize(length);
    ReadBytes(text.data(), length);
    return;
  }
  RequireRemaining(std::uint64_t{length} * 2);
  std::vector<std::uint8_t> raw(std::size_t{length} * 2);
  ReadBytes(raw.data(), raw.size());
  std::u16string units(length, u'\0');
  for (std::size_t i = 0; i < length; ++i) {
    units[i] = static_cast<char16_t>(raw[2 * i] | (raw[2 * i + 1] << 8));
  }
  text = WideToAnsi(units);
}

void CArchive::WriteString(const std::string& text) {
  const std::uint64_t length = text.size();
  if (length < 0xFF) {
    const auto b = static_cast<std::uint8_t>(length);
    WriteBytes(&b, 1);
  } else if (length < 0xFFFE) {
    const std::uint8_t prefix[3] = {0xFF, static_cast<std::uint8_t>(length),
                                    static_cast<std::uint8_t>(length >> 8)};
    WriteBytes(prefix, 3);
  } else {
    if (length > 0xFFFFFFFFu) throw CArchiveException(CArchiveException::badIndex);
    const std::uint8_t prefix[3] = {0xFF, 0xFF, 0xFF};
    WriteBytes(prefix, 3);
    WriteInt32(static_cast<std::int32_t>(static_cast<std::uint32_t>(length)));
  }
  WriteBytes(text.data(), text.size());
}

void CArchive::Flush() {
  if (!IsStoring()) return;
  WriteOutBuffer();
  file_.Flush();
}

void CArchive::Close() { Flush(); }
