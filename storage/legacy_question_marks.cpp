// A text in the legacy code page with '?' for what it lacks, character by
// character through the exact conversion, so that a character takes the
// same bytes here as in a file's single-byte string.
#include "storage/legacy_code_page.h"
#include "storage/utf8.h"

std::string Utf8ToLegacyOrQuestionMarks(std::string_view text) {
  if (std::optional<std::string> whole = Utf8ToLegacy(text)) return *whole;
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    NextCodePoint(text, pos);
    const std::optional<std::string> bytes = Utf8ToLegacy(text.substr(start, pos - start));
    out += bytes ? *bytes : "?";
  }
  return out;
}
