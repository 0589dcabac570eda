#include "settings/registry_profile_win32.h"

#include "settings/registry_value_win32.h"

std::string Win32RegistryProfile::ReadString(const std::string& section, const std::string& entry,
                                             const std::string& defaultValue) {
  return ReadRegString(HKEY_CURRENT_USER, SectionPath(section), entry).value_or(defaultValue);
}

bool Win32RegistryProfile::WriteString(const std::string& section, const std::string& entry,
                                       const std::string& value) {
  return WriteRegString(HKEY_CURRENT_USER, SectionPath(section), entry, value);
}

bool Win32RegistryProfile::DeleteValue(const std::string& section, const std::string& entry) {
  HKEY key = nullptr;
  const LONG opened =
      RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_SET_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;  // no section, no value
  if (opened != ERROR_SUCCESS) return false;
  const UniqueRegKey owned(key);
  const LONG result = RegDeleteValueA(owned.get(), entry.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
