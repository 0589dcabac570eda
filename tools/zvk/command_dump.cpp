// zvk dump FILE: a macro file as JSON.
#include <memory>

#include "tools/zvk/commands.h"
#include "tools/zvk/exit_codes.h"
#include "tools/zvk/json_writer.h"
#include "tools/zvk/macro_file.h"
#include "tools/zvk/macro_json.h"

int RunDump(const Arguments& args, std::ostream& out, std::ostream& /*err*/) {
  ExpectArgumentCount(args, 1, "dump");
  const auto doc = std::make_unique<CZorvakDoc>();
  doc->OnNewDocument();
  const std::int32_t version = LoadMacroFile(args[0], *doc);
  out << WriteJson(MacroToJson(*doc, version));
  return kExitSuccess;
}
