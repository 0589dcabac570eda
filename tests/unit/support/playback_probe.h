#pragma once
// What the tests read and set inside playback that the program itself
// never needs: the pending pick, the prompt variables, the recording
// clipboard's contents and its next failure.

#include <optional>
#include <string>

#include "playback/playback.h"
#include "playback/recording_platform.h"

struct PlaybackProbe {
  static std::optional<Pick> PendingPick(const Playback& playback) {
    if (!playback.bPickPending) return std::nullopt;
    return Pick{playback.nPickSubMenu, playback.nPickItem};
  }
  static const std::string& Variable(const Playback& playback, int d) {
    return playback.prompts_.strVariables.at(static_cast<std::size_t>(d));
  }
  static void SetContents(RecordingClipboard& clipboard, std::optional<std::string> text) {
    clipboard.text_ = std::move(text);
  }
  static void FailNext(RecordingClipboard& clipboard, ClipboardStep step) {
    clipboard.fail_next_ = step;
  }
};
