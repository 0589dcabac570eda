#pragma once
// The program's settings store: strings under named sections.
// On Windows it is the registry under the application's key.

#include <string>

class ProfilePort {
 public:
  virtual ~ProfilePort() = default;
  virtual std::string ReadString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = {}) = 0;
  // False when the value could not be written.
  virtual bool WriteString(const std::string& section, const std::string& entry,
                           const std::string& value) = 0;
  // Removes a value; a value that is not there counts as removed.
  virtual bool DeleteValue(const std::string& section, const std::string& entry) = 0;
};
