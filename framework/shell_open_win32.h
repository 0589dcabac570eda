#pragma once
// Help pages and web addresses opened through the shell's "open" verb,
// which works on every Windows (a "start" command line does not: start is
// built into the command interpreter and is no program of its own).

#include "framework/shell_open.h"

class Win32ShellOpen : public ShellOpenPort {
 public:
  void OpenHelpPage(const std::string& fileName) override;
  void OpenAddress(const std::string& address) override;
};
