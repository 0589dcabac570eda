#pragma once
// Helpers for tests that build byte streams, and that look at
// the failure a read or write ends in.

#include <string>
#include <string_view>

#include "storage/archive.h"
#include "storage/mem_file.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes Int32(std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
          static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}

inline Bytes BytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }
inline std::string TextOf(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// A short counted string: one length byte, then the text.
inline Bytes Counted(const std::string& s) {
  return Bytes{static_cast<std::uint8_t>(s.size())} + BytesOf(s);
}

template <typename Serializable>
Bytes StoredBytes(Serializable&& object) {
  CMemFile file;
  CArchive ar(file, CArchive::store);
  object.Serialize(ar);
  ar.Close();
  return file.Bytes();
}

// The cause of the Exception that action ends in, or -1 without one.
template <typename Exception, typename Action>
int CauseOf(Action action) {
  try {
    action();
  } catch (const Exception& e) {
    return e.Cause();
  }
  return -1;
}
