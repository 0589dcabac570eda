// On Windows the legacy code page is the system locale's ANSI code page,
// asked of the locale rather than of GetACP, which answers UTF-8 for this
// process.
#include <windows.h>

#include "storage/legacy_code_page.h"
#include "storage/utf8.h"

namespace {

UINT LegacyCodePage() {
  static const UINT page = [] {
    DWORD number = 0;
    if (GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                       reinterpret_cast<LPWSTR>(&number), sizeof number / sizeof(WCHAR)) == 0 ||
        number == 0) {
      number = 1252;
    }
    return static_cast<UINT>(number);
  }();
  return page;
}

std::u16string LegacyToWide(std::string_view bytes, UINT page) {
  const int count = static_cast<int>(bytes.size());
  const int needed = MultiByteToWideChar(page, 0, bytes.data(), count, nullptr, 0);
  if (needed <= 0) return std::u16string(bytes.size(), kReplacementCharacter);
  std::u16string units(static_cast<std::size_t>(needed), u'\0');
  MultiByteToWideChar(page, 0, bytes.data(), count, reinterpret_cast<LPWSTR>(units.data()), needed);
  return units;
}

}  // namespace

std::string LegacyToUtf8(std::string_view bytes) {
  if (IsAscii(bytes)) return std::string(bytes);
  const UINT page = LegacyCodePage();
  if (page == CP_UTF8) return Utf16ToUtf8(Utf8ToUtf16(bytes));
  return Utf16ToUtf8(LegacyToWide(bytes, page));
}

std::optional<std::string> Utf8ToLegacy(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  if (!IsUtf8(text)) return std::nullopt;
  const std::u16string units = Utf8ToUtf16(text);
  const UINT page = LegacyCodePage();
  if (page == CP_UTF8) return std::string(text);
  const auto* source = reinterpret_cast<const wchar_t*>(units.data());
  const int count = static_cast<int>(units.size());
  BOOL lossy = FALSE;
  const int needed =
      WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, source, count, nullptr, 0, nullptr, &lossy);
  if (needed <= 0 || lossy) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, source, count, bytes.data(), needed, nullptr,
                      &lossy);
  // A code page may still map a character to a byte that reads back as
  // another; only an exact trip counts.
  if (lossy || LegacyToWide(bytes, page) != units) return std::nullopt;
  return bytes;
}
