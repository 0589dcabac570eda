#pragma once
// What the tests see and set inside playback that the program never needs.

#include <optional>
#include <string>

#include "playback/playback.h"
#include "playback/recording_platform.h"

struct PlaybackProbe {
  static std::optional<Pick> PendingPick(const Playback& p) {
    return p.bPickPending ? std::optional<Pick>(Pick{p.nPickSubMenu, p.nPickItem}) : std::nullopt;
  }
  static const std::string& Variable(const Playback& p, int d) {
    return p.prompts_.strVariables.at(static_cast<std::size_t>(d));
  }
  static void SetContents(RecordingClipboard& c, std::optional<std::string> text) {
    c.text_ = std::move(text);
  }
  static void SetVariable(Playback& p, int d, std::string text) {
    p.prompts_.strVariables.at(static_cast<std::size_t>(d)) = std::move(text);
  }
  static void FailNext(RecordingClipboard& c, ClipboardStep step) { c.fail_next_ = step; }
  static void FailKeep(RecordingClipboard& c) { c.fail_keep_ = true; }
  static void FailGiveBack(RecordingClipboard& c) { c.fail_give_back_ = true; }
  // Another program puts its text on the clipboard.
  static void ChangeElsewhere(RecordingClipboard& c, std::string text) {
    c.text_ = std::move(text);
    ++c.sequence_;
  }
};
