// Running a pick: the wait, the item, its chain, the paste of plain text;
// stopping a run with the user's Escape, and the waits a stop can end.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "playback/sliced_wait.h"
#include "recording_fixture.h"

namespace {

constexpr const char* kPaste = "down 11, down 56, up 56, up 11, sleep 250";
const std::string kBad = "message \"Internal Application Error: PasteToClipboard(int, int) nWhichSubMenu";
const std::string kBadSubMenu = kBad + " > pDoc->nNumSubMenus\" 48";
const std::string kBadItem = kBad + "Item > pDoc->nNumSubMenuItems[nWhichSubMenu]\" 48";

using RunnerTest = PlaybackTest;

// Only the flag of the item just run counts (any nonzero value); the row of
// 50 slots ends a chain. Past the last item the chain runs the blank slot
// (its empty text is pasted); past the count the paste shows the internal
// error and Ctrl+V is still sent.
TEST_F(RunnerTest, ChainsFollowTheFlagOfTheItemJustRunToTheEndOfTheRowAndPastTheLastItem) {
  const int chains[] = {1, 7, 0, 1};
  for (int j = 0; j < 4; ++j) SetItem(2, j, "[;]", chains[j]);
  EXPECT_EQ(RunPick(2, 1), "sleep 500, run 2 1, recognised, run 2 2, recognised");
  for (int j = 0; j < kMaxItems; ++j) SetItem(3, j, "[;]", 1);
  EXPECT_EQ(RunPick(3, 48), "sleep 500, run 3 48, recognised, run 3 49, recognised");
  EXPECT_EQ(RunPick(50, 0) + RunPick(0, -1), "") << "a pick outside the capacity runs nothing";

  doc->bChainToNext[ItemSlot(2, 4)] = 1;  // a leftover flag on the blank slot
  doc->strSubMenuItemText[ItemSlot(2, 5)] = "leftover";
  EXPECT_EQ(RunPick(2, 3), std::string("sleep 500, run 2 3, recognised, run 2 4, clipboard \"\", ") + kPaste +
                               ", pasted, run 2 5, " + kBadItem + ", " + kPaste + ", pasted");

  // The checks of PasteToClipboard are strict (the slot equal to the count
  // is pasted) and stay within the capacity.
  for (const auto& [s, j] : std::vector<std::pair<int, int>>{{2, 4}, {4, 0}, {5, 0}}) playback.PasteToClipboard(s, j);
  EXPECT_EQ(log.Take(), "clipboard \"\", clipboard \"\", " + kBadSubMenu);
  doc->nNumSubMenus = doc->nNumSubMenuItems[49] = 50;
  for (const auto& [s, j] : std::vector<std::pair<int, int>>{{50, 0}, {49, 50}}) playback.PasteToClipboard(s, j);
  EXPECT_EQ(log.Take(), kBadSubMenu + ", " + kBadItem);
}

// A pick is run once, even where the focus moves again during the run (the
// data entry box closing); each run keeps the default but starts with the
// single-line box.
TEST_F(RunnerTest, APickRunsOnceAndKeepsTheDefaultButNotTheStyle) {
  SetChain(0, {"[&1Name]", "[*carry]"});
  log.on_line = [&](std::string_view line) { if (line.starts_with("prompt")) playback.OnKillFocus(); };
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, foreground 7, prompt 1 \"Name\" single, foreground 0, recognised, "
                           "run 0 1, recognised");
  Run("[multi]");
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, foreground 7, prompt 1 \"Name\" default \"carry\" single, "
                           "foreground 0, recognised, run 0 1, recognised");
}

TEST_F(RunnerTest, TheUsersEscapeEndsTheRunAfterTheCharacterUnderWayAndReleasesTheHeldKeys) {
  RunControl& control = playback.Control();
  const auto escape_at = [&](const std::string& at) {
    log.on_line = [&control, at](std::string_view line) { if (line == at) control.OnKey(kVkEscape, true, false); };
  };
  SetChain(0, {"[CTRL]", "[\"[alt]abc\"]", "[enter]"});
  escape_at("down 42");
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, down 11, recognised, run 0 1, down 12, down 41, up 41, down 42, "
                           "up 42, recognised, up 11, up 12");
  // The next run starts afresh, and holds no key any more.
  escape_at("down 0d");
  EXPECT_EQ(RunPick(0, 2), "sleep 500, run 0 2, down 0d, up 0d, recognised");
  // In a wait: the run ends there; in the wait before the pick nothing runs.
  SetChain(1, {"[!60000]", "pasted text"});
  escape_at("sleep 60000");
  EXPECT_EQ(RunPick(1, 0), "sleep 500, run 1 0, sleep 60000, recognised");
  escape_at("sleep 500");
  EXPECT_EQ(RunPick(1, 1), "sleep 500");
  EXPECT_EQ(rec.ClipboardPort().Text(), std::nullopt);

  // Only the user's Escape pressed during a run counts, and not in a box.
  control.OnKey(kVkEscape, true, false);  // before the run: nothing to stop
  SetChain(2, {"[\"a[escape]b\"]", "[&1Name?]", "[%1]"});
  Answer("q");
  log.on_line = [&](std::string_view line) {
    if (line == "down 1b") control.OnKey(kVkEscape, true, true);  // playback's own comes back as sent by a program
    if (line.starts_with("prompt")) control.OnKey(kVkEscape, true, false);  // in the box it answers the box
    control.OnKey(kVkEscape, false, false);
    control.OnKey('A', true, false);
  };
  EXPECT_EQ(RunPick(2, 0), "sleep 500, run 2 0, down 41, up 41, down 1b, up 1b, down 42, up 42, recognised, "
                           "run 2 1, foreground 7, prompt 1 \"Name?\" single, foreground 0, recognised, "
                           "run 2 2, down 51, up 51, recognised");
}

// Slices come out a little long or short; the tenth ends with the user's
// Escape where a run control is given.
struct UnevenTimer : SliceTimer {
  std::uint64_t now = 0;
  std::vector<std::uint32_t> slices;
  RunControl* stop = nullptr;
  std::uint64_t NowMs() override { return now; }
  void SleepSlice(std::uint32_t milliseconds) override {
    slices.push_back(milliseconds);
    now += milliseconds + (slices.size() % 3 == 0 ? 7 : 0) - (slices.size() % 4 == 0 ? 5 : 0);
    if (stop != nullptr && slices.size() == 10) stop->OnKey(kVkEscape, true, false);
  }
};

TEST(SlicedWaitTest, AWaitKeepsItsLengthInShortSlicesAndAStopEndsItAfterItsSlice) {
  UnevenTimer timer;
  RunControl control;
  WaitInSlices(timer, 1234, control);
  EXPECT_TRUE(timer.now >= 1234 && timer.now < 1234 + kWaitSlice) << timer.now;
  EXPECT_TRUE(std::all_of(timer.slices.begin(), timer.slices.end(), [](auto s) { return s > 0 && s <= kWaitSlice; }));
  timer.slices.clear();
  timer.stop = &control;
  control.BeginRun();
  WaitInSlices(timer, 60000, control);
  EXPECT_EQ(timer.slices.size(), 10u);
}

}  // namespace
