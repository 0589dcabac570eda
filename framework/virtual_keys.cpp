#include "framework/virtual_keys.h"

#include "storage/ascii_case.h"

std::optional<std::uint8_t> FunctionKey(std::string_view name) {
  if (name.size() < 2 || name.size() > 3 || UpperAscii(name[0]) != 'F') return std::nullopt;
  if (name[1] < '1' || name[1] > '9') return std::nullopt;
  int n = 0;
  for (const char c : name.substr(1)) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n > kFunctionKeyCount) return std::nullopt;
  return static_cast<std::uint8_t>(kVkF1 + n - 1);
}

std::optional<int> FunctionKeyNumber(std::uint8_t vk) {
  if (vk < kVkF1 || vk >= kVkF1 + kFunctionKeyCount) return std::nullopt;
  return vk - kVkF1 + 1;
}
