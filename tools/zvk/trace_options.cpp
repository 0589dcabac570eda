#include "tools/zvk/trace_options.h"

#include "document/macro_data.h"
#include "tools/zvk/tool_error.h"
#include "tools/zvk/usage.h"

namespace {

[[noreturn]] void Usage(const std::string& problem) {
  throw ToolError(kExitUsage, problem + "\n" + UsageText());
}

int Index(const std::string& arg, const char* what, int limit) {
  if (arg.empty() || arg.size() > 2 || arg.find_first_not_of("0123456789") != std::string::npos ||
      std::stoi(arg) >= limit) {
    Usage(std::string("--pick: the ") + what + " index must be a number from 0 to " +
          std::to_string(limit - 1) + ", not \"" + arg + "\".");
  }
  return std::stoi(arg);
}

}  // namespace

TraceOptions ParseTraceOptions(const std::vector<std::string>& args) {
  TraceOptions options;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a == "--ok") {
      options.answers.push_back({DataEntryAnswer::Kind::ok, {}});
    } else if (a == "--cancel") {
      options.answers.push_back({DataEntryAnswer::Kind::cancel, {}});
    } else if (a == "--layout") {
      const auto layout = i + 1 < args.size() ? ModelledLayoutNamed(args[i + 1]) : std::nullopt;
      if (!layout) Usage("--layout needs us, fr or de.");
      options.layout = *layout;
      ++i;
    } else if (a == "--answer") {
      if (i + 1 >= args.size()) Usage("--answer needs a TEXT.");
      options.answers.push_back({DataEntryAnswer::Kind::answer, args[++i]});
    } else if (a == "--pick") {
      if (args.size() - i != 4) Usage("--pick needs S J FILE, and nothing after them.");
      options.pick =
          Pick{Index(args[i + 1], "submenu", kMaxSubMenus), Index(args[i + 2], "item", kMaxItems)};
      options.file = args[i + 3];
      return options;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      Usage("Unknown option " + a + ".");
    } else {
      break;
    }
  }
  if (i >= args.size()) Usage("trace needs a TEXT or --pick S J FILE.");
  if (args.size() - i > 1) Usage("trace takes one TEXT; put it in quotes.");
  options.text = args[i];
  return options;
}
