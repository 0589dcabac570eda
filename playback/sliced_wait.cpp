#include "playback/sliced_wait.h"

#include <algorithm>

void WaitInSlices(SliceTimer& timer, std::uint32_t total, const RunControl& control) {
  const std::uint64_t end = timer.NowMs() + total;
  while (!control.StopRequested()) {
    const std::uint64_t now = timer.NowMs();
    if (now >= end) return;
    timer.SleepSlice(static_cast<std::uint32_t>(std::min<std::uint64_t>(end - now, kWaitSlice)));
  }
}
