// On Windows the ANSI code page is the system's.
#include <windows.h>

#include "storage/ansi_codepage.h"

std::string WideToAnsi(std::u16string_view units) {
  if (units.empty()) return {};
  const auto* source = reinterpret_cast<const wchar_t*>(units.data());
  const int count = static_cast<int>(units.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, source, count, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return std::string(units.size(), '?');
  std::string out(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, source, count, out.data(), needed, nullptr, nullptr);
  return out;
}
