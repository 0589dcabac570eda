#pragma once
// Item texts and names are 8-bit Windows-1252 text; the tool shows and
// takes them as UTF-8. Every one of the 256 bytes has a character (the five
// bytes Windows-1252 leaves undefined stand for U+0081, U+008D, U+008F,
// U+0090 and U+009D), so any byte string survives the trip there and back.

#include <optional>
#include <string>
#include <string_view>

std::string Cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text, or nothing when the text is not
// UTF-8 or holds a character without a byte; problem then says which.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8, std::string* problem = nullptr);
