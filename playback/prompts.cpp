// The ten prompt variables: asking for a value and typing it back.
#include "playback/playback.h"

void Playback::TypeVariable(int d) {
  if (d < 0 || d >= static_cast<int>(strVariables.size())) return;
  for (const char c : strVariables[d]) TypeChar(c, Guard::byCharacter);
}

void Playback::PromptVariable(int d, const std::string& prompt) {
  if (d < 0 || d >= static_cast<int>(strVariables.size())) return;
  const WindowId previous = platform_.GetForegroundWindow();
  platform_.SetForegroundWindow(ownWindow_);

  DataEntryRequest request;
  request.nVariable = d;
  request.bMultiLine = bMultiLineEntry;
  request.strPrompt = prompt;
  request.strDefault = strDefaultEntry;

  if (prompt == "=") {
    // No box: the default itself (the sentinel text when none is set).
    strVariables[d] = strDefaultEntry;
  } else {
    const DataEntryResult result = platform_.RunDataEntry(request);
    strVariables[d] = result.ok ? result.strValue : std::string();
  }

  strDefaultEntry = kNoDefault;  // a default serves one prompt only
  platform_.SetForegroundWindow(previous);
}
