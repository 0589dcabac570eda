// zvk build JSON OUT: a macro file from JSON.
#include <memory>

#include "tools/zvk/commands.h"
#include "tools/zvk/json_reader.h"
#include "tools/zvk/macro_file.h"
#include "tools/zvk/macro_json.h"
#include "tools/zvk/tool_error.h"

int RunBuild(const Arguments& args, std::ostream& /*out*/, std::ostream& /*err*/) {
  ExpectArgumentCount(args, 2, "build");
  const std::string& source = args[0];
  const std::string& target = args[1];

  JsonValue json;
  try {
    json = ParseJson(ReadWholeFile(source));
  } catch (const JsonSyntaxError& e) {
    throw ToolError(kExitBadFormat, source + ", line " + std::to_string(e.Line()) + ", column " +
                                        std::to_string(e.Column()) + ": " + e.what() + ".");
  }

  const auto doc = std::make_unique<CZorvakDoc>();
  doc->OnNewDocument();
  try {
    JsonToMacro(json, *doc);
  } catch (const MacroJsonError& e) {
    const std::string where = e.Path().empty() ? source : source + ", " + e.Path();
    throw ToolError(kExitBadFormat, where + ": " + e.what() + ".");
  }
  SaveMacroFile(target, *doc);
  return kExitSuccess;
}
