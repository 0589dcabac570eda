// Away from Windows the ANSI code page is Windows-1252.
#include "storage/ansi_codepage.h"

std::string WideToAnsi(std::u16string_view units) {
  std::string out;
  out.reserve(units.size());
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t cp = units[i];
    // A surrogate pair is one character, which Windows-1252 never has.
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      ++i;
      out.push_back('?');
      continue;
    }
    out.push_back(WideCharToCp1252(cp).value_or('?'));
  }
  return out;
}
