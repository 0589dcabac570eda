#pragma once
// The file format's single-byte strings are text in the system's legacy
// ANSI code page, the one older versions of the program and other readers
// of the format use: on Windows the system locale's (even when this
// process itself runs in UTF-8); elsewhere Windows-1252, whose five
// undefined bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, so that every byte has a character.

#include <optional>
#include <string>
#include <string_view>

// The legacy bytes as UTF-8.
std::string LegacyToUtf8(std::string_view bytes);

// The legacy bytes of a UTF-8 text, or nothing when a character of it has
// no byte there (or only a look-alike), or the text is not UTF-8.
std::optional<std::string> Utf8ToLegacy(std::string_view text);

// The legacy bytes of a text for a reader that takes nothing else (an
// older program's clipboard text): each character the code page lacks, or
// holds only as a look-alike, as one '?'.
std::string Utf8ToLegacyOrQuestionMarks(std::string_view text);
