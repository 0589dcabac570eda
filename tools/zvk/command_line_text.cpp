#include "tools/zvk/command_line_text.h"

#include "tools/zvk/cp1252_text.h"
#include "tools/zvk/tool_error.h"

std::string CommandLineText(const std::string& argument, const std::string& what) {
#ifdef _WIN32
  (void)what;
  return argument;
#else
  std::string problem;
  std::optional<std::string> bytes = Utf8ToCp1252(argument, &problem);
  if (!bytes) throw ToolError(kExitUsage, what + ": " + problem + ".");
  return std::move(*bytes);
#endif
}
