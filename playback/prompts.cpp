#include "playback/prompts.h"

namespace {

bool IsVariable(int d) { return d >= 0 && d < 10; }

}  // namespace

void Prompts::TypeVariable(int d) {
  if (!IsVariable(d)) return;
  output_.TypeText(strVariables[d], Guard::byCharacter);
}

void Prompts::PromptVariable(int d, const std::string& prompt) {
  if (!IsVariable(d) || output_.Stopped()) return;
  const WindowId previous = output_.GetForegroundWindow();
  output_.SetForegroundWindow(output_.OwnWindow());

  if (prompt == "=") {
    // No box: the default itself (the sentinel text when none is set).
    strVariables[d] = strDefaultEntry;
  } else {
    const auto result = output_.RunDataEntry({d, bMultiLineEntry, prompt, strDefaultEntry});
    if (!result) {
      // Stopped before the box showed: nothing is asked, nothing changes.
      output_.SetForegroundWindow(previous);
      return;
    }
    strVariables[d] = result->ok ? result->strValue : std::string();
  }

  strDefaultEntry = kNoDefault;  // a default serves one prompt only
  output_.SetForegroundWindow(previous);
}
