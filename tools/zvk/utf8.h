#pragma once
// UTF-8, the text form of the zvk tool's JSON files and (away from
// Windows) of its command line.

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

// "U+20AC" for a code point.
std::string CodePointName(char32_t codePoint);
