#pragma once
// Opening a help page or a web address with the program the system
// associates with it.

#include <string>

class ShellOpenPort {
 public:
  virtual ~ShellOpenPort() = default;
  // A help page shipped with the program ("index.html"), looked for next
  // to the executable first, then in the current directory.
  virtual void OpenHelpPage(const std::string& fileName) = 0;
  // A web address.
  virtual void OpenAddress(const std::string& address) = 0;
};
