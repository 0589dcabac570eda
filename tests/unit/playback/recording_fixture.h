#pragma once
// Playback over the recording ports and a blank document, its effects in
// one line: what zvk trace prints, with each message box's type after its
// text, "foreground W" for each change of the foreground and, when asked
// for, each key's scan code.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <utility>

#include "document/macro_data.h"
#include "playback/effect_text.h"
#include "playback/playback.h"
#include "playback/recording_platform.h"

class EffectLog : public EffectLineWriter {
 public:
  void Write(const Effect& effect) override {
    if (effect.kind == Effect::Kind::setForeground)
      return WriteLine("foreground " + std::to_string(effect.window));
    const bool key = effect.kind <= Effect::Kind::released;  // down, up, released
    if (with_scan_codes && key && !effect.input.unicode) {
      char scan[16];
      std::snprintf(scan, sizeof scan, " %02x%s", static_cast<unsigned>(effect.input.scan),
                    effect.input.extended ? " ext" : "");
      return WriteLine(EffectText(effect) + scan);
    }
    if (effect.kind != Effect::Kind::message) return EffectLineWriter::Write(effect);
    WriteLine(EffectText(effect) + " " + std::to_string(effect.number));
  }
  void WriteLine(std::string_view line) override {
    lines_ += (lines_.empty() ? "" : ", ") + std::string(line);
    if (on_line) on_line(line);
  }
  std::string Take() { return std::exchange(lines_, std::string()); }
  // Key events show their scan code, and "ext" for the extended ones.
  bool with_scan_codes = false;
  // Sees every line as it is written: a test's hand in the middle of a run.
  std::function<void(std::string_view line)> on_line;

 private:
  std::string lines_;
};

constexpr WindowId kViewWindow = 7;
constexpr const char* kNotAToken = "NOT A TOKEN";

struct PlaybackTest : ::testing::Test {
  PlaybackTest() { playback.SetListener(&log); }

  // The effects of a text run as one token, or kNotAToken.
  std::string Run(const std::string& text) {
    return playback.RunToken(text) ? log.Take() : log.Take() + kNotAToken;
  }

  void SetItem(int s, int j, const std::string& text, int chain = 0) {
    doc->strSubMenuItemText[ItemSlot(s, j)] = text;
    doc->bChainToNext[ItemSlot(s, j)] = chain;
    if (doc->nNumSubMenus <= s) doc->nNumSubMenus = s + 1;
    if (doc->nNumSubMenuItems[s] <= j) doc->nNumSubMenuItems[s] = j + 1;
  }

  // Items of submenu s, each chained to the next but the last.
  void SetChain(int s, const std::vector<std::string>& texts) {
    for (std::size_t j = 0; j < texts.size(); ++j)
      SetItem(s, static_cast<int>(j), texts[j], j + 1 < texts.size());
  }

  std::string RunPick(int s, int j) {
    playback.ArmPick({s, j});
    playback.OnKillFocus();
    return log.Take();
  }

  void Answer(const std::string& text) {
    rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::answer, text});
  }

  EffectLog log;
  RecordingPlatform rec{log};
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();
  Playback playback{rec.Ports(), *doc, kViewWindow};
};
