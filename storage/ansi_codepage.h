#pragma once
// Conversions between the 8-bit ANSI code page and UTF-16/UTF-8. On
// Windows the ANSI side is the system's code page; elsewhere it is
// Windows-1252, whose five undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number so that every byte
// has a character and back.

#include <optional>
#include <string>
#include <string_view>

// UTF-16 to the ANSI code page; a unit without a byte becomes '?'.
std::string WideToAnsi(std::u16string_view units);

// Windows-1252 on every platform (the text form of the zvk tool).
std::u16string Cp1252ToWide(std::string_view bytes);
// The byte for a code point, or nothing when Windows-1252 has none.
std::optional<char> WideCharToCp1252(char32_t codePoint);
