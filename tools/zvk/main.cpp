// zvk: reads, writes, checks and traces Zorvakomat macro files.
#include <exception>
#include <iostream>
#include <new>
#include <string>

#include "tools/zvk/commands.h"
#include "tools/zvk/heap.h"
#include "tools/zvk/tool_error.h"
#include "tools/zvk/usage.h"

int main(int argc, char** argv) {
  TuneHeap();
  const Arguments all(argv + 1, argv + argc);
  if (all.empty()) {
    std::cerr << UsageText();
    return kExitUsage;
  }
  const std::string& command = all[0];
  const Arguments args(all.begin() + 1, all.end());
  try {
    int status = kExitUsage;
    if (command == "dump") {
      status = RunDump(args, std::cout, std::cerr);
    } else if (command == "build") {
      status = RunBuild(args, std::cout, std::cerr);
    } else if (command == "check") {
      status = RunCheck(args, std::cout, std::cerr);
    } else if (command == "trace") {
      status = RunTrace(args, std::cout, std::cerr);
    } else if (command == "help" || command == "--help" || command == "-h") {
      std::cout << UsageText();
      status = kExitSuccess;
    } else {
      std::cerr << "Unknown command \"" << command << "\".\n" << UsageText();
      return kExitUsage;
    }
    // Output that did not arrive (a full disk behind a redirection) is a
    // failure, not a success.
    if (!std::cout.flush()) {
      std::cerr << "Unable to write the output.\n";
      return kExitCannotOpen;
    }
    return status;
  } catch (const ToolError& e) {
    const std::string message = e.what();
    if (!message.empty()) std::cerr << message << (message.back() == '\n' ? "" : "\n");
    return e.Code();
  } catch (const std::bad_alloc&) {
    std::cerr << "Not enough memory.\n";
    return kExitCannotOpen;
  } catch (const std::exception& e) {
    std::cerr << "An unexpected error occurred: " << e.what() << "\n";
    return kExitCannotOpen;
  }
}
