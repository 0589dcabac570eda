#include "playback/token_text.h"

#include <limits>

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::string StripArgument(std::string_view token, char marker) {
  std::string out;
  out.reserve(token.size());
  for (const char c : token) {
    if (c != '[' && c != ']' && c != marker) out.push_back(c);
  }
  return out;
}

std::int32_t ReadNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit + 1) value = kLimit + 1;  // held; more digits change nothing
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value > kLimit ? kLimit : value);
}

int VariableNumber(std::string_view argument) {
  if (!argument.empty() && argument[0] >= '0' && argument[0] <= '9') return argument[0] - '0';
  return 0;
}
