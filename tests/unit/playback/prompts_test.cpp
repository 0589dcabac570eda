#include "recording_fixture.h"

namespace {

using PromptTest = PlaybackTest;

TEST_F(PromptTest, PromptedValueIsTypedBackWithTheDefaultUsedOnce) {
  rec.PromptBoxPort().SetForegroundWindow(0x99);
  Take();
  Run("[*John]");
  rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  playback.RunToken("[&1Name?]");
  EXPECT_EQ(playback.PromptState().Variable(1), "John");
  EXPECT_EQ(playback.PromptState().DefaultEntry(), "NODEFAULT");
  // The foreground went to the view for the box and came back afterwards.
  ASSERT_EQ(log.Effects().size(), 3u);
  EXPECT_EQ(log.Effects()[0].window, kViewWindow);
  EXPECT_EQ(log.Effects()[2].window, 0x99u);
  EXPECT_EQ(Take(), "prompt 1 \"Name?\" default \"John\" single");
  EXPECT_EQ(Run("[%1]"), "down 10, down 4a, up 4a, up 10, down 4f, up 4f, down 48, up 48, down 4e, up 4e");
}

TEST_F(PromptTest, EqualsTakesTheDefaultWithoutABoxAndCancelEmpties) {
  Run("[*abc]");
  EXPECT_EQ(Run("[&2=]"), "");
  EXPECT_EQ(playback.PromptState().Variable(2), "abc");
  Run("[&2=]");
  EXPECT_EQ(playback.PromptState().Variable(2), "NODEFAULT");

  // Nothing queued: cancelled, and the variable types nothing.
  EXPECT_EQ(Run("[&2Who]"), "prompt 2 \"Who\" single");
  EXPECT_EQ(playback.PromptState().Variable(2), "");
  EXPECT_EQ(Run("[%2]"), "");
  Run("[*]");
  rec.PromptBoxPort().QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  Run("[&5x]");
  EXPECT_EQ(playback.PromptState().Variable(5), "");
  Run("[*NODEFAULT]");
  EXPECT_EQ(Run("[&6x]"), "prompt 6 \"x\" single");
  EXPECT_EQ(Run("[&]"), "prompt 0 \"\" single");
}

TEST_F(PromptTest, VariablesTypeEveryCharacterWithEnterPerLineBreak) {
  Run("[multi]");
  Answer("a[b]'c\r\nD");
  EXPECT_EQ(Run("[&0x]"), "prompt 0 \"x\" multi");
  // A non-digit selects variable 0.
  EXPECT_EQ(Run("[%x]"),
            "down 41, up 41, down db, up db, down 42, up 42, down dd, up dd, down de, up de, down 43, up 43, "
            "down 0d, up 0d, down 10, down 44, up 44, up 10");
}

}  // namespace
