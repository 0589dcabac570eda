#pragma once
// What zvk trace prints, as it happens: every effect of a run on the
// recording platform, one line each, with "run S J" before every item slot
// of a pick and "recognised" or "pasted" after every slot. Nothing is kept:
// the memory a trace needs does not grow with its length.

#include <ostream>
#include <string_view>

#include "document/macro_data.h"
#include "playback/effect_text.h"
#include "playback/pick.h"
#include "playback/recording_platform.h"
#include "storage/non_copyable.h"

class Trace : private NonCopyable {
 public:
  // layout: the focus window's.
  Trace(std::ostream& out, ModelledLayout layout) : lines_(out) {
    platform_.KeyboardPort().SetLayout(layout);
  }

  // Answers for the data entry boxes to come, in order.
  void QueueAnswer(DataEntryAnswer answer) {
    platform_.PromptBoxPort().QueueAnswer(std::move(answer));
  }

  // Runs text the way the item runner runs one item slot.
  void RunText(std::string_view text);
  // Runs a pick of doc the way the item runner does: the wait, the item,
  // then its chain.
  void RunPick(const MacroData& doc, Pick pick);

 private:
  class StreamLines : public EffectLineWriter {
   public:
    explicit StreamLines(std::ostream& out) : out_(out) {}

   protected:
    void WriteLine(std::string_view line) override { out_ << line << '\n'; }

   private:
    std::ostream& out_;
  };

  StreamLines lines_;
  RecordingPlatform platform_{lines_};
};
