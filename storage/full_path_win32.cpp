#include "storage/full_path_win32.h"

#include <windows.h>

#include <vector>

std::string FullPathOf(const std::string& path) {
  std::vector<char> full(MAX_PATH);
  DWORD length =
      GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size() && length <= 32768) {
    full.resize(length);
    length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return path;
  return std::string(full.data(), length);
}
