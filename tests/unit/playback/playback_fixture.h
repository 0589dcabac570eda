#pragma once
// A Playback over a recording platform and a blank document, with the
// recorded effects as one comma-separated line for easy comparison.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/macro_data.h"
#include "playback/effect_text.h"
#include "playback/playback.h"
#include "playback/recording_platform.h"

constexpr WindowId kViewWindow = 0x77;

class PlaybackTest : public ::testing::Test {
 protected:
  RecordingPlatform rec;
  std::unique_ptr<MacroData> doc = std::make_unique<MacroData>();
  Playback playback{rec, *doc, kViewWindow};

  // The effects so far, printed, joined by ", "; then forgotten.
  std::string Take() {
    std::string out;
    for (const std::string& line : EffectLines(rec.Effects())) {
      if (!out.empty()) out += ", ";
      out += line;
    }
    rec.ClearEffects();
    return out;
  }

  void SetItem(int s, int j, const std::string& text, int chain = 0, const std::string& name = "") {
    doc->strSubMenuItemText[ItemSlot(s, j)] = text;
    doc->strSubMenuItemName[ItemSlot(s, j)] = name;
    doc->bChainToNext[ItemSlot(s, j)] = chain;
    if (doc->nNumSubMenus <= s) doc->nNumSubMenus = s + 1;
    if (doc->nNumSubMenuItems[s] <= j) doc->nNumSubMenuItems[s] = j + 1;
  }
};
