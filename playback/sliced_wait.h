#pragma once
// A wait cut into short slices, so that a stop request ends it soon and the
// program stays responsive meanwhile.

#include <cstdint>

#include "playback/run_control.h"

// The longest slice: a stop ends a wait well within 50 ms.
constexpr std::uint32_t kWaitSlice = 20;

// What a sliced wait needs of the system.
class SliceTimer {
 public:
  // A millisecond count that only goes forward.
  virtual std::uint64_t NowMs() = 0;
  // Waits about that long (a little more or less is fine), keeping the
  // program responsive.
  virtual void SleepSlice(std::uint32_t milliseconds) = 0;

 protected:
  ~SliceTimer() = default;
};

// Waits until `total` milliseconds have passed by the timer's count, in
// slices of at most kWaitSlice, and ends after the slice during which a
// stop was requested. Slices that sleep too long or too short change
// neither the end nor the whole.
void WaitInSlices(SliceTimer& timer, std::uint32_t total, const RunControl& control);
