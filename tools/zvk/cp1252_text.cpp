#include "tools/zvk/cp1252_text.h"

#include "storage/ansi_codepage.h"
#include "tools/zvk/utf8.h"

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char16_t unit : Cp1252ToWide(bytes)) AppendUtf8(out, unit);
  return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::string* problem) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const std::optional<char32_t> cp = DecodeUtf8(utf8, pos);
    if (!cp) {
      if (problem != nullptr) *problem = "the text is not valid UTF-8";
      return std::nullopt;
    }
    const std::optional<char> byte = WideCharToCp1252(*cp);
    if (!byte) {
      if (problem != nullptr) {
        *problem = "the character \"" + std::string(utf8.substr(start, pos - start)) + "\" (" +
                   CodePointName(*cp) + ") has no byte in Windows-1252";
      }
      return std::nullopt;
    }
    out += *byte;
  }
  return out;
}
