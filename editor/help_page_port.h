#pragma once
// Opens one of the program's help pages in the viewer the user has
// registered for it. A page that cannot be opened is not reported.

#include <string>

class HelpPagePort {
 public:
  virtual ~HelpPagePort() = default;
  virtual void OpenHelpPage(const std::string& fileName) = 0;
};
