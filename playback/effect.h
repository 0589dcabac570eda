#pragma once
// One effect of playback as the recording platform sees it, and the sink it
// hands each effect to as it happens.

#include <cstdint>
#include <string>

#include "playback/ports.h"

struct Effect {
  enum class Kind {
    keyDown,        // input: a key or a character sent as itself
    keyUp,          // input
    released,       // input: a key left down, released at the end of the run
    sleep,          // number: milliseconds
    clipboard,      // text: what the clipboard now holds
    message,        // text, number: the box type
    prompt,         // request: what the data entry box was shown with
    setForeground,  // window
  };
  explicit Effect(Kind k) : kind(k) {}

  Kind kind;
  KeyInput input;
  std::uint32_t number = 0;
  std::string text;
  DataEntryRequest request;
  WindowId window = 0;
};

class EffectSink {
 public:
  virtual void Write(const Effect& effect) = 0;

 protected:
  ~EffectSink() = default;
};
