#pragma once
// Playback over the recording ports and a blank document, with the
// effects printed as one comma-separated line for easy comparison.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/macro_data.h"
#include "playback/effect_text.h"
#include "playback/playback.h"
#include "playback/recording_platform.h"

// The effects and slot marks as they come, kept until taken.
class EffectLog : public EffectLineWriter {
 public:
  void Write(const Effect& effect) override {
    effects_.push_back(effect);
    EffectLineWriter::Write(effect);
  }
  const std::vector<Effect>& Effects() const { return effects_; }
  // Sees every line as it is written: a test's hand in the middle of a run.
  std::function<void(std::string_view line)> on_line;
  // The lines so far, joined by ", "; then forgotten.
  std::string Take() {
    effects_.clear();
    return std::exchange(lines_, std::string());
  }

 protected:
  void WriteLine(std::string_view line) override {
    if (!lines_.empty()) lines_ += ", ";
    lines_ += line;
    if (on_line) on_line(line);
  }

 private:
  std::vector<Effect> effects_;
  std::string lines_;
};

constexpr WindowId kViewWindow = 0x77;
constexpr const char* kNotAToken = "NOT A TOKEN";

class PlaybackTest : public ::testing::Test {
 protected:
  EffectLog log;
  RecordingPlatform rec{log};
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();
  Playback playback{rec.Ports(), *doc, kViewWindow};

  std::string Take() { return log.Take(); }

  // The effects of a text given directly, or kNotAToken.
  std::string Run(const std::string& text) {
    const bool recognised = playback.RunToken(text);
    const std::string effects = Take();
    return recognised ? effects : kNotAToken;
  }

  void SetItem(int s, int j, const std::string& text, int chain = 0) {
    doc->strSubMenuItemText[ItemSlot(s, j)] = text;
    doc->bChainToNext[ItemSlot(s, j)] = chain;
    if (doc->nNumSubMenus <= s) doc->nNumSubMenus = s + 1;
    if (doc->nNumSubMenuItems[s] <= j) doc->nNumSubMenuItems[s] = j + 1;
  }

  // A pick from the menu and the focus loss that runs it, with the slot
  // marks in the effects.
  std::string RunPick(int s, int j) {
    playback.SetListener(&log);
    playback.ArmPick({s, j});
    playback.OnKillFocus();
    playback.SetListener(nullptr);
    return Take();
  }

  void Answer(const std::string& text) { rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::answer, text}); }
};
