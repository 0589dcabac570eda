#include "storage/archive.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "storage/exceptions.h"
#include "storage/legacy_code_page.h"
#include "storage/utf8.h"

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

void CArchive::Refill() {
  const std::size_t want =
      static_cast<std::size_t>(std::min<std::uint64_t>(buffer_.size(), unread_in_file_));
  const std::size_t got = want > 0 ? file_.Read(buffer_.data(), want) : 0;
  // The file ended before the length it had when the archive was made.
  if (got == 0) throw CArchiveException(CArchiveException::endOfFile);
  unread_in_file_ -= got;
  buffer_pos_ = 0;
  buffer_end_ = got;
}

template <typename Take>
void CArchive::ReadPieces(std::uint64_t count, Take take) {
  if (!IsLoading()) throw CArchiveException(CArchiveException::writeOnly);
  RequireRemaining(count);
  while (count > 0) {
    if (buffer_pos_ == buffer_end_) Refill();
    const auto n =
        static_cast<std::size_t>(std::min<std::uint64_t>(count, buffer_end_ - buffer_pos_));
    take(buffer_.data() + buffer_pos_, n);
    buffer_pos_ += n;
    count -= n;
  }
}

void CArchive::ReadBytes(void* data, std::size_t count) {
  // The integers and length prefixes: nearly always already buffered.
  if (IsLoading() && count <= buffer_end_ - buffer_pos_) {
    std::memcpy(data, buffer_.data() + buffer_pos_, count);
    buffer_pos_ += count;
    return;
  }
  auto* out = static_cast<std::uint8_t*>(data);
  ReadPieces(count, [&out](const std::uint8_t* bytes, std::size_t n) {
    std::memcpy(out, bytes, n);
    out += n;
  });
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
                             static_cast<std::uint8_t>(u >> 16),
                             static_cast<std::uint8_t>(u >> 24)};
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
  const std::uint64_t bytes = wide ? std::uint64_t{length} * 2 : length;
  // Checked before the string is touched: a failure here leaves it as it was.
  RequireRemaining(bytes);
  // Reserved, not resized: resizing would zero every byte only for the
  // file's bytes to overwrite them.
  text.clear();
  text.reserve(length);
  if (!wide) {
    ReadPieces(length, [&text](const std::uint8_t* piece, std::size_t n) {
      text.append(reinterpret_cast<const char*>(piece), n);
    });
    // Text in the legacy code page; ASCII reads the same in UTF-8.
    if (!IsAscii(text)) text = LegacyToUtf8(text);
    return;
  }
  // Two bytes a unit, little-endian; a unit may straddle two pieces.
  Utf16ToUtf8Appender appender(text);
  int low = -1;
  ReadPieces(bytes, [&appender, &low](const std::uint8_t* piece, std::size_t n) {
    std::size_t i = 0;
    if (low >= 0 && n > 0) {
      appender.Unit(static_cast<char16_t>(low | (piece[0] << 8)));
      low = -1;
      i = 1;
    }
    appender.UnitsLe(piece + i, (n - i) / 2);
    if ((n - i) % 2 != 0) low = piece[n - 1];
  });
  appender.Finish();
}

void CArchive::WriteLength(std::uint64_t length) {
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
}

void CArchive::WriteString(const std::string& text) {
  // What the legacy code page holds goes in the single-byte form, which
  // every reader of the format reads; anything else in the wide form.
  // A text that is not UTF-8 came from somewhere that spoke the legacy code
  // page: its bytes go as they are.
  const bool as_is = IsAscii(text) || !IsUtf8(text);
  const std::optional<std::string> legacy = as_is ? std::nullopt : Utf8ToLegacy(text);
  if (as_is || legacy) {
    const std::string& bytes = legacy ? *legacy : text;
    WriteLength(bytes.size());
    WriteBytes(bytes.data(), bytes.size());
    return;
  }
  const std::u16string units = Utf8ToUtf16(text);
  const std::uint8_t marker[3] = {0xFF, 0xFE, 0xFF};
  WriteBytes(marker, 3);
  WriteLength(units.size());
  std::vector<std::uint8_t> bytes;
  bytes.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  WriteBytes(bytes.data(), bytes.size());
}

void CArchive::Flush() {
  if (!IsStoring()) return;
  WriteOutBuffer();
  file_.Flush();
}

void CArchive::Close() { Flush(); }
