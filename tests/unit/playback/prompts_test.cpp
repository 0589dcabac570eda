#include "playback_fixture.h"

namespace {

class PromptTest : public PlaybackTest {
 protected:
  bool Run(const std::string& text) { return playback.RunToken(0, 0, true, text); }
};

TEST_F(PromptTest, PromptedValueIsTypedBackWithTheDefaultUsedOnce) {
  rec.SetForegroundWindowId(0x99);
  Run("[*John]");
  rec.QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  EXPECT_TRUE(Run("[&1Name?]"));
  EXPECT_EQ(playback.strVariables[1], "John");
  EXPECT_EQ(playback.strDefaultEntry, "NODEFAULT");
  // The foreground went to the view for the box and came back afterwards.
  ASSERT_GE(rec.Effects().size(), 3u);
  EXPECT_EQ(rec.Effects()[0].window, kViewWindow);
  EXPECT_EQ(rec.Effects().back().window, 0x99u);
  EXPECT_EQ(Take(), "prompt 1 \"Name?\" default \"John\" single");
  Run("[%1]");
  EXPECT_EQ(Take(), "down 10, down 4a, up 4a, up 10, down 4f, up 4f, down 48, up 48, down 4e, up 4e");
}

TEST_F(PromptTest, EqualsPromptTakesTheDefaultWithoutABox) {
  Run("[*abc]");
  Run("[&2=]");
  EXPECT_EQ(playback.strVariables[2], "abc");
  Run("[&2=]");
  EXPECT_EQ(playback.strVariables[2], "NODEFAULT");
  EXPECT_EQ(Take(), "");
}

TEST_F(PromptTest, CancelEmptiesTheVariableAndOkWithoutDefaultGivesEmpty) {
  playback.strVariables[4] = "old";
  EXPECT_TRUE(Run("[&4Who]"));  // nothing queued: cancelled
  EXPECT_EQ(playback.strVariables[4], "");
  Run("[%4]");
  Run("[*]");
  rec.QueueAnswer({DataEntryAnswer::Kind::ok, ""});
  Run("[&5x]");
  EXPECT_EQ(playback.strVariables[5], "");
  Run("[*NODEFAULT]");
  Run("[&6x]");
  EXPECT_EQ(Take(), "prompt 4 \"Who\" single, prompt 5 \"x\" default \"\" single, prompt 6 \"x\" single");
}

TEST_F(PromptTest, MultiLineAnswersTypeEnterPerLineBreak) {
  Run("[multi]");
  rec.QueueAnswer({DataEntryAnswer::Kind::answer, "ab\r\ncd"});
  Run("[&0x]");
  Run("[%]");
  EXPECT_EQ(Take(), "prompt 0 \"x\" multi, down 41, up 41, down 42, up 42, down 0d, up 0d, "
                    "down 43, up 43, down 44, up 44");
}

TEST_F(PromptTest, VariablesTypeEveryCharacterAndNonDigitsSelectZero) {
  playback.strVariables[0] = "a[b]'c";
  Run("[%x]");
  EXPECT_EQ(Take(), "down 41, up 41, down db, up db, down 42, up 42, down dd, up dd, "
                    "down de, up de, down 43, up 43");
  rec.QueueAnswer({DataEntryAnswer::Kind::answer, "v"});
  Run("[&]");
  EXPECT_EQ(Take(), "prompt 0 \"\" single");
  EXPECT_EQ(playback.strVariables[0], "v");
}

TEST_F(PromptTest, DefaultCarriesIntoTheNextRunAndStyleIsResetPerRun) {
  SetItem(0, 0, "[*carry]");
  SetItem(0, 1, "[&1ask]");
  Run("[multi]");
  playback.nPickSubMenu = 0;
  playback.nPickItem = 0;
  playback.bPickPending = true;
  playback.OnKillFocus();
  EXPECT_FALSE(playback.bMultiLineEntry);
  playback.nPickItem = 1;
  playback.bPickPending = true;
  playback.OnKillFocus();
  EXPECT_EQ(Take(), "sleep 500, sleep 500, prompt 1 \"ask\" default \"carry\" single");
}

}  // namespace
