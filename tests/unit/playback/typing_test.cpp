// Typing on the focus window's layout: the keys and modifiers each layout
// asks for, characters without a key sent as themselves, the modifiers the
// macro holds, scan codes, and no key left down at the end of a run.
#include <tuple>

#include "recording_fixture.h"
#include "support/playback_probe.h"

namespace {

// The same text on each layout: a1@é€Z in Windows-1252.
TEST_F(PlaybackTest, TheTextComesOutAsWrittenOnEveryLayout) {
  constexpr const char* kShiftZ = "down 10, down 5a, up 5a, up 10";
  const std::tuple<ModelledLayout, std::string> rows[] = {
      {ModelledLayout::us,
       "down 41, up 41, down 31, up 31, down 10, down 32, up 32, up 10, down u+00e9, up u+00e9, "
       "down u+20ac, up u+20ac, " +
           std::string(kShiftZ)},
      {ModelledLayout::fr,
       "down 41, up 41, down 10, down 31, up 31, up 10, down 11, down 12, down 30, up 30, up 12, "
       "up 11, down 32, up 32, down 11, down 12, down 45, up 45, up 12, up 11, " +
           std::string(kShiftZ)},
      {ModelledLayout::de,
       "down 41, up 41, down 31, up 31, down 11, down 12, down 51, up 51, up 12, up 11, "
       "down u+00e9, up u+00e9, down 11, down 12, down 45, up 45, up 12, up 11, " +
           std::string(kShiftZ)},
  };
  for (const auto& [layout, effects] : rows) {
    rec.KeyboardPort().SetLayout(layout);
    EXPECT_EQ(Run("[\"a1@\u00E9\u20ACZ\"]"), effects) << static_cast<int>(layout);
  }
}

// A character reached only through a dead key goes as itself; so do the
// typed variable's and the single-character token's, and every character
// no key types, beyond U+FFFF as the two halves of its surrogate pair. A modifier the macro
// holds is neither pressed again nor released: Shift for a capital, Ctrl
// for AltGr.
TEST_F(PlaybackTest, DeadKeysAndHeldModifiers) {
  constexpr const char* kSmile = "down u+d83d, up u+d83d, down u+de42, up u+de42";
  const std::tuple<ModelledLayout, std::string, std::string> rows[] = {
      {ModelledLayout::fr, "[\"\u00A8~\"]", "down u+00a8, up u+00a8, down u+007e, up u+007e"},
      {ModelledLayout::us, "[\"\u0416\u4E2D\U0001F642\"]",
       "down u+0416, up u+0416, down u+4e2d, up u+4e2d, " + std::string(kSmile)},
      {ModelledLayout::fr, "['\U0001F642']", kSmile},
      {ModelledLayout::de, "['`']", "down u+0060, up u+0060"},
      {ModelledLayout::fr, "[\"[shift]A1[SHIFT_UP]\"]",
       "down 10, down 41, up 41, down 31, up 31, up 10"},
      {ModelledLayout::de, "[\"[CTRL]@[CTRL_UP]\"]",
       "down 11, down 12, down 51, up 51, up 12, up 11"},
      {ModelledLayout::de, "[%0]",
       "down 5a, up 5a, down u+00e9, up u+00e9, " + std::string(kSmile)},
  };
  PlaybackProbe::SetVariable(playback, 0, "z\u00E9\U0001F642");
  for (const auto& [layout, text, effects] : rows) {
    rec.KeyboardPort().SetLayout(layout);
    EXPECT_EQ(Run(text), effects) << text;
  }
}

// Each step of a run looks the focus window's layout up again.
TEST_F(PlaybackTest, EachStepTypesWithTheLayoutOfTheWindowThenInFront) {
  SetChain(0, {"[\"z\"]", "[\"z\"]"});
  log.on_line = [&](std::string_view line) {
    if (line == "recognised") rec.KeyboardPort().SetLayout(ModelledLayout::de);
  };
  log.with_scan_codes = true;
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, down 5a 2c, up 5a 2c, recognised, run 0 1, down 5a 15, up 5a 15, "
            "recognised");
}

TEST_F(PlaybackTest, KeysCarryTheLayoutsScanCodeAndTheExtendedOnesSayTheyAre) {
  log.with_scan_codes = true;
  const std::pair<const char*, std::string> rows[] = {
      {"[up]", "down 26 48 ext, up 26 48 ext"},
      {"[home]", "down 24 47 ext, up 24 47 ext"},
      {"[right_win]", "down 5c 5c ext, up 5c 5c ext"},
      {"[#165]", "down a5 38 ext, up a5 38 ext"},
      {"[enter]", "down 0d 1c, up 0d 1c"},
      {"[f12]", "down 7b 58, up 7b 58"},
      {"[paste]", "down 11 1d, down 56 2f, up 56 2f, up 11 1d"},
  };
  for (const auto& [text, effects] : rows) EXPECT_EQ(Run(text), effects) << text;
  rec.KeyboardPort().SetLayout(ModelledLayout::fr);
  EXPECT_EQ(Run("['a']"), "down 41 10, up 41 10") << "the A key is where Q is in the US";
}

// However a run ends, every modifier it pressed and did not release is
// released: after the last item, after a failure, after the user's Escape
// (tested with Escape itself).
TEST_F(PlaybackTest, NoModifierStaysDownAfterARun) {
  SetChain(0, {"[CTRL]", "[shift]", "[alt]", "[alt_up]"});
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, down 11, recognised, run 0 1, down 10, recognised, run 0 2, "
            "down 12, recognised, run 0 3, up 12, recognised, released 10, released 11");
  SetChain(1, {"[shift]", "[^text]"});
  PlaybackProbe::FailNext(rec.ClipboardPort(), ClipboardStep::open);
  EXPECT_EQ(RunPick(1, 0),
            "sleep 500, run 1 0, down 10, recognised, run 1 1, message \"Error opening "
            "clipboard\" 0, recognised, released 10");
  EXPECT_EQ(RunPick(0, 3), "sleep 500, run 0 3, up 12, recognised") << "nothing is held any more";
}

}  // namespace
