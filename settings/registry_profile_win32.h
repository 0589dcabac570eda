#pragma once
// The program's settings in the registry: each section is a key under
// HKEY_CURRENT_USER\<keyPath>, each entry a value in it.

#include <string>

#include "settings/profile.h"

class Win32RegistryProfile : public ProfilePort {
 public:
  // keyPath: "Software\Zorvak\Zorvakomat" for the program.
  explicit Win32RegistryProfile(std::string keyPath) : key_path_(std::move(keyPath)) {}

  std::string ReadString(const std::string& section, const std::string& entry,
                         const std::string& defaultValue = {}) override;
  bool WriteString(const std::string& section, const std::string& entry,
                   const std::string& value) override;
  bool DeleteValue(const std::string& section, const std::string& entry) override;

 private:
  std::string SectionPath(const std::string& section) const { return key_path_ + "\\" + section; }

  std::string key_path_;
};
