#pragma once
// A macro document's content as JSON, and back:
//   {"version": V,
//    "submenus": [{"name": N, "items": [{"name": N, "text": T, "chain": C}, ...]}, ...]}
// Only the content within the counts is shown; texts are Windows-1252
// shown as UTF-8. Reading it back is strict: a missing or unknown member,
// a value of the wrong kind, a count above 50 or a character without a
// Windows-1252 byte is refused with the JSON path of the fault.

#include <cstdint>
#include <stdexcept>
#include <string>

#include "document/macro_data.h"
#include "tools/zvk/json_value.h"

JsonValue MacroToJson(const MacroData& doc, std::int32_t version);

class MacroJsonError : public std::runtime_error {
 public:
  MacroJsonError(std::string path, const std::string& message)
      : std::runtime_error(message), path_(std::move(path)) {}
  // Where: "submenus[2].items[0].text"; empty for the whole document.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Fills doc, which must be empty (as after OnNewDocument), from json:
// counts, names, texts and chain flags ("chain" may be left out: 0;
// true and false stand for 1 and 0). "version" is optional and not kept:
// a file is always written as the current version.
void JsonToMacro(const JsonValue& json, MacroData& doc);
