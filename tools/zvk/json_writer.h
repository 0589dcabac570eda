#pragma once
// Writes a JSON value as readable UTF-8 text: two spaces of indent per
// level, an object or list that holds only plain values on one line,
// control characters (C0, DEL and C1) escaped. Ends with a line break.

#include <string>

#include "tools/zvk/json_value.h"

std::string WriteJson(const JsonValue& value);

// A JSON string literal, quotes included, for UTF-8 text.
std::string JsonQuote(const std::string& utf8);
