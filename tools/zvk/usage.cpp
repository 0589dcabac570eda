#include "tools/zvk/usage.h"

#include "tools/zvk/commands.h"
#include "tools/zvk/tool_error.h"

std::string UsageText() {
  return "Usage:\n"
         "  zvk dump FILE          print a macro file as JSON\n"
         "  zvk build JSON OUT     write a macro file from JSON\n"
         "  zvk check FILE         summarise a macro file and warn about its pitfalls\n"
         "  zvk trace [--layout us|fr|de] [--answer TEXT | --ok | --cancel]... TEXT\n"
         "                         show the keys and pastes an item text makes\n"
         "  zvk trace [--layout us|fr|de] [--answer TEXT | --ok | --cancel]... --pick S J FILE\n"
         "                         show what picking item J of submenu S of FILE makes\n"
         "                         (the target window's keyboard layout: US unless given)\n";
}

void ExpectArgumentCount(const Arguments& args, std::size_t count, const char* command) {
  if (args.size() != count) {
    throw ToolError(kExitUsage, std::string(command) + " takes " + std::to_string(count) +
                                    (count == 1 ? " argument" : " arguments") + ", not " +
                                    std::to_string(args.size()) + ".\n" + UsageText());
  }
}
