#pragma once
// Whether a run is going, and the user's request to stop it. The request
// comes from the watch on the user's keys, which may run on a thread of its
// own, so the state is atomic.

#include <atomic>
#include <cstdint>

#include "framework/virtual_keys.h"
#include "storage/non_copyable.h"

class RunControl : private NonCopyable {
 public:
  RunControl() = default;

  // A key pressed or released anywhere on the desktop; injected: sent by a
  // program (playback included), not typed by the user. Escape pressed by
  // the user stops the run that is going, except while one of the
  // program's own boxes is open: there it answers the box.
  void OnKey(std::uint8_t vk, bool pressed, bool injected);

  bool StopRequested() const { return stop_.load(); }
  bool Running() const { return running_.load(); }

  // A run begins with no stop requested.
  void BeginRun();
  void EndRun() { running_.store(false); }

  // Around a box the user answers in the middle of a run (the data entry
  // box, a message box).
  void BoxOpened() { ++open_boxes_; }
  void BoxClosed() { --open_boxes_; }

 private:
  std::atomic<bool> running_{false};
  std::atomic<bool> stop_{false};
  std::atomic<int> open_boxes_{0};
};

// A box open for as long as it lives.
class OpenBox : private NonCopyable {
 public:
  explicit OpenBox(RunControl& control) : control_(control) { control_.BoxOpened(); }
  ~OpenBox() { control_.BoxClosed(); }

 private:
  RunControl& control_;
};
