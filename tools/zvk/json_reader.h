#pragma once
// A strict JSON reader (RFC 8259): UTF-8 only (a leading byte-order mark
// is skipped), no comments, no trailing commas, no duplicate keys, no lone
// surrogates, nesting at most kMaxJsonDepth deep. A fault is reported with
// its line and column (both from 1; columns count characters).

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tools/zvk/json_value.h"

constexpr int kMaxJsonDepth = 64;

class JsonSyntaxError : public std::runtime_error {
 public:
  JsonSyntaxError(std::size_t line, std::size_t column, const std::string& message)
      : std::runtime_error(message), line_(line), column_(column) {}
  std::size_t Line() const { return line_; }
  std::size_t Column() const { return column_; }

 private:
  std::size_t line_;
  std::size_t column_;
};

JsonValue ParseJson(std::string_view text);
