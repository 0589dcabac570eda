#include "playback_fixture.h"

namespace {

class RunnerTest : public PlaybackTest {
 protected:
  void Pick(int s, int j) {
    playback.nPickSubMenu = s;
    playback.nPickItem = j;
    playback.bPickPending = true;
    playback.OnKillFocus();
  }

  // Which slots ran, as "s.j s.j ...".
  struct Runs : SlotListener {
    std::string text;
    void SlotStarting(int s, int j) override { text += std::to_string(s) + "." + std::to_string(j) + " "; }
    void SlotFinished(int, int, bool recognised) override { text += recognised ? "T " : "P "; }
  } runs;

  void SetUp() override { playback.SetListener(&runs); }
};

TEST_F(RunnerTest, PlainTextIsPastedAfterTheWaitAndATokenLeavesTheClipboardAlone) {
  rec.SetClipboardContents("previous");
  SetItem(0, 0, "[enter]");
  SetItem(0, 1, "Hello World");
  Pick(0, 0);
  EXPECT_EQ(Take(), "sleep 500, down 0d, up 0d");
  EXPECT_EQ(rec.ClipboardText(), "previous");
  Pick(0, 1);
  EXPECT_EQ(Take(), "sleep 500, clipboard \"Hello World\", down 11, down 56, up 56, up 11, sleep 250");
  EXPECT_FALSE(playback.bPickPending);
}

TEST_F(RunnerTest, ChainsFollowOnlyTheFlagOfTheItemJustRun) {
  SetItem(2, 0, "[#65]", 1);
  SetItem(2, 1, "[#66]", 1);
  SetItem(2, 2, "[#67]", 0);
  SetItem(2, 3, "[#68]", 1);
  Pick(2, 1);
  EXPECT_EQ(runs.text, "2.1 T 2.2 T ");
}

// Past the last item the chain runs the blank slot (its empty text is
// pasted), and past the count the paste shows the internal error.
TEST_F(RunnerTest, ChainsRunPastTheLastItem) {
  SetItem(0, 0, "[#65]", 7);  // any nonzero flag counts
  Pick(0, 0);
  EXPECT_EQ(runs.text, "0.0 T 0.1 P ");
  EXPECT_EQ(Take(), "sleep 500, down 41, up 41, clipboard \"\", down 11, down 56, up 56, up 11, sleep 250");

  doc->bChainToNext[ItemSlot(0, 1)] = 1;  // a leftover flag on the blank slot
  runs.text.clear();
  Pick(0, 0);
  EXPECT_EQ(runs.text, "0.0 T 0.1 P 0.2 P ");
  EXPECT_NE(Take().find("message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem"),
            std::string::npos);
}

TEST_F(RunnerTest, ChainEndsAtTheLastSlotOfTheRow) {
  for (int j = 0; j < kMaxItems; ++j) SetItem(3, j, "[;]", 1);
  Pick(3, 47);
  EXPECT_EQ(runs.text, "3.47 T 3.48 T 3.49 T ");
}

TEST_F(RunnerTest, APickRunsOnceEvenWhenFocusIsLostAgainDuringTheRun) {
  SetItem(0, 0, "[&1Name]");
  SetItem(0, 1, "[%1]");
  doc->bChainToNext[ItemSlot(0, 0)] = 1;
  rec.QueueAnswer({DataEntryAnswer::Kind::answer, "q"});
  Pick(0, 0);
  playback.OnKillFocus();  // the box closing moves the focus again
  EXPECT_EQ(runs.text, "0.0 T 0.1 T ");
}

}  // namespace
