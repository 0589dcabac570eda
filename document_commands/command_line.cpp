#include "document_commands/command_line.h"

CommandLineInfo ParseCommandLine(const std::vector<std::string>& args) {
  CommandLineInfo info;
  for (const std::string& arg : args) {
    const bool flag = !arg.empty() && (arg[0] == '/' || arg[0] == '-');
    if (flag || arg.empty() || info.command == CommandLineInfo::Command::fileOpen) continue;
    info.command = CommandLineInfo::Command::fileOpen;
    info.file_name = arg;
  }
  return info;
}
