#include "recording_fixture.h"

namespace {

constexpr const char* kPaste = "down 11, down 56, up 56, up 11, sleep 250";

using RunnerTest = PlaybackTest;

TEST_F(RunnerTest, PlainTextIsPastedAfterTheWaitAndATokenLeavesTheClipboardAlone) {
  rec.ClipboardPort().SetContents("previous");
  SetItem(0, 0, "[enter]");
  SetItem(0, 1, "Hello World");
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, down 0d, up 0d, recognised");
  EXPECT_EQ(rec.ClipboardPort().Text(), "previous");
  EXPECT_EQ(RunPick(0, 1), std::string("sleep 500, run 0 1, clipboard \"Hello World\", ") + kPaste + ", pasted");
  EXPECT_FALSE(playback.PendingPick());
}

TEST_F(RunnerTest, ChainsFollowOnlyTheFlagOfTheItemJustRun) {
  SetItem(2, 0, "[;]", 1);
  SetItem(2, 1, "[;]", 1);
  SetItem(2, 2, "[;]", 0);
  SetItem(2, 3, "[;]", 1);
  EXPECT_EQ(RunPick(2, 1), "sleep 500, run 2 1, recognised, run 2 2, recognised");
  for (int j = 0; j < kMaxItems; ++j) SetItem(3, j, "[;]", 1);
  // The row of 50 slots ends the chain.
  EXPECT_EQ(RunPick(3, 48), "sleep 500, run 3 48, recognised, run 3 49, recognised");
  // A pick outside the document's capacity runs nothing.
  EXPECT_EQ(RunPick(50, 0), "");
  EXPECT_EQ(RunPick(0, -1), "");
}

// Past the last item the chain runs the blank slot (its empty text is
// pasted), and past the count the paste shows the internal error and Ctrl+V
// is still sent.
TEST_F(RunnerTest, ChainsRunPastTheLastItem) {
  SetItem(0, 0, "[;]", 7);  // any nonzero flag counts
  EXPECT_EQ(RunPick(0, 0), std::string("sleep 500, run 0 0, recognised, run 0 1, clipboard \"\", ") + kPaste + ", pasted");
  doc->bChainToNext[ItemSlot(0, 1)] = 1;  // a leftover flag on the blank slot
  doc->strSubMenuItemText[ItemSlot(0, 2)] = "leftover";
  EXPECT_EQ(RunPick(0, 0),
            std::string("sleep 500, run 0 0, recognised, run 0 1, clipboard \"\", ") + kPaste + ", pasted, run 0 2, " +
                "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenuItem > "
                "pDoc->nNumSubMenuItems[nWhichSubMenu]\", " + kPaste + ", pasted");
}

TEST_F(RunnerTest, PasteToClipboardChecksAreStrictAndStayInsideTheDocument) {
  SetItem(0, 0, "first");
  doc->strSubMenuItemText[ItemSlot(0, 1)] = "leftover";
  playback.PasteToClipboard(0, 1);  // equal to the count: the slot after the last item
  EXPECT_EQ(Take(), "clipboard \"leftover\"");
  playback.PasteToClipboard(1, 0);
  EXPECT_EQ(Take(), "clipboard \"\"");
  playback.PasteToClipboard(2, 0);
  EXPECT_EQ(Take(),
            "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu > "
            "pDoc->nNumSubMenus\"");
  // Full capacity: the index equal to the count would be past the arrays.
  doc->nNumSubMenus = 50;
  doc->nNumSubMenuItems[49] = 50;
  playback.PasteToClipboard(50, 0);
  playback.PasteToClipboard(49, 50);
  ASSERT_EQ(log.Effects().size(), 2u);
  for (const Effect& e : log.Effects()) {
    EXPECT_EQ(e.kind, Effect::Kind::message);
    EXPECT_EQ(e.number, MB::IconExclamation);
  }
  EXPECT_EQ(rec.ClipboardPort().Text(), "");
}

TEST_F(RunnerTest, ARunKeepsTheDefaultButNotTheStyle) {
  SetItem(0, 0, "[*carry]");
  SetItem(0, 1, "[&1ask]");
  Run("[multi]");
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, recognised");
  EXPECT_EQ(RunPick(0, 1), "sleep 500, run 0 1, prompt 1 \"ask\" default \"carry\" single, recognised");
}

// The box closing moves the focus again while the run goes on.
class RefocusingBox : public PromptBox {
 public:
  Playback* playback = nullptr;
  int shown = 0;
  WindowId GetForegroundWindow() override { return 0; }
  void SetForegroundWindow(WindowId) override {}
  DataEntryResult RunDataEntry(const DataEntryRequest&) override {
    if (++shown == 1) playback->OnKillFocus();
    return {true, "q"};
  }
};

TEST_F(RunnerTest, APickRunsOnceWhenTheFocusMovesDuringItsRun) {
  SetItem(0, 0, "[&1Name]", 1);
  SetItem(0, 1, "[%1]");
  RefocusingBox box;
  const PlaybackPorts ports = rec.Ports();
  Playback refocused({ports.keyboard, ports.clipboard, box, ports.messages, ports.clock}, *doc);
  box.playback = &refocused;
  refocused.ArmPick({0, 0});
  refocused.OnKillFocus();
  EXPECT_EQ(box.shown, 1);
  EXPECT_EQ(Take(), "sleep 500, down 51, up 51");
}

}  // namespace
