// zvk: reads, writes, checks and traces Zorvakomat macro files.
#include <iostream>
#include <new>
#include <string>

#include "tools/zvk/commands.h"
#include "tools/zvk/tool_error.h"
#include "tools/zvk/usage.h"

int main(int argc, char** argv) {
  const Arguments all(argv + 1, argv + argc);
  if (all.empty()) {
    std::cerr << UsageText();
    return kExitUsage;
  }
  const std::string& command = all[0];
  const Arguments args(all.begin() + 1, all.end());
  try {
    if (command == "dump") return RunDump(args, std::cout, std::cerr);
    if (command == "build") return RunBuild(args, std::cout, std::cerr);
    if (command == "check") return RunCheck(args, std::cout, std::cerr);
    if (command == "trace") return RunTrace(args, std::cout, std::cerr);
    if (command == "help" || command == "--help" || command == "-h") {
      std::cout << UsageText();
      return kExitSuccess;
    }
    std::cerr << "Unknown command \"" << command << "\".\n" << UsageText();
    return kExitUsage;
  } catch (const ToolError& e) {
    const std::string message = e.what();
    if (!message.empty()) std::cerr << message << (message.back() == '\n' ? "" : "\n");
    return e.Code();
  } catch (const std::bad_alloc&) {
    std::cerr << "Not enough memory.\n";
    return kExitCannotOpen;
  }
}
