// zvk check FILE: a summary of a macro file and its pitfalls.
#include <memory>

#include "tools/zvk/check_report.h"
#include "tools/zvk/commands.h"
#include "tools/zvk/exit_codes.h"
#include "tools/zvk/macro_file.h"

int RunCheck(const Arguments& args, std::ostream& out, std::ostream& /*err*/) {
  ExpectArgumentCount(args, 1, "check");
  const auto doc = std::make_unique<CZorvakDoc>();
  doc->OnNewDocument();
  const std::int32_t version = LoadMacroFile(args[0], *doc);

  out << args[0] << ": ";
  for (const std::string& line : CheckSummary(*doc, version)) out << line << '\n';
  const std::vector<std::string> warnings = CheckWarnings(*doc, version);
  for (const std::string& warning : warnings) out << "warning: " << warning << '\n';
  if (warnings.empty()) out << "no warnings\n";
  return kExitSuccess;
}
