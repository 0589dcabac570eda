// Stopping a run with the user's Escape, as the watch on the keyboard
// reports it, and the sliced waits that let a stop end a wait early.
#include <cstdint>
#include <string>
#include <vector>

#include "playback/sliced_wait.h"
#include "recording_fixture.h"

namespace {

class StopTest : public PlaybackTest {
 protected:
  RunControl& control = playback.Control();

  // The user presses Escape as the effect `line` happens.
  void EscapeAt(const std::string& at) {
    log.on_line = [this, at](std::string_view line) {
      if (line == at) control.OnKey(kVkEscape, true, false);
    };
  }
};

TEST_F(StopTest, EscapeEndsTheRunAfterTheCharacterUnderWayAndReleasesTheHeldKeys) {
  SetItem(0, 0, "[CTRL]", 1);
  SetItem(0, 1, "[\"[alt]abc\"]", 1);
  SetItem(0, 2, "[enter]");
  EscapeAt("down 42");
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, down 11, recognised, run 0 1, down 12, down 41, up 41, down 42, "
            "up 42, recognised, up 11, up 12");
  // The next run starts afresh, and holds no key any more.
  EscapeAt("down 0d");
  EXPECT_EQ(RunPick(0, 2), "sleep 500, run 0 2, down 0d, up 0d, recognised");
}

TEST_F(StopTest, EscapeDuringAWaitEndsTheRunThere) {
  SetItem(0, 0, "[!60000]", 1);
  SetItem(0, 1, "pasted text");
  EscapeAt("sleep 60000");
  EXPECT_EQ(RunPick(0, 0), "sleep 500, run 0 0, sleep 60000, recognised");
  // In the wait before the pick: nothing runs, nothing is pasted.
  EscapeAt("sleep 500");
  EXPECT_EQ(RunPick(0, 1), "sleep 500");
  EXPECT_EQ(rec.ClipboardPort().Text(), std::nullopt);
}

TEST_F(StopTest, OnlyTheUsersEscapePressedDuringARunStopsItAndNotInABox) {
  control.OnKey(kVkEscape, true, false);  // before the run: nothing to stop
  SetItem(0, 0, "[\"a[escape]b\"]", 1);
  SetItem(0, 1, "[&1Name?]", 1);
  SetItem(0, 2, "[%1]");
  Answer("q");
  log.on_line = [this](std::string_view line) {
    // Playback's own keys come back marked as sent by a program.
    if (line.starts_with("down ") || line.starts_with("up ")) {
      const auto vk = static_cast<std::uint8_t>(std::stoi(std::string(line.substr(line.find(' '))), nullptr, 16));
      control.OnKey(vk, line.starts_with("down"), true);
    }
    // In the data entry box, Escape answers the box.
    if (line.starts_with("prompt")) control.OnKey(kVkEscape, true, false);
    control.OnKey(kVkEscape, false, false);
    control.OnKey('A', true, false);
  };
  EXPECT_EQ(RunPick(0, 0),
            "sleep 500, run 0 0, down 41, up 41, down 1b, up 1b, down 42, up 42, recognised, "
            "run 0 1, prompt 1 \"Name?\" single, recognised, run 0 2, down 51, up 51, recognised");
}

// A system's slices come out a little long or short.
class UnevenTimer : public SliceTimer {
 public:
  std::uint64_t now = 5000;
  std::vector<std::uint32_t> slices;
  std::function<void()> during_slice;

  std::uint64_t NowMs() override { return now; }
  void SleepSlice(std::uint32_t milliseconds) override {
    slices.push_back(milliseconds);
    now += milliseconds;
    if (slices.size() % 3 == 0) now += 7;
    if (slices.size() % 4 == 0) now -= 5;
    if (during_slice) during_slice();
  }
};

TEST(SlicedWaitTest, AWaitKeepsItsLengthInShortSlicesAndAStopEndsItAfterItsSlice) {
  UnevenTimer timer;
  RunControl control;
  WaitInSlices(timer, 1234, control);
  EXPECT_GE(timer.now, 5000u + 1234u);
  EXPECT_LT(timer.now, 5000u + 1234u + kWaitSlice);
  for (const std::uint32_t slice : timer.slices) {
    EXPECT_GT(slice, 0u);
    EXPECT_LE(slice, kWaitSlice);
  }

  UnevenTimer stopped;
  control.BeginRun();
  stopped.during_slice = [&] {
    if (stopped.slices.size() == 10) control.OnKey(kVkEscape, true, false);
  };
  WaitInSlices(stopped, 60000, control);
  EXPECT_EQ(stopped.slices.size(), 10u);
}

}  // namespace
