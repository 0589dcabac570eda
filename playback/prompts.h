#pragma once
// The ten prompt variables with the default for the next prompt and the
// prompt style: asking for a value in the data entry box and typing it back.

#include <array>
#include <string>

#include "playback/output.h"
#include "storage/non_copyable.h"

class Prompts : private NonCopyable {
 public:
  explicit Prompts(Output& output) : output_(output) {}

  // Types variable d (0 .. 9) character by character.
  void TypeVariable(int d);
  // Asks for variable d in the data entry box with the given prompt; the
  // prompt "=" takes the default without a box. The default serves this
  // prompt only.
  void PromptVariable(int d, const std::string& prompt);

  void SetDefaultEntry(std::string text) { strDefaultEntry = std::move(text); }
  void SetMultiLineEntry(bool multi_line) { bMultiLineEntry = multi_line; }

 private:
  friend struct PlaybackProbe;  // the tests' look at the variables

  Output& output_;
  std::array<std::string, 10> strVariables;
  std::string strDefaultEntry = kNoDefault;
  bool bMultiLineEntry = false;
};
