#pragma once
// What the program was asked to do on its command line: the first
// argument that is not a flag (a flag starts with "/" or "-") names a
// document to open; without one a new, empty document is made. Flags are
// accepted and ignored: the program has no printing or automation.

#include <string>
#include <vector>

struct CommandLineInfo {
  enum class Command { fileNew, fileOpen };
  Command command = Command::fileNew;
  std::string file_name;
};

// args: the arguments after the program's own name.
CommandLineInfo ParseCommandLine(const std::vector<std::string>& args);
