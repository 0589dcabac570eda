#include "storage/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos) {
  if (pos >= text.size()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    smallest = 0x10000;
  } else {
    return std::nullopt;  // a continuation byte, C0/C1 or F5 and above
  }
  if (text.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  pos += length;
  return cp;
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
  if (const std::optional<char32_t> cp = DecodeUtf8(text, pos)) return *cp;
  ++pos;
  return kReplacementCharacter;
}

void Utf16ToUtf8Appender::Other(char16_t unit) {
  const bool low = unit >= 0xDC00 && unit < 0xE000;
  if (high_ != 0) {
    AppendUtf8(out_, low ? 0x10000 + ((char32_t{high_} - 0xD800) << 10) + (unit - 0xDC00)
                         : kReplacementCharacter);
    high_ = 0;
    if (low) return;
  }
  if (unit >= 0xD800 && unit < 0xDC00) {
    high_ = unit;
  } else {
    AppendUtf8(out_, low ? kReplacementCharacter : char32_t{unit});
  }
}

void Utf16ToUtf8Appender::UnitsLe(const unsigned char* bytes, std::size_t count) {
  // Runs of ASCII are gathered and appended a block at a time.
  char ascii[512];
  std::size_t gathered = 0;
  const auto flush = [&] {
    out_.append(ascii, gathered);
    gathered = 0;
  };
  std::size_t i = 0;
  while (i < count) {
#if defined(__SSE2__)
    // Sixteen units at a time while they are all ASCII.
    const __m128i high_bits = _mm_set1_epi16(static_cast<short>(0xFF80));
    while (high_ == 0 && i + 16 <= count) {
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 2 * i));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 2 * i + 16));
      const __m128i over = _mm_and_si128(_mm_or_si128(a, b), high_bits);
      if (_mm_movemask_epi8(_mm_cmpeq_epi16(over, _mm_setzero_si128())) != 0xFFFF) break;
      if (gathered + 16 > sizeof ascii) flush();
      _mm_storeu_si128(reinterpret_cast<__m128i*>(ascii + gathered), _mm_packus_epi16(a, b));
      gathered += 16;
      i += 16;
    }
#endif
    // One unit at a time for the next sixteen.
    for (const std::size_t stop = std::min(count, i + 16); i < stop; ++i) {
      const auto unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
      if (unit < 0x80 && high_ == 0) {
        if (gathered == sizeof ascii) flush();
        ascii[gathered++] = static_cast<char>(unit);
        continue;
      }
      flush();
      Other(unit);
    }
  }
  flush();
}

void Utf16ToUtf8Appender::Finish() {
  if (high_ != 0) AppendUtf8(out_, kReplacementCharacter);
  high_ = 0;
}

std::string Utf16ToUtf8(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  Utf16ToUtf8Appender appender(out);
  for (const char16_t unit : units) appender.Unit(unit);
  appender.Finish();
  return out;
}

Utf16Units ToUtf16(char32_t cp) {
  if (cp < 0x10000) return {{static_cast<char16_t>(cp), 0}, 1};
  return {{static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
           static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))},
          2};
}

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const Utf16Units units = ToUtf16(NextCodePoint(text, pos));
    out.append(units.units, units.count);
  }
  return out;
}

std::size_t Utf8Length(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

bool IsUtf8(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (!DecodeUtf8(text, pos)) return false;
  }
  return true;
}

namespace {

#if defined(__GNUC__) && defined(__x86_64__)
// Where the processor has AVX2: 128 bytes a step in four loads. Returns how
// far the text is ASCII, to a step's bound.
__attribute__((target("avx2"))) std::size_t AsciiStepsAvx2(const char* text, std::size_t size) {
  std::size_t i = 0;
  for (; i + 128 <= size; i += 128) {
    const auto* block = reinterpret_cast<const __m256i*>(text + i);
    const __m256i any = _mm256_or_si256(
        _mm256_or_si256(_mm256_loadu_si256(block), _mm256_loadu_si256(block + 1)),
        _mm256_or_si256(_mm256_loadu_si256(block + 2), _mm256_loadu_si256(block + 3)));
    if (_mm256_movemask_epi8(any) != 0) break;
  }
  return i;
}

bool HasAvx2() {
  static const bool kHas = __builtin_cpu_supports("avx2");
  return kHas;
}
#endif

}  // namespace

bool IsAscii(std::string_view text) {
  // 128 bytes at a time: a document's texts are long and mostly ASCII.
  std::size_t i = 0;
#if defined(__GNUC__) && defined(__x86_64__)
  if (HasAvx2()) i = AsciiStepsAvx2(text.data(), text.size());
#endif
#if defined(__SSE2__)
  for (; i + 128 <= text.size(); i += 128) {
    const auto* block = reinterpret_cast<const __m128i*>(text.data() + i);
    const __m128i low =
        _mm_or_si128(_mm_or_si128(_mm_loadu_si128(block), _mm_loadu_si128(block + 1)),
                     _mm_or_si128(_mm_loadu_si128(block + 2), _mm_loadu_si128(block + 3)));
    const __m128i high =
        _mm_or_si128(_mm_or_si128(_mm_loadu_si128(block + 4), _mm_loadu_si128(block + 5)),
                     _mm_or_si128(_mm_loadu_si128(block + 6), _mm_loadu_si128(block + 7)));
    if (_mm_movemask_epi8(_mm_or_si128(low, high)) != 0) return false;
  }
#endif
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  for (; i + 32 <= text.size(); i += 32) {
    std::uint64_t words[4];
    std::memcpy(words, text.data() + i, sizeof words);
    if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0) return false;
  }
  for (; i < text.size(); ++i) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) return false;
  }
  return true;
}

std::string_view Utf8Prefix(std::string_view text, std::size_t count) {
  if (text.size() <= count) return text;
  // Back over the continuation bytes (10xxxxxx) of a character split there.
  std::size_t end = count;
  while (end > 0 && end + 3 >= count && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  return text.substr(0, end);
}

std::string CodePointName(char32_t cp) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(cp));
  return buffer;
}
