#pragma once
// UTF-8, the form every name and text takes in memory, and its trips to
// and from UTF-16, the form of the file's wide strings and of Windows'
// character events and clipboard text.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Appends the UTF-8 form of a code point (at most U+10FFFF, no surrogate).
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes the character that starts at pos and moves pos past it. Refuses
// (nothing, pos unchanged) a cut-off sequence, an overlong form, a
// surrogate and anything above U+10FFFF.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& pos);

// The same, for text that is to be used whatever it holds: a byte that
// starts no character is read as U+FFFD and pos moves past that byte.
// pos must be before the end.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// UTF-16 appended as UTF-8 unit by unit, as the units arrive; a surrogate
// without its partner becomes U+FFFD.
class Utf16ToUtf8Appender {
 public:
  explicit Utf16ToUtf8Appender(std::string& out) : out_(out) {}
  void Unit(char16_t unit) {
    if (unit < 0x80 && high_ == 0) {
      out_ += static_cast<char>(unit);
      return;
    }
    Other(unit);
  }
  // count units, two little-endian bytes each.
  void UnitsLe(const unsigned char* bytes, std::size_t count);
  // The end of the text: a high surrogate still waiting has no partner.
  void Finish();

 private:
  void Other(char16_t unit);
  std::string& out_;
  char16_t high_ = 0;
};

std::string Utf16ToUtf8(std::u16string_view units);

// The UTF-16 units of a code point: one, or the two of a surrogate pair.
struct Utf16Units {
  char16_t units[2] = {};
  std::size_t count = 0;
};
Utf16Units ToUtf16(char32_t codePoint);
// UTF-8 as UTF-16, each byte that starts no character as U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

// The characters of a UTF-8 text: its bytes but the continuation bytes.
std::size_t Utf8Length(std::string_view text);

// Whether the text is UTF-8 throughout.
bool IsUtf8(std::string_view text);

// Whether every byte is below 0x80: such a text reads the same in UTF-8 and
// in every ANSI code page.
bool IsAscii(std::string_view text);

// The text's first bytes, at most count of them, cut where a character
// starts, so that the cut never splits one.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

// "U+20AC" for a code point.
std::string CodePointName(char32_t codePoint);
