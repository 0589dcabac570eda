#include "tools/zvk/command_line_text.h"

#include "storage/utf8.h"
#include "tools/zvk/tool_error.h"

std::string CommandLineText(const std::string& argument, const std::string& what) {
  if (!IsUtf8(argument)) throw ToolError(kExitUsage, what + " is not valid UTF-8.");
  return argument;
}
