#include "playback/run_control.h"

void RunControl::OnKey(std::uint8_t vk, bool pressed, bool injected) {
  if (vk != kVkEscape || !pressed || injected) return;
  if (!running_.load() || open_boxes_.load() > 0) return;
  stop_.store(true);
}

void RunControl::BeginRun() {
  stop_.store(false);
  running_.store(true);
}
