// zvk trace: what an item text or a pick makes, effect by effect.
#include <memory>

#include "document/zorvak_doc.h"
#include "tools/zvk/command_line_text.h"
#include "tools/zvk/commands.h"
#include "tools/zvk/macro_file.h"
#include "tools/zvk/tool_error.h"
#include "tools/zvk/trace_options.h"
#include "tools/zvk/trace_run.h"
#include "view/pick_command.h"

namespace {

// A pick the program's menu could make: an item of a submenu in use,
// within what the pick menu can offer.
void CheckPick(const MacroData& doc, Pick pick, const std::string& file) {
  const int s = pick.submenu;
  const int j = pick.item;
  if (s >= doc.SubMenuCount()) {
    throw ToolError(kExitUsage, file + " has no submenu " + std::to_string(s) + " (it holds " +
                                    std::to_string(doc.SubMenuCount()) + ").");
  }
  if (j >= doc.ItemCount(s)) {
    throw ToolError(kExitUsage, "Submenu " + std::to_string(s) + " of " + file + " has no item " +
                                    std::to_string(j) + " (it holds " +
                                    std::to_string(doc.ItemCount(s)) + ").");
  }
  if (!IsPickableItemIndex(j)) {
    throw ToolError(kExitUsage,
                    "Item " + std::to_string(j) +
                        " cannot be picked from the menu; a chain from the item before it "
                        "reaches it.");
  }
}

}  // namespace

int RunTrace(const Arguments& args, std::ostream& out, std::ostream& /*err*/) {
  TraceOptions options = ParseTraceOptions(args);
  // Everything that can be refused is checked before the first line.
  Trace trace(out, options.layout);
  for (DataEntryAnswer& answer : options.answers) {
    if (answer.kind == DataEntryAnswer::Kind::answer) {
      answer.text = CommandLineText(answer.text, "The TEXT of --answer");
    }
    trace.QueueAnswer(answer);
  }

  if (options.pick) {
    const auto doc = std::make_unique<CZorvakDoc>();
    doc->OnNewDocument();
    LoadMacroFile(options.file, *doc);
    CheckPick(*doc, *options.pick, options.file);
    trace.RunPick(*doc, *options.pick);
  } else {
    trace.RunText(CommandLineText(options.text, "The TEXT"));
  }
  return kExitSuccess;
}
