#include "settings/registry_value_win32.h"

#include <vector>

namespace {

// No setting of this program comes near this size.
constexpr DWORD kMaxValueBytes = 64 * 1024;

}  // namespace

UniqueRegKey OpenRegKey(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return UniqueRegKey();
  return UniqueRegKey(key);
}

UniqueRegKey CreateRegKey(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return UniqueRegKey();
  }
  return UniqueRegKey(key);
}

std::optional<std::string> ReadRegString(HKEY root, const std::string& path,
                                         const std::string& name) {
  const UniqueRegKey key = OpenRegKey(root, path);
  if (!key) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // A number (a DWORD value a user may set by hand) reads as its digits.
  DWORD number = 0;
  if (type == REG_DWORD && size == sizeof number) {
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number),
                         &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::to_string(number);
  }
  if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxValueBytes) return std::nullopt;
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(data.data()), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored terminator, if any, is not part of the text.
  return std::string(data.data());
}

bool WriteRegString(HKEY root, const std::string& path, const std::string& name,
                    const std::string& value) {
  const UniqueRegKey key = CreateRegKey(root, path);
  return key && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}
