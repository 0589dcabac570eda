#pragma once
// One line of text per recorded effect, as the zvk trace command prints
// them:
//   down XX / up XX            a key press / release (hex virtual-key code)
//   down u+XXXX / up u+XXXX    a character sent as itself (its UTF-16 unit)
//   released XX                a key left down, released at the end of a run
//   sleep N                    a wait of N milliseconds
//   clipboard "TEXT"           the clipboard set to TEXT
//   message "TEXT"             a message box
//   prompt D "PROMPT" [default "TEXT"] single|multi
// Foreground changes print nothing (an empty string).

#include <string>
#include <string_view>

#include "playback/effect.h"
#include "playback/pick.h"

// Printable ASCII as is, except " and \ escaped; every other byte \xNN.
std::string QuoteText(std::string_view text);

std::string EffectText(const Effect& effect);

// Turns effects and slot marks into lines as they happen: "run S J" before
// a slot, "recognised" or "pasted" after it. Where the lines go is the
// subclass's choice.
class EffectLineWriter : public EffectSink, public SlotListener {
 public:
  void Write(const Effect& effect) override;
  void SlotStarting(Pick slot) override;
  void SlotFinished(bool recognised) override;

 protected:
  ~EffectLineWriter() = default;
  virtual void WriteLine(std::string_view line) = 0;
};
